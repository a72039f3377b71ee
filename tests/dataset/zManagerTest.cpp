#include "dataset/zManager.h"

#include "dataset/ZSundryVars.h"
#include "support/AppContext.h"
#include "support/SystemHelpers.h"
#include "testsupport/FakeClock.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace pafdm {
namespace {

class zManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        ctx.dataDirectory = dir.path();
        manager().SetMountTablePath(dir.File(QStringLiteral("no-mounts")));
    }

    zManager& manager() { return m_manager; }

    void Install(const QString& fixture, const QString& asName) { dir.CopyFixture(fixture, asName); }
    void InstallDataSet()
    {
        Install(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral("PAF_FULL.dat"));
        Install(QStringLiteral("fixtures/jet4/dataset/PAF_THOURGHFARE.dat"), QStringLiteral("PAF_THOURGHFARE.dat"));
        Install(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    }
    QString ExpectedSystemSummary() const
    {
        return QStringLiteral("  MDAC Version:Not LOADED\r\n  Data is on Machine:") + GetComputerNameText().toUpper();
    }

    test::TempDir dir;
    test::ScriptedOperator ui;
    test::FakeClock clock;
    AppContext ctx{EditionConfig::Quorly(), ui, clock};
    ZSundryVars sundry{ctx};
    zManager m_manager{ctx, sundry};
};

TEST_F(zManagerTest, NoDataFilesMeansNothingInPlaceAndNoDates)
{
    EXPECT_FALSE(manager().AreDataFilesInPlace().value());
    EXPECT_EQ(manager().GetLastUpdateFULL(dir.path()).value(), QString());
    EXPECT_EQ(manager().GetLastUpdateStreet(dir.path()).value(), QString());
    EXPECT_EQ(manager().GetLastUpdatePostZon(dir.path()).value(), QString());

    ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
    EXPECT_EQ(manager().DataSummary, QString());
    EXPECT_EQ(manager().SystemSummary, ExpectedSystemSummary());
}

TEST_F(zManagerTest, ReadsEachKindsDataDate)
{
    InstallDataSet();
    EXPECT_TRUE(manager().AreDataFilesInPlace().value());
    EXPECT_EQ(manager().GetLastUpdateFULL(dir.path()).value(), QStringLiteral("20070201"));
    EXPECT_EQ(manager().GetLastUpdateStreet(dir.path()).value(), QStringLiteral("20070301"));
    EXPECT_EQ(manager().GetLastUpdatePostZon(dir.path()).value(), QStringLiteral("20070115"));
}

TEST_F(zManagerTest, OnlyPostZonPresent)
{
    Install(QStringLiteral("fixtures/jet4/dataset/PAF_POSTZON.dat"), QStringLiteral("PAF_POSTZON.dat"));
    EXPECT_TRUE(manager().AreDataFilesInPlace().value());
    EXPECT_EQ(manager().GetLastUpdateFULL(dir.path()).value(), QString());

    ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
    EXPECT_EQ(manager().DataSummary, QStringLiteral("  PostZon data present\r\n  Last updated:15 Jan 2007\r\n  \r\n"));
}

TEST_F(zManagerTest, SummaryOfAllThreeRecordsTheirDates)
{
    InstallDataSet();
    ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
    EXPECT_EQ(manager().DataSummary,
              QStringLiteral("  Full PAF data present\r\n  Last updated:01 Feb 2007\r\n  \r\n"
                             "  Thorughfare (Street) PAF data present\r\n  Last updated:01 Mar 2007\r\n  \r\n"
                             "  PostZon data present\r\n  Last updated:15 Jan 2007\r\n  \r\n"));
    EXPECT_EQ(manager().SystemSummary, ExpectedSystemSummary());

    ZSundryVars fresh(ctx);
    ASSERT_TRUE(fresh.load(true).ok());
    EXPECT_EQ(fresh.Data_UpdateDate_F, QStringLiteral("20070201"));
    EXPECT_EQ(fresh.Data_UpdateDate_T, QStringLiteral("20070301"));
    EXPECT_EQ(fresh.Data_UpdateDate_Z, QStringLiteral("20070115"));
}

TEST_F(zManagerTest, MissingOrEmptyVersionTextShowsTheZeroDate)
{
    for (const char* fixture :
         {"fixtures/jet4/edge/PAF_FULL_no_version_row2.dat", "fixtures/jet4/edge/PAF_FULL_empty_version_text.dat"}) {
        SCOPED_TRACE(fixture);
        Install(QString::fromLatin1(fixture), QStringLiteral("PAF_FULL.dat"));
        EXPECT_EQ(manager().GetLastUpdateFULL(dir.path()).value(), QString());
        ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
        EXPECT_EQ(manager().DataSummary,
                  QStringLiteral("  Full PAF data present\r\n  Last updated:30 Dec 1899\r\n  \r\n"));
        ZSundryVars fresh(ctx);
        ASSERT_TRUE(fresh.load(true).ok());
        EXPECT_EQ(fresh.Data_UpdateDate_F, QString());
    }
}

