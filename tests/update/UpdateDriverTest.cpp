#include "update/ZUpdateData.h"

#include "dataset/ZSundryVars.h"
#include "dataset/zManager.h"
#include "net/frmInternetAccessForm.h"
#include "net/zInternet.h"
#include "support/AppContext.h"
#include "support/ProgramFiles.h"
#include "testsupport/ExternalTools.h"
#include "testsupport/JetDump.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"
#include "update/UpdateLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <map>
#include <memory>

namespace pafdm {
namespace {

using test::LocalHttpServer;
using Reply = LocalHttpServer::Reply;

const QString kTitle = QStringLiteral("Quorly Postcode:Update Postcode Address Data");
const QString kCrLf = QStringLiteral("\r\n");

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A member of an archive the tests write: its stored name and content, or a
// symbolic link to `target`.
struct Member {
    QByteArray name;
    QByteArray data;
    bool symlink = false;
};

void WriteArchive(const QString& path, const std::vector<Member>& members)
{
    int code = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(za, nullptr) << code;
    for (const Member& m : members) {
        zip_source_t* source = zip_source_buffer(za, m.data.constData(), zip_uint64_t(m.data.size()), 0);
        const zip_int64_t index = zip_file_add(za, m.name.constData(), source, ZIP_FL_ENC_RAW);
        ASSERT_GE(index, 0) << zip_strerror(za);
        if (m.symlink)
            zip_file_set_external_attributes(za, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    }
    ASSERT_EQ(zip_close(za), 0);
}

// A Quorly context on a data directory below a folder of its own (so a test
// can see that nothing appears beside the data directory), with the fixture
// data set and a local update service.
class UpdateDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        test::EnsureCoreApplication();
        ASSERT_TRUE(QDir().mkpath(data));
        ctx.dataDirectory = data;
        ctx.brand.applicationName = QStringLiteral("Quorly Postcode");
        ctx.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        internet.ServerURL = server.BaseUrl();
        transfers.settings.proxyDirectory = data;
    }

