#include "cli/Command.h"

#include "testsupport/TempDir.h"

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

    int Run(QStringList args)
    {
        outText.clear();
        errText.clear();
        QTextStream out(&outText);
        QTextStream err(&errText);
        QString none;
        QTextStream in(&none);
        CliIo io{out, err, in, false};
        args.prepend(dir.path());
        args.prepend(QStringLiteral("--data-dir"));
        const int code = RunCli(args, io);
        out.flush();
        err.flush();
        return code;
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
}

TEST_F(DataCommandsTest, StatusFailureGivesTheErrorAndStatus1)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/edge/PAF_THOURGHFARE_null_version_text.dat"),
                    QStringLiteral("PAF_THOURGHFARE.dat"));
    EXPECT_EQ(Run({QStringLiteral("status")}), 1);
    EXPECT_TRUE(errText.contains(QStringLiteral("error 94: Invalid use of Null")));
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
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              1);
    EXPECT_TRUE(errText.contains(QStringLiteral("Please LOG OUT of Ostrel then back in and try again!")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Please LOG OUT")));
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("only-one-argument")}), 2);
    EXPECT_EQ(Run({QStringLiteral("merge"), QStringLiteral("../UPDATE_T_20070401.dat"), QStringLiteral("T"),
                   QStringLiteral("20070401")}),
              2);
}

} // namespace
} // namespace pafdm
