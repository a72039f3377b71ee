#include "shell/DataDirectory.h"

#include "dataset/DataKind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pafdm {

namespace {

// Larger than any settings file of ours; anything bigger is not one.
constexpr qint64 kConfigFileLimit = 64 * 1024;

QString Unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool IsDirectory(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

DevelopmentSettings DevelopmentSettings::Platform()
{
#if defined(Q_OS_WIN)
    return DevelopmentSettings{QStringLiteral("c:\\ThisIsAdevMachine.flg"), QStringLiteral("d:\\paf")};
#else
    return DevelopmentSettings{};
#endif
}

bool HoldsDataSet(const QString& directory)
{
    const QDir dir(directory);
    if (QFileInfo(dir.filePath(QStringLiteral("Brand.xml"))).isFile())
        return true;
    for (const DataKind& kind : DataKinds()) {
        if (QFileInfo(dir.filePath(kind.fileName)).isFile())
            return true;
    }
    return false;
}

QString ConfiguredDataDirectory(const QString& configFile)
{
    QFile file(configFile);
    if (file.size() > kConfigFileLimit || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString key = QStringLiteral("PAFDM_DATA_DIR=");
    QString found;
    for (const QString& line : QString::fromUtf8(file.read(kConfigFileLimit)).split(QLatin1Char('\n'))) {
        QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("export ")))
            trimmed = trimmed.mid(7).trimmed();
        if (trimmed.startsWith(key))
            found = Unquoted(trimmed.mid(key.size())); // the last one counts, as in the shell
    }
    return found;
}

QString ResolveDataDirectory(const DataDirectorySources& sources)
{
    if (!sources.named.isEmpty())
        return QDir::cleanPath(QDir(sources.named).absolutePath());
    const QString current = QDir::cleanPath(sources.currentDirectory);
    if (HoldsDataSet(current))
        return current;
    if (QFileInfo::exists(sources.development.flagFile))
        return sources.development.dataDirectory;
    if (const QString configured = ConfiguredDataDirectory(sources.configFile); IsDirectory(configured))
        return QDir::cleanPath(configured);
    if (IsDirectory(sources.remembered))
        return QDir::cleanPath(sources.remembered);
    return current;
}

} // namespace pafdm