    // The three data files: F 20070201, T 20070301, Z 20070115.
    void InstallDataSet(bool withPostZon = true)
    {
        for (const char* name : {"PAF_FULL.dat", "PAF_THOURGHFARE.dat", "PAF_POSTZON.dat"}) {
            if (!withPostZon && QLatin1String(name) == QLatin1String("PAF_POSTZON.dat"))
                continue;
            ASSERT_TRUE(QFile::copy(test::FixturePath(QStringLiteral("fixtures/jet4/dataset/") + name), Path(name)));
            QFile::setPermissions(Path(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }

    // A fixture archive (UPDATE_F_20070301.zip, UPDATE_T_20070401.zip, UPDATE_Z_20070401.zip).
    void AddFixtureArchive(const QString& name)
    {
        ASSERT_TRUE(QFile::copy(test::FixturePath(QStringLiteral("fixtures/jet4/updates/") + name), Path(name)));
    }

    // An archive `archiveName` holding the fixture update database of
    // `fixtureDat` as `memberName`.
    void AddArchiveOf(const QString& archiveName, const QString& fixtureDat, const QString& memberName)
    {
        WriteArchive(Path(archiveName),
                     {{memberName.toUtf8(),
                       ReadBytes(test::FixturePath(QStringLiteral("fixtures/jet4/updates/") + fixtureDat))}});
    }

    Expected<UpdateOutcome> Run(bool applyUpdatesInDirectory)
    {
        return UpdateData(ctx, manager, internet, true, ctx.brand.applicationName, data, applyUpdatesInDirectory);
    }

    QString Path(const QString& name) const { return data + QStringLiteral("/") + name; }

    QStringList Prompts() const
    {
        QStringList prompts;
        for (const auto& m : ui.messages)
            prompts << m.prompt;
        return prompts;
    }

    QStringList UpdateFiles() const
    {
        return QDir(data).entryList(QStringList{QStringLiteral("UPDATE_*")}, QDir::Files | QDir::Hidden);
    }

    // Every file of the enclosing folder, the data directory's included, with
    // a hash of its content; the logs are left out.
    std::map<QString, QByteArray> Snapshot() const
    {
        std::map<QString, QByteArray> files;
        QDir base(root.path());
        for (const QString& name : QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            files[name] = {};
        for (const QString& name : QDir(data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (!name.endsWith(QLatin1String(".log")))
                files[QStringLiteral("data/") + name] =
                    QCryptographicHash::hash(ReadBytes(Path(name)), QCryptographicHash::Sha256);
        }
        return files;
    }

    QString DataDate(int kind)
    {
        const Expected<QString> date = kind == 0 ? manager.GetLastUpdateFULL(data)
            : kind == 1                          ? manager.GetLastUpdateStreet(data)
                                                 : manager.GetLastUpdatePostZon(data);
        return date ? date.value() : QStringLiteral("<error>");
    }

    QString ActivityLog() const { return QString::fromUtf8(ReadBytes(Path(QStringLiteral("Activity1.log")))); }

    // The merged file reads as the independent engine's merge, and both our
    // checker and mdbtools accept it.
    void ExpectMergedAsExpected(const QString& dataFile, const QString& table, const QString& expected)
    {
        const auto rows = test::ReadTableRows(Path(dataFile), QStringLiteral("tallowmere"), table);
        const auto wanted = test::ReadExpectedRows(
            test::FixturePath(QStringLiteral("fixtures/jet4/expected/merged/") + expected), table);
        EXPECT_EQ(rows.size(), wanted.size());
        EXPECT_TRUE(rows == wanted) << dataFile.toStdString() << " differs from " << expected.toStdString();
        EXPECT_TRUE(test::JetCheckPasses(Path(dataFile), QStringLiteral("tallowmere")));
        if (test::MdbToolsAvailable()) {
            EXPECT_EQ(test::MdbExportRowCount(Path(dataFile), table), static_cast<int>(wanted.size()));
        }
    }

    test::TempDir root;
    const QString data = root.File(QStringLiteral("data"));
    LocalHttpServer server;
    test::ScriptedOperator ui;
    // Real time: the transfers wait on the network.
    Clock clock;
    AppContext ctx{EditionConfig::Quorly(), ui, clock};
    ZSundryVars sundry{ctx};
    zManager manager{ctx, sundry};
    Transfers transfers;
    zInternet internet{ctx, transfers};
};

TEST_F(UpdateDriverTest, AppliesAWaitingArchiveWithoutAskingOrDownloading)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    ui.sources.push_back(UpdateSource::kInternet); // must stay unasked

    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.value().Failed());
    EXPECT_EQ(outcome.value().applied, 1);
    EXPECT_EQ(ui.sources.size(), 1u);
    EXPECT_TRUE(server.requests.empty());

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              QStringLiteral("Files applied:1 ok ") + kCrLf + kCrLf + QStringLiteral("Full PAF 01 Mar 2007 300 records")
                  + kCrLf);
    EXPECT_EQ(ui.messages[0].style, 64);
    EXPECT_EQ(ui.messages[0].title, kTitle);
    EXPECT_FALSE(ui.messages[0].topMost);

    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
    EXPECT_EQ(DataDate(0), QStringLiteral("20070301"));
    EXPECT_EQ(DataDate(1), QStringLiteral("20070301"));
    ExpectMergedAsExpected(QStringLiteral("PAF_FULL.dat"), QStringLiteral("PAF_FULLAddress"),
                           QStringLiteral("PAF_FULL.dat+UPDATE_F_20070301.dat.jsonl"));

    EXPECT_EQ(ui.captions.value(0), QStringLiteral("Apply changes"));
    EXPECT_TRUE(ui.captions.contains(QStringLiteral("Apply changes:UPDATE_F_20070301.zip 1/1")));
    EXPECT_TRUE(ui.labels.contains(QStringLiteral("Unziping file:UPDATE_F_20070301.zip")));
    EXPECT_TRUE(ui.labels.contains(QStringLiteral("Processing record:300 of 300")));
    EXPECT_TRUE(ui.progressTopMost);
    EXPECT_FALSE(ui.progressVisible);
    EXPECT_EQ(ui.archiveWindows, std::vector<bool>{false});
    EXPECT_EQ(ui.archiveProgress,
              (QStringList{QStringLiteral("Opening ") + Path("UPDATE_F_20070301.zip"),
                           QStringLiteral("Extracting ") + Path("UPDATE_F_20070301.zip")}));
    EXPECT_EQ(ctx.StageMarker, QStringLiteral("Update:Stage 13"));

    const QString log = ActivityLog();
    for (const char* line : {"Processing file UPDATE_F_20070301.zip", "Data files contains 300 records",
                             "Applied:Full PAF 01 Mar 2007 300 records", "Files applied:1 ok\t"}) {
        EXPECT_TRUE(log.contains(QLatin1String(line))) << line;
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QString::fromLatin1(kUpdateLockFileName)))) << "the lock is given up";
}

TEST_F(UpdateDriverTest, CancelTouchesNothingAndSaysNothing)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    const auto before = Snapshot();
    ui.sources.push_back(UpdateSource::kCancel);

