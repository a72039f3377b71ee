#include "dataset/ZSundryVars.h"

#include "support/AppContext.h"

#include "testsupport/FakeClock.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

using test::FakeClock;
using test::ScriptedOperator;
using test::TempDir;

class ZSundryVarsTest : public ::testing::Test {
protected:
    ZSundryVarsTest()
        : ctx(EditionConfig::Vell(), op, clock)
    {
        ctx.dataDirectory = dir.path();
    }

    void PutState(const QByteArray& bytes)
    {
        QFile file(dir.File("SundryVars.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray State() const
    {
        QFile file(dir.File("SundryVars.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static QByteArray Content(const char* f, const char* t, const char* z)
    {
        return QByteArray("<Data_UpdateDate_F>") + f + "</Data_UpdateDate_F>\r\n<Data_UpdateDate_T>" + t
            + "</Data_UpdateDate_T>\r\n<Data_UpdateDate_Z>" + z + "</Data_UpdateDate_Z>\r\n";
    }

    TempDir dir;
    ScriptedOperator op;
    FakeClock clock;
    AppContext ctx;
};

TEST_F(ZSundryVarsTest, NoFileLoadsNothingAndCostsNoRetries)
{
    ZSundryVars vars(ctx);
    const Expected<bool> loaded = vars.load(false);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded.value());
    EXPECT_TRUE(vars.Data_UpdateDate_F.isEmpty() && vars.Data_UpdateDate_T.isEmpty()
                && vars.Data_UpdateDate_Z.isEmpty());
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(ZSundryVarsTest, FirstSetterCreatesTheFileWithOneValue)
{
    ZSundryVars vars(ctx);
    ASSERT_TRUE(vars.SetData_UpdateDate_T(QStringLiteral("20070401")).ok());
    EXPECT_EQ(State(), Content("", "20070401", "") + "\r\n");
    EXPECT_EQ(vars.Data_UpdateDate_T, QStringLiteral("20070401"));
}

TEST_F(ZSundryVarsTest, AbsentElementsReadAsEmpty)
{
    PutState("<Data_UpdateDate_F>20070301</Data_UpdateDate_F>\r\n");
    ZSundryVars vars(ctx);
    vars.Data_UpdateDate_T = QStringLiteral("stale");
    ASSERT_TRUE(vars.load(false).ok());
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("20070301"));
    EXPECT_EQ(vars.Data_UpdateDate_T, QString());
    EXPECT_EQ(vars.Data_UpdateDate_Z, QString());
}

TEST_F(ZSundryVarsTest, EmptyFileKeepsValuesAndIsReadAgain)
{
    PutState("");
    ZSundryVars vars(ctx);
    vars.Data_UpdateDate_F = QStringLiteral("kept");
    ASSERT_TRUE(vars.load(false).ok());
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("kept"));
    PutState(Content("1", "2", "3"));
    ASSERT_TRUE(vars.load(false).ok());
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("1"));
}

TEST_F(ZSundryVarsTest, SecondLoadWithoutForReadDoesNotRead)
{
    PutState(Content("1", "2", "3"));
    ZSundryVars vars(ctx);
    ASSERT_TRUE(vars.load(false).ok());
    PutState(Content("9", "9", "9"));
    ASSERT_TRUE(vars.load(false).ok());
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("1"));
    ASSERT_TRUE(vars.load(true).ok());
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("9"));
}

TEST_F(ZSundryVarsTest, SaveMakesTheNextLoadReadAgain)
{
    PutState(Content("1", "2", "3"));
    ZSundryVars vars(ctx);
    ASSERT_TRUE(vars.load(false).ok());
    ASSERT_TRUE(vars.save().ok());
    PutState(Content("7", "8", "9"));
    ASSERT_TRUE(vars.load(false).ok());
    EXPECT_EQ(vars.Data_UpdateDate_Z, QStringLiteral("9"));
}

TEST_F(ZSundryVarsTest, SetterKeepsWhatTheFileHoldsNowForTheOtherKinds)
{
    PutState(Content("20070101", "20070101", "20070101"));
    ZSundryVars vars(ctx);
    ASSERT_TRUE(vars.load(false).ok());
    // Another program (or another instance) changes the file meanwhile.
    PutState(Content("20070301", "20070401", "20070101"));
    ASSERT_TRUE(vars.SetData_UpdateDate_Z(QStringLiteral("20070501")).ok());
    EXPECT_EQ(State(), Content("20070301", "20070401", "20070501") + "\r\n");
    EXPECT_EQ(vars.Data_UpdateDate_F, QStringLiteral("20070301"));
}

TEST_F(ZSundryVarsTest, WriteFailureReachesTheSetterCaller)
{
    // A directory in the file's place counts as no file for load, and cannot be replaced by a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("SundryVars.dat"));
    ZSundryVars vars(ctx);
    const Expected<Done> set = vars.SetData_UpdateDate_F(QStringLiteral("20070320"));
    ASSERT_FALSE(set.ok());
    EXPECT_NE(set.error().number, 0);
    EXPECT_TRUE(QFileInfo(dir.File("SundryVars.dat")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(ZSundryVarsTest, TheStateFileLivesInTheDataDirectory)
{
    ZSundryVars vars(ctx);
    ASSERT_TRUE(vars.SetData_UpdateDate_F(QStringLiteral("20070320")).ok());
    ZSundryVars again(ctx);
    ASSERT_TRUE(again.load(true).ok());
    EXPECT_EQ(again.Data_UpdateDate_F, QStringLiteral("20070320"));
    EXPECT_EQ(vars.FilePath(), ctx.DataPath(QStringLiteral("SundryVars.dat")));
}

} // namespace
} // namespace pafdm
