#include "CliRunner.h"
#include "cli/Command.h"

#include "testsupport/ExternalTools.h"
#include "testsupport/TempDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <unistd.h>

#include <QLocale>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

class DataCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    int Run(QStringList args) { return RunIn(dir.path(), std::move(args)); }

    int RunIn(const QString& dataDirectory, const QStringList& args)
    {
        return test::RunCliCapturing(QStringList{QStringLiteral("--data-dir"), dataDirectory} + args, outText, errText);
    }

    std::map<QString, QByteArray> Snapshot() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(dir.File(name));
            if (!name.endsWith(QLatin1String(".log")) && file.open(QIODevice::ReadOnly))
                files[name] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
        return files;
    }

    test::TempDir dir;
    QString outText;
    QString errText;
};

TEST_F(DataCommandsTest, StatusShowsEachPresentKindWithItsDate)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    ASSERT_EQ(Run({QStringLiteral("status")}), 0) << errText.toStdString();
    EXPECT_TRUE(outText.contains(QStringLiteral("  Full PAF data present\n  Last updated:01 Feb 2007\n")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Thorughfare")));
    EXPECT_TRUE(outText.contains(QStringLiteral("  PostZon data present\n  Last updated:15 Jan 2007\n")));
    EXPECT_TRUE(outText.contains(QStringLiteral("  MDAC Version:Not LOADED\n  Data is on Machine:")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Waiting to be applied")));

    // What the next update run would apply follows, archives and update
    // databases left without theirs alike.
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.zip"),
                    QStringLiteral("UPDATE_F_20070301.zip"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat"),
                    QStringLiteral("UPDATE_F_20070301.dat"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_T_20070401.dat"),
                    QStringLiteral("UPDATE_T_20070401.dat"));
    ASSERT_EQ(Run({QStringLiteral("status")}), 0) << errText.toStdString();
    EXPECT_TRUE(outText.endsWith(
        QStringLiteral("Waiting to be applied (pafdm-cli apply)\n  UPDATE_F_20070301.zip\n  UPDATE_T_20070401.dat\n")))
        << outText.toStdString();
}

TEST_F(DataCommandsTest, StatusFailureGivesTheErrorAndStatus1)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/edge/PAF_THOURGHFARE_null_version_text.dat"),
                    QStringLiteral("PAF_THOURGHFARE.dat"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    EXPECT_EQ(Run({QStringLiteral("status")}), 1);
    EXPECT_TRUE(errText.contains(QStringLiteral("PAF_THOURGHFARE.dat: error 94: Invalid use of Null")));
    // The sound file is still shown, the unreadable one named.
    EXPECT_TRUE(outText.contains(QStringLiteral("  Full PAF data present\n  Last updated:01 Feb 2007\n")));
    EXPECT_TRUE(outText.contains(QStringLiteral("PAF_THOURGHFARE.dat is damaged or unreadable: Invalid use of Null")));
}

TEST_F(DataCommandsTest, MergeAppliesAnUpdateDatabase)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_THOURGHFARE.dat"), QStringLiteral("PAF_THOURGHFARE.dat"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_T_20070401.dat"),
                    QStringLiteral("UPDATE_T_20070401.dat"));
    ASSERT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              0)
        << outText.toStdString() << errText.toStdString();
    EXPECT_TRUE(outText.contains(QStringLiteral("Merged 300 records")));
    ASSERT_EQ(Run({QStringLiteral("status")}), 0);
    EXPECT_TRUE(outText.contains(QStringLiteral("Last updated:01 Apr 2007")));
}

TEST_F(DataCommandsTest, MergeReportsFailureAndUsage)
{
    // A missing update database is named before anything is opened.
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              2);
    EXPECT_TRUE(
        errText.contains(QStringLiteral("the update database UPDATE_T_20070401.dat is not in the data directory")))
        << errText.toStdString();
    // One that is there but no database fails the merge, with the message.
    QFile junk(dir.File(QStringLiteral("UPDATE_T_20070401.dat")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              1);
    EXPECT_TRUE(errText.contains(QStringLiteral("Please LOG OUT of Ostrel then back in and try again!")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Please LOG OUT")));
    // An update database of another kind names the table it lacks, before
    // the data file is opened.
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_Z_20070401.dat"),
                    QStringLiteral("UPDATE_T_20070401.dat"));
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              2);
    EXPECT_TRUE(errText.contains(dir.File(QStringLiteral("UPDATE_T_20070401.dat"))
                                 + QStringLiteral(" holds no table PAF_StreetAddress")))
        << errText.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("PAF_THOURGHFARE.dat"))));
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("only-one-argument")}), 2);
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("../UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              2);
}