    const Expected<UpdateOutcome> outcome = Run(false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value().cancelled);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.captions.isEmpty());
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UpdateDriverTest, ArchivesNotNewerOrWithoutADataFileCountAsAppliedUnmerged)
{
    InstallDataSet(/*withPostZon=*/false);
    // The full address file already carries this date; there is no PostZon file.
    AddArchiveOf(QStringLiteral("UPDATE_F_20070201.zip"), QStringLiteral("UPDATE_F_20070301.dat"),
                 QStringLiteral("UPDATE_F_20070201.dat"));
    AddFixtureArchive(QStringLiteral("UPDATE_Z_20070401.zip"));
    const QByteArray full = ReadBytes(Path(QStringLiteral("PAF_FULL.dat")));

    ASSERT_TRUE(Run(true).ok());
    EXPECT_EQ(Prompts(),
              QStringList{QStringLiteral("Files applied:2 ok ") + kCrLf + kCrLf
                          + QStringLiteral("Full PAF 01 Feb 2007 0 records") + kCrLf
                          + QStringLiteral("PostZon Data 01 Apr 2007 0 records") + kCrLf});
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("PAF_FULL.dat"))), full);
    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("PAF_POSTZON.dat"))));
}

TEST_F(UpdateDriverTest, ArchivesOfOneKindMergeOldestFirstWhateverTheLetterCase)
{
    InstallDataSet();
    // Name order puts 0301 first although the directory may list 0401 first;
    // the upper-case extension is applied like any other.
    AddArchiveOf(QStringLiteral("UPDATE_F_20070401.zip"), QStringLiteral("UPDATE_F_20070301.dat"),
                 QStringLiteral("UPDATE_F_20070401.dat"));
    AddArchiveOf(QStringLiteral("UPDATE_F_20070301.ZIP"), QStringLiteral("UPDATE_F_20070301.dat"),
                 QStringLiteral("UPDATE_F_20070301.dat"));

    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().applied, 2);
    EXPECT_EQ(Prompts(),
              QStringList{QStringLiteral("Files applied:2 ok ") + kCrLf + kCrLf
                          + QStringLiteral("Full PAF 01 Mar 2007 300 records") + kCrLf
                          + QStringLiteral("Full PAF 01 Apr 2007 300 records") + kCrLf});
    EXPECT_EQ(DataDate(0), QStringLiteral("20070401"));
    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
    const QString log = ActivityLog();
    EXPECT_LT(log.indexOf(QLatin1String("Processing file UPDATE_F_20070301.ZIP")),
              log.indexOf(QLatin1String("Processing file UPDATE_F_20070401.zip")));
    // The same rows twice give the rows of one merge.
    ExpectMergedAsExpected(QStringLiteral("PAF_FULL.dat"), QStringLiteral("PAF_FULLAddress"),
                           QStringLiteral("PAF_FULL.dat+UPDATE_F_20070301.dat.jsonl"));
}

