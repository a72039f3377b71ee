#include "testsupport/ExternalTools.h"

#include "helpers/ExternalTools.h"

#include <QProcess>

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
    return jet::test::MdbToolsAvailable();
}

::testing::AssertionResult JetCheckPasses(const QString& path, const QString& password)
{
    return jet::test::JetCheckPasses(path.toStdString(), password.toStdString());
}

int MdbExportRowCount(const QString& path, const QString& table)
{
    return jet::test::MdbExportRowCount(path.toStdString(), table.toStdString());
}

} // namespace pafdm::test
