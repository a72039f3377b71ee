#include "support/ProgramFiles.h"

namespace pafdm {

const QStringList& ProgramFileNames()
{
    static const QStringList names = [] {
        QStringList list{QStringLiteral("PAF_FULL.dat"),
                         QStringLiteral("PAF_THOURGHFARE.dat"),
                         QStringLiteral("PAF_POSTZON.dat"),
                         QStringLiteral("Brand.xml"),
                         QStringLiteral("SundryVars.dat"),
                         QStringLiteral("Definitions.xml"),
                         QStringLiteral("RegServerProxySettings.xml"),
                         QStringLiteral("Temp.log"),
                         QString::fromLatin1(kUpdateLockFileName)};
        // The engine's rollback journals and private copies beside the data
        // files: a journal planted from outside could be played back into a
        // data file, and a copy in the making must be the engine's alone.
        for (const char* data : {"PAF_FULL.dat", "PAF_THOURGHFARE.dat", "PAF_POSTZON.dat"}) {
            list << QString::fromLatin1(data) + QStringLiteral("-journal");
            list << QString::fromLatin1(data) + QStringLiteral("-new");
        }
        for (const char* family : {"Error", "Activity"}) {
            for (int generation = 1; generation <= 5; ++generation)
                list << QString::fromLatin1(family) + QString::number(generation) + QStringLiteral(".log");
        }
        return list;
    }();
    return names;
}

bool IsProgramFileName(const QString& name, const QString& desktopProgram)
{
    if (!desktopProgram.isEmpty() && name.compare(desktopProgram, Qt::CaseInsensitive) == 0)
        return true;
    return ProgramFileNames().contains(name, Qt::CaseInsensitive);
}

} // namespace pafdm