// A run stopped after unpacking leaves an update database without its
// archive: the next run merges it with the archives, in name order, and
// deletes it once merged; one not newer than the data goes unmerged.
TEST_F(UpdateDriverTest, UpdateDatabasesLeftWithoutTheirArchiveAreAppliedInNameOrder)
{
    InstallDataSet();
    ASSERT_TRUE(QFile::copy(test::FixturePath(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat")),
                            Path(QStringLiteral("UPDATE_F_20070301.dat"))));
    AddArchiveOf(QStringLiteral("UPDATE_F_20070401.zip"), QStringLiteral("UPDATE_F_20070301.dat"),
                 QStringLiteral("UPDATE_F_20070401.dat"));
    // Older than the thoroughfare data (20070301): not merged, but removed.
    ASSERT_TRUE(QFile::copy(test::FixturePath(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat")),
                            Path(QStringLiteral("UPDATE_T_20070201.dat"))));
    EXPECT_TRUE(AreUpdatesPresent(data));

    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.value().Failed());
    EXPECT_EQ(outcome.value().archives, 3);
    EXPECT_EQ(DataDate(0), QStringLiteral("20070401"));
    EXPECT_EQ(DataDate(1), QStringLiteral("20070301"));
    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
    EXPECT_FALSE(AreUpdatesPresent(data));
    const QString log = ActivityLog();
    EXPECT_TRUE(log.contains(QLatin1String("Resuming the update database UPDATE_F_20070301.dat")));
    EXPECT_LT(log.indexOf(QLatin1String("Processing file UPDATE_F_20070301.dat")),
              log.indexOf(QLatin1String("Processing file UPDATE_F_20070401.zip")));
    EXPECT_FALSE(ui.labels.contains(QStringLiteral("Unziping file:UPDATE_F_20070301.dat")));
    ExpectMergedAsExpected(QStringLiteral("PAF_FULL.dat"), QStringLiteral("PAF_FULLAddress"),
                           QStringLiteral("PAF_FULL.dat+UPDATE_F_20070301.dat.jsonl"));
}

// A stop in the middle of a merge: the merge is dropped whole, nothing more
// is applied, the operator is told what is left, and the next run does it.
TEST_F(UpdateDriverTest, AStopAbandonsTheMergeInProgressAndTheNextRunResumes)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    AddFixtureArchive(QStringLiteral("UPDATE_T_20070401.zip"));
    const QByteArray before = ReadBytes(Path(QStringLiteral("PAF_FULL.dat")));
    ui.stopOnLabel = QStringLiteral("Processing record:150 of 300");

    const Expected<UpdateOutcome> stopped = Run(true);
    ASSERT_TRUE(stopped.ok());
    EXPECT_TRUE(stopped.value().stopped);
    EXPECT_EQ(stopped.value().applied, 0);
    EXPECT_EQ(stopped.value().failed, 0) << "a stop is no failure of the archive";
    EXPECT_EQ(stopped.value().left,
              (QStringList{QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("UPDATE_T_20070401.zip")}));
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("PAF_FULL.dat"))), before) << "the data file is exactly as it was";
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("PAF_FULL.dat-new"))));
    EXPECT_EQ(DataDate(1), QStringLiteral("20070301")) << "nothing after the stop is applied";
    EXPECT_EQ(UpdateFiles(),
              (QStringList{QStringLiteral("UPDATE_F_20070301.dat"), QStringLiteral("UPDATE_T_20070401.zip")}));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().prompt,
              QStringLiteral("Update stopped: 0 applied, left for the next run: "
                             "UPDATE_F_20070301.dat, UPDATE_T_20070401.zip"));
    const QString log = ActivityLog();
    EXPECT_TRUE(
        log.contains(QLatin1String("Stopped during the merge of UPDATE_F_20070301.dat: the data file is as it was")));
    EXPECT_FALSE(log.contains(QLatin1String("Failed to apply")));

    ui.stopOnLabel.clear();
    ui.stopped = false;
    const Expected<UpdateOutcome> resumed = Run(true);
    ASSERT_TRUE(resumed.ok());
    EXPECT_FALSE(resumed.value().Failed());
    EXPECT_EQ(resumed.value().applied, 2);
    EXPECT_EQ(DataDate(0), QStringLiteral("20070301"));
    EXPECT_EQ(DataDate(1), QStringLiteral("20070401"));
    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
}