// What would damage the data is refused before anything is opened, with a
// usage error naming the fault, and every file stays as it was.
TEST_F(DataCommandsTest, MergeRefusesWhatWouldDamageTheData)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat"),
                    QStringLiteral("UPDATE_F_20070301.dat"));
    ASSERT_TRUE(QFile::link(dir.File(QStringLiteral("PAF_FULL.dat")), dir.File(QStringLiteral("FULL_COPY.dat"))));
    const auto before = Snapshot();
    const std::vector<std::pair<QStringList, const char*>> refused = {
        {{"UPDATE_F_20070301.dat", "X", "20070301"}, "KIND must be F, T or Z, not 'X'"},
        {{"UPDATE_F_20070301.dat", "f", "20070301"}, "KIND must be F, T or Z"},
        {{"UPDATE_F_20070301.dat", "F", "banana"}, "DATE must be a calendar date yyyymmdd, not 'banana'"},
        {{"UPDATE_F_20070301.dat", "F", "20071399"}, "DATE must be a calendar date"},
        {{"UPDATE_F_20070301.dat", "F", ""}, "DATE must be a calendar date"},
        {{"UPDATE_F_20070301.dat", "F", "2007031"}, "DATE must be a calendar date"},
        {{"UPDATE_F_20070301.dat", "F", "20070201"}, "already holds data of 20070201; DATE 20070201 is not newer"},
        {{"UPDATE_F_20070301.dat", "F", "20061231"}, "is not newer"},
        {{"PAF_FULL.dat", "F", "20070301"}, "PAF_FULL.dat is the data file itself"},
        {{"FULL_COPY.dat", "F", "20070301"}, "FULL_COPY.dat is the data file itself"},
    };
    for (const auto& [args, why] : refused) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(Run(QStringList{QStringLiteral("merge")} + args), 2);
        EXPECT_TRUE(errText.contains(QLatin1String(why))) << errText.toStdString();
        EXPECT_EQ(Snapshot(), before);
    }
    // An older date goes in only when asked for.
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("--force"), QStringLiteral("UPDATE_F_20070301.dat"),
                   QStringLiteral("F"), QStringLiteral("20070115")}),
              0)
        << errText.toStdString();
    ASSERT_EQ(Run({QStringLiteral("status")}), 0);
    EXPECT_TRUE(outText.contains(QStringLiteral("Last updated:15 Jan 2007")));
}

TEST_F(DataCommandsTest, ADataDirectoryThatIsNoneIsAUsageErrorNamingIt)
{
    const QString missing = dir.File(QStringLiteral("no-such-dir"));
    EXPECT_EQ(RunIn(missing, {QStringLiteral("status")}), 2);
    EXPECT_TRUE(
        errText.contains(QStringLiteral("the data directory '") + missing + QStringLiteral("' does not exist")));
    EXPECT_TRUE(outText.isEmpty());
    QFile file(dir.File(QStringLiteral("a-file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(RunIn(file.fileName(), {QStringLiteral("status")}), 2);
    EXPECT_TRUE(errText.contains(QStringLiteral("is not a directory")));
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("a-file/SundryVars.dat"))));
}

TEST_F(DataCommandsTest, MessagesCarryTheBrandsApplicationName)
{
    QFile brand(dir.File(QStringLiteral("Brand.xml")));
    ASSERT_TRUE(brand.open(QIODevice::WriteOnly));
    brand.write("<ApplicationName>Acme Postcodes</ApplicationName>");
    brand.close();
    // An update database that is no database: the merge fails with the message.
    QFile junk(dir.File(QStringLiteral("UPDATE_T_20070401.dat")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              1);
    EXPECT_TRUE(errText.contains(QStringLiteral("[Acme Postcodes] Err : "))) << errText.toStdString();
    QFile log(dir.File(QStringLiteral("Error1.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("\tAcme Postcodes      \t"));
}

// A data directory the user may read but not write: the status fails at once
// naming the state file, instead of retrying for minutes.
TEST_F(DataCommandsTest, AReadOnlyDataDirectoryFailsAtOnceNamingTheFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the command as another user";
    dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(dir.File(QStringLiteral("PAF_POSTZON.dat")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    QElapsedTimer timer;
    timer.start();
    const test::ProcessResult result =
        test::RunProgram(QStringLiteral("/usr/sbin/runuser"),
                         {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"),
                          QStringLiteral(PAFDM_BINARY_DIR "/src/cli/pafdm-cli"), QStringLiteral("--data-dir"),
                          dir.path(), QStringLiteral("status")});
    // A build in a folder only its owner may enter cannot be run as anyone else.
    if (result.err.contains(QStringLiteral("runuser: failed to execute")))
        GTEST_SKIP() << "the build cannot be run as another user here: " << result.err.toStdString();
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(result.exitCode, 1) << result.out.toStdString() << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("error 75: Path/File access error: ")
                                    + QDir::toNativeSeparators(dir.File(QStringLiteral("SundryVars.dat")))))
        << result.err.toStdString();
}

} // namespace
} // namespace pafdm