// A file whose date cannot be read is named in the summary, with the reason
// and what to do, and logged; the other files are summed up as usual and the
// state file keeps the date it had for it.
TEST_F(zManagerTest, AnUnreadableFileIsNamedAndTheOthersStillShown)
{
    InstallDataSet();
    ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
    EXPECT_TRUE(manager().UnreadableFiles.isEmpty());

    Install(QStringLiteral("fixtures/jet4/edge/PAF_THOURGHFARE_null_version_text.dat"),
            QStringLiteral("PAF_THOURGHFARE.dat"));
    const Expected<QString> date = manager().GetLastUpdateStreet(dir.path());
    ASSERT_FALSE(date.ok());
    EXPECT_EQ(date.error().number, 94);

    ASSERT_TRUE(manager().GetSummary(dir.path()).ok());
    const QString summary = manager().DataSummary;
    EXPECT_TRUE(summary.startsWith(QStringLiteral("  Full PAF data present\r\n  Last updated:01 Feb 2007\r\n  \r\n")))
        << summary.toStdString();
    EXPECT_TRUE(
        summary.contains(QStringLiteral("  Thorughfare (Street) PAF data present\r\n"
                                        "  PAF_THOURGHFARE.dat is damaged or unreadable: Invalid use of Null\r\n"
                                        "  Check it with: pafdm-jet check \"")))
        << summary.toStdString();
    EXPECT_TRUE(summary.endsWith(QStringLiteral("  PostZon data present\r\n  Last updated:15 Jan 2007\r\n  \r\n")));
    ASSERT_EQ(manager().UnreadableFiles.size(), 1);
    EXPECT_EQ(manager().UnreadableFiles[0].first, QStringLiteral("PAF_THOURGHFARE.dat"));
    EXPECT_EQ(manager().UnreadableFiles[0].second.number, 94);
    QFile log(dir.File(QStringLiteral("Error1.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("PAF_THOURGHFARE.dat cannot be read: Invalid use of Null"));
    ZSundryVars fresh(ctx);
    ASSERT_TRUE(fresh.load(true).ok());
    EXPECT_EQ(fresh.Data_UpdateDate_T, QStringLiteral("20070301")) << "the date read before is kept";
}

TEST_F(zManagerTest, DamagedOrForeignFileIsAnError)
{
    QFile file(dir.File(QStringLiteral("PAF_FULL.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    const Expected<QString> date = manager().GetLastUpdateFULL(dir.path());
    ASSERT_FALSE(date.ok());
    EXPECT_FALSE(date.error().description.isEmpty());
}

TEST_F(zManagerTest, HiddenDataFileDoesNotCount)
{
    Install(QStringLiteral("fixtures/jet4/dataset/PAF_FULL.dat"), QStringLiteral(".PAF_FULL.dat"));
    EXPECT_FALSE(manager().AreDataFilesInPlace().value());
}

struct MachineCase {
    const char* mounts;    // mount table content
    const char* directory; // data directory
    const char* expected;  // empty: the local computer name
};

void PrintTo(const MachineCase& c, std::ostream* os)
{
    *os << c.directory;
}

class DataMachineTest : public zManagerTest, public ::testing::WithParamInterface<MachineCase> { };

TEST_P(DataMachineTest, NamesTheMachineHoldingTheData)
{
    const MachineCase& c = GetParam();
    QFile mounts(dir.File(QStringLiteral("mounts")));
    ASSERT_TRUE(mounts.open(QIODevice::WriteOnly));
    mounts.write(c.mounts);
    mounts.close();
    manager().SetMountTablePath(mounts.fileName());
    const QString expected = *c.expected ? QString::fromLatin1(c.expected) : GetComputerNameText().toUpper();
    EXPECT_EQ(manager().GetDataStorageComputerName(QString::fromLatin1(c.directory)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Mounts, DataMachineTest,
    ::testing::Values(MachineCase{"/dev/sda1 / ext4 rw 0 0\n", "/home/op/data", ""},
                      MachineCase{"/dev/sda1 / ext4 rw 0 0\n//fileserver.corp.local/paf /mnt/paf cifs rw 0 0\n",
                                  "/mnt/paf/data", "FILESERVER"},
                      MachineCase{"/dev/sda1 / ext4 rw 0 0\n//nas/paf /mnt/paf cifs rw 0 0\n", "/mnt/pafother", ""},
                      MachineCase{"/dev/sda1 / ext4 rw 0 0\nstore2.example.org:/export/paf /srv/paf nfs4 rw 0 0\n",
                                  "/srv/paf", "STORE2"},
                      MachineCase{"/dev/sda1 / ext4 rw 0 0\n//Box/My\\040Share /mnt/my\\040data cifs rw 0 0\n",
                                  "/mnt/my data/x", "BOX"},
                      MachineCase{"", "\\\\server.dom.local\\share\\paf", "SERVER"},
                      MachineCase{"", "\\\\server", ""}));

} // namespace
} // namespace pafdm