TEST_F(UpdateDriverTest, OneFailedMergeOfThreeIsReportedAndTheOthersApplied)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    AddFixtureArchive(QStringLiteral("UPDATE_T_20070401.zip"));
    WriteArchive(Path(QStringLiteral("UPDATE_Z_20070401.zip")), {{"UPDATE_Z_20070401.dat", QByteArray(8192, 'x')}});
    const QByteArray postZon = ReadBytes(Path(QStringLiteral("PAF_POSTZON.dat")));

    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().applied, 2);
    EXPECT_EQ(outcome.value().failed, 1);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_TRUE(ui.messages[0].prompt.startsWith(QStringLiteral("Err : ")));
    EXPECT_TRUE(ui.messages[0].prompt.contains(
        QStringLiteral("At position : Update:UpdateData:Stage 3 Opening update file with ADO")));
    EXPECT_TRUE(ui.messages[0].topMost);
    EXPECT_EQ(ui.messages[1].prompt, QStringLiteral("Failed to apply:1, please try again later "));
    EXPECT_EQ(ui.messages[1].style, 16);
    EXPECT_EQ(ui.messages[1].title, kTitle);
    EXPECT_EQ(ui.messages[2].prompt,
              QStringLiteral("Files applied:2 ok ") + kCrLf + kCrLf + QStringLiteral("Full PAF 01 Mar 2007 300 records")
                  + kCrLf + QStringLiteral("Thourghfare PAF 01 Apr 2007 300 records") + kCrLf);
    // The failed update database stays for another try; its data file is untouched.
    EXPECT_EQ(UpdateFiles(), QStringList{QStringLiteral("UPDATE_Z_20070401.dat")});
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("PAF_POSTZON.dat"))), postZon);
    EXPECT_EQ(DataDate(1), QStringLiteral("20070401"));
    EXPECT_EQ(DataDate(2), QStringLiteral("20070115"));
    EXPECT_TRUE(ActivityLog().contains(QLatin1String("Failed to apply UPDATE_Z_20070401.zip")));
    EXPECT_TRUE(ActivityLog().contains(QLatin1String("Failed to apply:1, please try again later\t")));
    ExpectMergedAsExpected(QStringLiteral("PAF_THOURGHFARE.dat"), QStringLiteral("PAF_StreetAddress"),
                           QStringLiteral("PAF_THOURGHFARE.dat+UPDATE_T_20070401.dat.jsonl"));
}

TEST_F(UpdateDriverTest, WhenEveryMergeFailsNothingIsReportedApplied)
{
    InstallDataSet();
    WriteArchive(Path(QStringLiteral("UPDATE_Z_20070401.zip")), {{"UPDATE_Z_20070401.dat", QByteArray(100, 'x')}});
    ASSERT_TRUE(Run(true).ok());
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].prompt, QStringLiteral("Failed to apply:1, please try again later "));
    EXPECT_EQ(ui.messages[2].prompt, QStringLiteral("No updates to apply!"));
}

TEST_F(UpdateDriverTest, NothingToApplyShowsTheWindowAndSaysSo)
{
    InstallDataSet();
    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.value().Failed());
    EXPECT_EQ(ui.captions, QStringList{QStringLiteral("Apply changes")});
    EXPECT_FALSE(ui.progressVisible);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, QStringLiteral("No updates to apply!"));
    EXPECT_EQ(ui.messages[0].style, 64);
}

TEST_F(UpdateDriverTest, DownloadsTheListedUpdateThenAppliesIt)
{
    InstallDataSet();
    const QString url = server.BaseUrl() + QStringLiteral("/files/UPDATE_Z_20070401.zip");
    server.Route("/xmlservice/UpdateDataList.aspx",
                 Reply::Text("<Confirm>1</Confirm><list>" + url.toUtf8() + "|0|PostZon April|</list>"));
    server.Route(
        "/files/UPDATE_Z_20070401.zip",
        Reply::Bytes(ReadBytes(test::FixturePath(QStringLiteral("fixtures/jet4/updates/UPDATE_Z_20070401.zip")))));
    ui.sources.push_back(UpdateSource::kInternet);

    const Expected<UpdateOutcome> outcome = Run(false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_FALSE(outcome.value().Failed());
    EXPECT_EQ(outcome.value().downloaded, 1);
    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[0].target, "/xmlservice/UpdateDataList.aspx?f=20070201&t=20070301&z=20070115");
    EXPECT_TRUE(ui.captions.contains(QStringLiteral("Downloading Update:PostZon April 1/1")));
    EXPECT_EQ(Prompts(),
              QStringList{QStringLiteral("Files applied:1 ok ") + kCrLf + kCrLf
                          + QStringLiteral("PostZon Data 01 Apr 2007 300 records") + kCrLf});
    EXPECT_EQ(DataDate(2), QStringLiteral("20070401"));
    EXPECT_TRUE(UpdateFiles().isEmpty());
    const QString log = ActivityLog();
    EXPECT_TRUE(log.contains(QLatin1String("Requesting upgrade data\tF=20070201\tT=20070301\tZ=20070115\t\t")));
    EXPECT_TRUE(log.contains(QStringLiteral("Attempting download ") + url));
    EXPECT_TRUE(log.contains(QStringLiteral("Attempting Complete ") + url));
    ExpectMergedAsExpected(QStringLiteral("PAF_POSTZON.dat"), QStringLiteral("PAF_PostZon"),
                           QStringLiteral("PAF_POSTZON.dat+UPDATE_Z_20070401.dat.jsonl"));
}

