#include "testsupport/ExternalTools.h"

#include <QProcess>
#include <QStandardPaths>

namespace pafdm::test {

ProcessResult RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForStarted(10000)) {
        result.err = QStringLiteral("cannot start ") + program;
        return result;
    }
    process.waitForFinished(120000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString JetToolPath()
{
    return QStringLiteral(PAFDM_JET_TOOL);
}

bool MdbToolsAvailable()
{
    const bool present = !QStandardPaths::findExecutable(QStringLiteral("mdb-export")).isEmpty();
    if (!present && qEnvironmentVariableIsSet("CI"))
        ADD_FAILURE() << "mdbtools (mdb-export) not installed";
    return present;
}

::testing::AssertionResult JetCheckPasses(const QString& path, const QString& password)
{
    const ProcessResult result =
        RunProgram(JetToolPath(), {QStringLiteral("check"), path, QStringLiteral("--password"), password});
    if (result.exitCode == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pafdm-jet check exit " << result.exitCode << "\n"
                                         << result.out.toStdString() << result.err.toStdString();
}

int MdbExportRowCount(const QString& path, const QString& table)
{
    const ProcessResult result = RunProgram(QStringLiteral("mdb-export"), {path, table});
    if (result.exitCode != 0)
        return -1;
    // Quoted values may hold line breaks: count record ends outside quotes.
    int records = 0;
    bool quoted = false;
    bool any = false;
    for (const QChar c : result.out) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char('\n') && !quoted) {
            ++records;
            any = false;
        } else {
            any = true;
        }
    }
    if (any)
        ++records;
    return records - 1;
}

} // namespace pafdm::test
