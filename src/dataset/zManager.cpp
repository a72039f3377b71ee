#include "dataset/zManager.h"

#include "dataset/DataKind.h"
#include "dataset/JetError.h"
#include "dataset/ZSundryVars.h"
#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/SystemHelpers.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <jet/Database.h>
#include <jet/Recordset.h>

namespace pafdm {

namespace {

constexpr int kErrInvalidUseOfNull = 94;

QString JoinPath(const QString& directory, const QString& fileName)
{
    return directory + QDir::separator() + fileName;
}

// A mount table field with its octal escapes (\040 for a blank) undone.
QString UnescapeMountField(const QString& field)
{
    QString out;
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

zManager::zManager(AppContext& ctx, ZSundryVars& sundry)
    : m_ctx(ctx)
    , m_sundry(sundry)
{ }

Expected<bool> zManager::AreDataFilesInPlace()
{
    bool any = false;
    for (const DataKind& kind : DataKinds()) {
        const Expected<bool> exists = FileExists(m_ctx.DataPath(kind.fileName));
        if (!exists)
            return exists.error();
        any = any || exists.value();
    }
    return any;
}

Expected<QString> zManager::ReadDataDate(const QString& fullPath)
{
    const Expected<bool> exists = FileExists(fullPath);
    if (!exists)
        return exists.error();
    if (!exists.value())
        return QString();

    auto db = jet::Database::Open(ConnectionString(fullPath).toStdString(), "admin", "",
                                  jet::OpenOptions{.readOnly = true, .cachePages = 256});
    if (!db.ok())
        return FromJet(db.status());
    LogRecovery(m_ctx, **db);
    auto rs = jet::Recordset::Open(**db, "SELECT * From [version] WHERE [id]=2;", jet::CursorType::kStatic,
                                   jet::LockType::kReadOnly);
    if (!rs.ok())
        return FromJet(rs.status());
    QString result;
    if (!(*rs)->IsEOF()) {
        auto text = (*rs)->Field("text");
        if (!text.ok())
            return FromJet(text.status());
        if (text->IsNull())
            return Error{kErrInvalidUseOfNull, QStringLiteral("Invalid use of Null")};
        result = QString::fromStdString(text->ToUtf8());
    }
    (void)(*rs)->Close();
    (void)(*db)->Close();
    return result;
}

Expected<QString> zManager::GetLastUpdateFULL(const QString& path)
{
    return ReadDataDate(JoinPath(path, DataKinds()[0].fileName));
}

Expected<QString> zManager::GetLastUpdateStreet(const QString& path)
{
    return ReadDataDate(JoinPath(path, DataKinds()[1].fileName));
}

Expected<QString> zManager::GetLastUpdatePostZon(const QString& path)
{
    return ReadDataDate(JoinPath(path, DataKinds()[2].fileName));
}

QString zManager::GetDataStorageComputerName(const QString& path)
{
    QString name = path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"))
        ? GetUNCComputerName(path)
        : GetDriveName(path);
    if (name.isEmpty())
        name = GetComputerNameText();
    return name.toUpper();
}

QString zManager::GetUNCComputerName(const QString& unc)
{
    if (unc.isEmpty())
        return QString();
    QString rest = unc.mid(2);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QString server = NextField(rest, false, QStringLiteral("\\"));
    const int dot = server.indexOf(QLatin1Char('.'));
    return dot < 0 ? server : server.left(dot);
}

QString zManager::GetDriveName(const QString& path)
{
    // There are no drive letters here: the mount that holds the path names
    // the server when it is a network file system.
    m_ctx.StageMarker = QStringLiteral("zManager:GetDriveName:reading the mount table");
    QFile mounts(m_mountTable);
    if (!mounts.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString bestPoint;
    QString bestSource;
    QString bestType;
    const QStringList lines = QString::fromUtf8(mounts.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        const QString point = UnescapeMountField(fields[1]);
        const bool contains =
            point == QLatin1String("/") || target == point || target.startsWith(point + QLatin1Char('/'));
        if (contains && point.size() >= bestPoint.size()) {
            bestPoint = point;
            bestSource = UnescapeMountField(fields[0]);
            bestType = fields[2];
        }
    }
    if (bestType == QLatin1String("cifs") || bestType == QLatin1String("smb3") || bestType == QLatin1String("smbfs"))
        return GetUNCComputerName(bestSource);
    if (bestType.startsWith(QLatin1String("nfs"))) {
        QString server = bestSource.left(bestSource.indexOf(QLatin1Char(':')));
        if (server.startsWith(QLatin1Char('[')) && server.endsWith(QLatin1Char(']')))
            return server.mid(1, server.size() - 2); // an IPv6 address is a name of its own
        const int dot = server.indexOf(QLatin1Char('.'));
        return dot < 0 ? server : server.left(dot);
    }
    return QString();
}

QString zManager::GetMDACVersion()
{
    return ReadRegistryText(QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("SOFTWARE\\Microsoft\\DataAccess"),
                            QStringLiteral("Version"), QStringLiteral("Not LOADED"));
}

Expected<Done> zManager::GetSummary(const QString& path)
{
    static const char* const kPresence[] = {"  Full PAF data present", "  Thorughfare (Street) PAF data present",
                                            "  PostZon data present"};
    const QString lineEnd = QStringLiteral("\r\n");
    ZSundryVars& sundry = m_sundry;
    QString text;
    QList<QPair<QString, Error>> unreadable;
    for (int i = 0; i < 3; ++i) {
        const DataKind& kind = DataKinds()[i];
        const Expected<bool> exists = FileExists(JoinPath(path, kind.fileName));
        if (!exists)
            return exists.error();
        if (!exists.value())
            continue;
        const Expected<QString> date = i == 0 ? GetLastUpdateFULL(path)
            : i == 1                          ? GetLastUpdateStreet(path)
                                              : GetLastUpdatePostZon(path);
        if (!date) {
            // Named, not hidden: the other files are still summed up, and
            // the state file keeps the date it had for this one.
            const QString file = JoinPath(path, kind.fileName);
            unreadable.append({kind.fileName, date.error()});
            LogError(m_ctx, kind.fileName + QStringLiteral(" cannot be read: ") + date.error().description);
            text += QLatin1String(kPresence[i]) + lineEnd;
            text += QStringLiteral("  ") + kind.fileName + QStringLiteral(" is damaged or unreadable: ")
                + CleanLogText(date.error().description) + lineEnd;
            text += QStringLiteral("  Check it with: pafdm-jet check \"") + file + QStringLiteral("\"") + lineEnd;
            text += QStringLiteral("  ") + lineEnd;
            continue;
        }
        const Expected<Done> recorded = i == 0 ? sundry.SetData_UpdateDate_F(date.value())
            : i == 1                           ? sundry.SetData_UpdateDate_T(date.value())
                                               : sundry.SetData_UpdateDate_Z(date.value());
        if (!recorded)
            return recorded.error();
        const QString& stored = i == 0 ? sundry.Data_UpdateDate_F
            : i == 1                   ? sundry.Data_UpdateDate_T
                                       : sundry.Data_UpdateDate_Z;
        const QDateTime when = DateFromYmd(stored);
        text += QLatin1String(kPresence[i]) + lineEnd;
        text += QStringLiteral("  Last updated:") + m_ctx.locale.toString(when.date(), QStringLiteral("dd MMM yyyy"))
            + lineEnd;
        text += QStringLiteral("  ") + lineEnd;
    }
    DataSummary = text;
    UnreadableFiles = unreadable;
    const QString mdac = GetMDACVersion();
    SystemSummary = QStringLiteral("  MDAC Version:") + mdac + lineEnd + QStringLiteral("  Data is on Machine:")
        + GetDataStorageComputerName(path);
    return Done{};
}

} // namespace pafdm