TEST_F(UpdateDriverTest, AnAbsentFileSendsAnEmptyDate)
{
    InstallDataSet(/*withPostZon=*/false);
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text("<Confirm>1</Confirm><list></list>"));
    ui.sources.push_back(UpdateSource::kInternet);
    ASSERT_TRUE(Run(false).ok());
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].target, "/xmlservice/UpdateDataList.aspx?f=20070201&t=20070301&z=");
    EXPECT_TRUE(ActivityLog().contains(QLatin1String("Requesting upgrade data\tF=20070201\tT=20070301\tZ=\t")));
    EXPECT_EQ(Prompts(), QStringList{QStringLiteral("No updates to apply!")});
}

TEST_F(UpdateDriverTest, AServerWithoutConfirmationEndsTheRunBeforeApplying)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text("<confirm>1</confirm><list></list>"));
    ui.sources.push_back(UpdateSource::kInternet);
    const auto before = Snapshot();

    const Expected<UpdateOutcome> outcome = Run(false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value().serverFailed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt,
              QStringLiteral("Cannot contact server, please check internet connection and try again!"));
    EXPECT_EQ(ui.messages[0].style, 16);
    EXPECT_EQ(ui.messages[0].title, kTitle);
    EXPECT_TRUE(ui.messages[0].topMost);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UpdateDriverTest, ACancelledDownloadStopsTheDownloadsButNotTheApplyPhase)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    const QByteArray list = server.BaseUrl().toUtf8() + "/files/UPDATE_T_20070401.zip|0|Street April|"
        + server.BaseUrl().toUtf8() + "/files/UPDATE_Z_20070401.zip|0|PostZon April|";
    server.Route("/xmlservice/UpdateDataList.aspx", Reply::Text("<Confirm>1</Confirm><list>" + list + "</list>"));
    server.Route("/files/UPDATE_T_20070401.zip", Reply::Bytes(QByteArray(100000, 'a')).StallingAfter(1000));
    ui.sources.push_back(UpdateSource::kInternet);
    ui.onYield = [this] {
        if (server.requests.size() == 2)
            ui.cancelOnCall.push_back(ui.cancelChecks);
    };

    const Expected<UpdateOutcome> outcome = Run(false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value().downloadFailed);
    EXPECT_EQ(server.requests.size(), 2u) << "the second entry is not tried";
    EXPECT_TRUE(ui.captions.contains(QStringLiteral("Downloading Update:Street April 1/2")));
    EXPECT_TRUE(ActivityLog().contains(QLatin1String("Download Cancel or Failed ")));
    EXPECT_EQ(Prompts(),
              QStringList{QStringLiteral("Files applied:1 ok ") + kCrLf + kCrLf
                          + QStringLiteral("Full PAF 01 Mar 2007 300 records") + kCrLf});
    EXPECT_TRUE(UpdateFiles().isEmpty()) << "nothing of the cancelled download is kept";
}

