#include "JetTestSupport.h"

#include "testsupport/TempDir.h"

#include <jet/Diagnostics.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <fstream>
#include <iterator>

namespace pafdm::test {

std::string FixtureFile::Name() const
{
    std::string name;
    for (char c : relative.substr(relative.find('/') + 1))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

void PrintTo(const FixtureFile& f, std::ostream* os)
{
    *os << f.relative;
}

std::string FixtureFilePath(const std::string& relative)
{
    return FixturePath(QString::fromStdString(relative)).toStdString();
}

std::vector<FixtureFile> DumpedFixtures()
{
    std::vector<FixtureFile> files;
    const QDir access(FixturePath(QStringLiteral("fixtures/access2000")));
    for (const QString& name : access.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
        const std::string n = name.toStdString();
        files.push_back({"fixtures/access2000/" + n, "", "fixtures/access2000/expected/" + n + ".jsonl"});
    }
    for (const char* folder : {"dataset", "edge", "updates", "format"}) {
        const QDir dir(FixturePath(QStringLiteral("fixtures/jet4/") + folder));
        for (const QString& name :
             dir.entryList({QStringLiteral("*.dat"), QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
            const std::string rel = std::string(folder) + "/" + name.toStdString();
            files.push_back({"fixtures/jet4/" + rel, "tallowmere", "fixtures/jet4/expected/" + rel + ".jsonl"});
        }
    }
    return files;
}

std::vector<FixtureFile> AllFixtureDatabases()
{
    std::vector<FixtureFile> files = DumpedFixtures();
    const QDir samples(FixturePath(QStringLiteral("jet4/samples")));
    for (const QString& name : samples.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
        const std::string n = name.toStdString();
        const bool protectedFile = n.find("with-password") != std::string::npos;
        files.push_back({"jet4/samples/" + n, protectedFile ? "password" : "", ""});
    }
    return files;
}

std::vector<QString> ExpectedTables(const std::string& jsonlRelative)
{
    std::vector<QString> tables;
    QFile file(FixturePath(QString::fromStdString(jsonlRelative)));
    if (!file.open(QIODevice::ReadOnly))
        return tables;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QString table = QJsonDocument::fromJson(line).object().value(QStringLiteral("table")).toString();
        if (std::find(tables.begin(), tables.end(), table) == tables.end())
            tables.push_back(table);
    }
    return tables;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace pafdm::test
