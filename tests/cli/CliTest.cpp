#include "CliRunner.h"
#include "cli/Command.h"

#include "support/EditionConfig.h"

#include "testsupport/LocalHttpServer.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/TempDir.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <ostream>

namespace pafdm {
namespace {

class CliTest : public ::testing::Test {
protected:
    int Run(const QStringList& args) { return test::RunCliCapturing(args, outText, errText); }

    QString outText;
    QString errText;
};

TEST_F(CliTest, HelpGoesToStandardOutput)
{
    for (const char* option : {"--help", "-h"}) {
        EXPECT_EQ(Run({QString::fromLatin1(option)}), ExitCode::kOk) << option;
        EXPECT_TRUE(outText.startsWith(QStringLiteral("Usage: pafdm-cli"))) << option;
        EXPECT_TRUE(outText.contains(QStringLiteral("--data-dir DIR")));
        EXPECT_TRUE(outText.contains(QStringLiteral("PAFDM_SERVER_URL")));
        EXPECT_TRUE(errText.isEmpty());
    }
}

TEST_F(CliTest, VersionNamesProgramVersionAndEdition)
{
    EXPECT_EQ(Run({QStringLiteral("--version")}), ExitCode::kOk);
    const QString edition = EditionConfig::BuildDefault().editionName;
    EXPECT_EQ(outText, QStringLiteral("pafdm-cli 2.3.0 (") + edition + QStringLiteral(" edition)\n"));
    EXPECT_TRUE(errText.isEmpty());
}

struct UsageCase {
    const char* name;
    QStringList args;
    QString errorText;
};

// Cases print as their names.
void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliUsageTest : public CliTest, public ::testing::WithParamInterface<UsageCase> { };

TEST_P(CliUsageTest, UsageErrorsExitWithTwoAndSayWhy)
{
    EXPECT_EQ(Run(GetParam().args), ExitCode::kUsage);
    EXPECT_TRUE(errText.contains(GetParam().errorText)) << errText.toStdString();
    EXPECT_TRUE(outText.isEmpty()) << outText.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliUsageTest,
    ::testing::Values(UsageCase{"NoCommand", {}, "Usage: pafdm-cli"},
                      UsageCase{"OnlyDataDir", {"--data-dir", "/tmp"}, "Usage: pafdm-cli"},
                      UsageCase{"DataDirWithoutValue", {"--data-dir"}, "--data-dir needs a directory"},
                      UsageCase{"UnknownCommand", {"frobnicate"}, "unknown command 'frobnicate'"},
                      UsageCase{"UnknownOption", {"--frobnicate"}, "unknown command '--frobnicate'"}),
    [](const auto& info) { return std::string(info.param.name); });

// The real executable, as a user or script runs it.
class CliBinaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureCoreApplication();
        if (!QFileInfo(kBinary).isExecutable())
            FAIL() << "pafdm-cli not built at " << kBinary.toStdString();
    }

    int RunBinary(const QStringList& args)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(kBinary, args);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        out = process.readAllStandardOutput();
        err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    const QString kBinary = QStringLiteral(PAFDM_BINARY_DIR "/src/cli/pafdm-cli");
    test::TempDir dir;
    QByteArray out;
    QByteArray err;
};

TEST_F(CliBinaryTest, VersionAndHelpExitZero)
{
    EXPECT_EQ(RunBinary({QStringLiteral("--version")}), 0);
    EXPECT_TRUE(out.startsWith("pafdm-cli 2.3.0 (")) << out.toStdString();
    EXPECT_EQ(RunBinary({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(out.startsWith("Usage: pafdm-cli")) << out.toStdString();
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(CliBinaryTest, UsageErrorsExitTwo)
{
    EXPECT_EQ(RunBinary({}), 2);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.startsWith("Usage: pafdm-cli"));
    EXPECT_EQ(RunBinary({QStringLiteral("no-such-command")}), 2);
}

} // namespace
} // namespace pafdm