TEST_F(UpdateDriverTest, ADownloadCutShortEndsTheRunThroughTheFailureHandler)
{
    InstallDataSet();
    const QByteArray url = server.BaseUrl().toUtf8() + "/files/UPDATE_T_20070401.zip";
    server.Route("/xmlservice/UpdateDataList.aspx",
                 Reply::Text("<Confirm>1</Confirm><list>" + url + "|0|Street April|</list>"));
    server.Route("/files/UPDATE_T_20070401.zip", Reply::Bytes(QByteArray(5000, 'a')).WithContentLength("20000"));
    ui.sources.push_back(UpdateSource::kInternet);
    const auto before = Snapshot();

    const Expected<UpdateOutcome> outcome = Run(false);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value().aborted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].prompt.startsWith(QStringLiteral("Err : ")));
    // The stage marker is the transfer's own, where the download failed.
    EXPECT_TRUE(ui.messages[0].prompt.contains(
        QStringLiteral("\r\nConnection closed\r\n\r\nAt position : Internet:GetHTTPFile:")))
        << ui.messages[0].prompt.toStdString();
    EXPECT_TRUE(ui.messages[0].topMost);
    EXPECT_FALSE(ui.progressVisible);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UpdateDriverTest, HostileArchivesChangeNoFile)
{
    const QByteArray update =
        ReadBytes(test::FixturePath(QStringLiteral("fixtures/jet4/updates/UPDATE_F_20070301.dat")));
    const std::vector<std::pair<const char*, std::vector<Member>>> archives = {
        {"climbs out", {{"../UPDATE_F_20070301.dat", update}}},
        {"climbs out with backslashes", {{"..\\..\\UPDATE_F_20070301.dat", update}}},
        {"absolute", {{"/tmp/UPDATE_F_20070301.dat", update}}},
        {"drive letter", {{"C:UPDATE_F_20070301.dat", update}}},
        {"control character",
         {{"UPDATE_F_\x01"
           "20070301.dat",
           update}}},
        {"replaces the data file", {{"UPDATE_F_20070301.dat", update}, {"PAF_FULL.dat", update}}},
        {"replaces the branding", {{"UPDATE_F_20070301.dat", update}, {"brand.XML", "<AppName>x</AppName>"}}},
        {"symbolic link", {{"UPDATE_F_20070301.dat", "../../etc/passwd", true}}},
    };
    for (const auto& [what, members] : archives) {
        SCOPED_TRACE(what);
        QDir(data).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(data));
        InstallDataSet();
        const auto before = Snapshot();
        WriteArchive(Path(QStringLiteral("UPDATE_F_20070301.zip")), members);
        ui.messages.clear();

        const Expected<UpdateOutcome> outcome = Run(true);
        ASSERT_TRUE(outcome.ok());
        EXPECT_EQ(outcome.value().failed, 1);
        EXPECT_EQ(Prompts(),
                  (QStringList{QStringLiteral("Failed to apply:1, please try again later "),
                               QStringLiteral("No updates to apply!")}));
        // The archive is gone as every archive of a run is; nothing else changed.
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(DataDate(0), QStringLiteral("20070201"));
        EXPECT_TRUE(QString::fromUtf8(ReadBytes(Path(QStringLiteral("Error1.log"))))
                        .contains(QLatin1String("Could not unpack")));
    }
}

TEST_F(UpdateDriverTest, AnArchiveNameWithoutACalendarDateIsNotMerged)
{
    InstallDataSet();
    AddArchiveOf(QStringLiteral("UPDATE_F_2007o301.zip"), QStringLiteral("UPDATE_F_20070301.dat"),
                 QStringLiteral("UPDATE_F_2007o301.dat"));
    const QByteArray full = ReadBytes(Path(QStringLiteral("PAF_FULL.dat")));
    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().failed, 1);
    EXPECT_EQ(Prompts(),
              (QStringList{QStringLiteral("Failed to apply:1, please try again later "),
                           QStringLiteral("No updates to apply!")}));
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("PAF_FULL.dat"))), full);
    EXPECT_EQ(UpdateFiles(), QStringList{QStringLiteral("UPDATE_F_2007o301.dat")});
}

TEST_F(UpdateDriverTest, ASecondUpdaterIsToldWhoHoldsTheDataSet)
{
    InstallDataSet();
    AddFixtureArchive(QStringLiteral("UPDATE_F_20070301.zip"));
    UpdateLock first(data);
    ASSERT_EQ(first.TryLock(), UpdateLock::Outcome::kTaken);
    const auto before = Snapshot();

    const Expected<UpdateOutcome> outcome = Run(true);
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value().locked);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].prompt.startsWith(QStringLiteral("Another update of this data set is running: process ")
                                                 + QString::number(QCoreApplication::applicationPid())))
        << ui.messages[0].prompt.toStdString();
    EXPECT_EQ(ui.messages[0].style, 16);
    EXPECT_TRUE(ui.captions.isEmpty());
    EXPECT_EQ(Snapshot(), before);
}

// An updater killed between making its lock file and writing in it leaves an
// empty one: nobody holds it, so the next updater takes it.
TEST_F(UpdateDriverTest, AnEmptyLockFileLeftByAKilledUpdaterIsTakenOver)
{
    QFile left(Path(QString::fromLatin1(kUpdateLockFileName)));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    UpdateLock next(data);
    EXPECT_EQ(next.TryLock(), UpdateLock::Outcome::kTaken);
}

TEST_F(UpdateDriverTest, AreUpdatesPresentSeesArchivesInAnyCaseButNotFolders)
{
    EXPECT_FALSE(AreUpdatesPresent(data));
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("UPDATE_X.ZIP")));
    EXPECT_FALSE(AreUpdatesPresent(data));
    QFile file(Path(QStringLiteral("update_f_20070301.zip")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(AreUpdatesPresent(data));
}

} // namespace
} // namespace pafdm
