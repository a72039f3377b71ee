#include "CliRunner.h"
#include "cli/Command.h"

#include "testsupport/ExternalTools.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/TempDir.h"
#include "update/UpdateLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>
#include <jet/Database.h>

#include <csignal>
#include <map>

namespace pafdm {
namespace {

using test::LocalHttpServer;
using Reply = LocalHttpServer::Reply;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// `apply`, `update` and `merge` as an operator or a scheduled job runs them,
// in this process and as the real executable.
class UpdateCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        test::EnsureCoreApplication();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        for (const char* name : {"PAF_FULL.dat", "PAF_THOURGHFARE.dat", "PAF_POSTZON.dat"})
            dir.CopyFixture(QStringLiteral("fixtures/jet4/dataset/") + name, QString::fromLatin1(name));
    }

    void AddArchive(const char* name)
    {
        dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/") + name, QString::fromLatin1(name));
    }

    int Run(const QStringList& args, const QString& input = QString(), bool inputIsTerminal = false)
    {
        return test::RunCliCapturing(QStringList{QStringLiteral("--data-dir"), dir.path()} + args, outText, errText,
                                     input, inputIsTerminal);
    }

    std::map<QString, QByteArray> Snapshot() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (!name.endsWith(QLatin1String(".log")))
                files[name] = QCryptographicHash::hash(ReadBytes(dir.File(name)), QCryptographicHash::Sha256);
        }
        return files;
    }

    QStringList UpdateFiles() const
    {
        return QDir(dir.path())
            .entryList(QStringList{QStringLiteral("UPDATE_*"), QStringLiteral(".UPDATE_*")},
                       QDir::Files | QDir::Hidden);
    }

    // Starts the executable with `args` after --data-dir; the caller waits.
    void Start(QProcess& process, const QStringList& args, const QString& serverUrl = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!serverUrl.isEmpty())
            env.insert(QStringLiteral("PAFDM_SERVER_URL"), serverUrl);
        process.setProcessEnvironment(env);
        process.start(kBinary, QStringList{QStringLiteral("--data-dir"), dir.path()} + args);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // Waits for the process while this thread's event loop serves the local server.
    static int Finish(QProcess& process)
    {
        QElapsedTimer timer;
        timer.start();
        while (process.state() != QProcess::NotRunning && timer.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            process.waitForFinished(5);
        }
        EXPECT_EQ(process.state(), QProcess::NotRunning);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    const QString kBinary = QStringLiteral(PAFDM_BINARY_DIR "/src/cli/pafdm-cli");
    test::TempDir dir;
    QString outText;
    QString errText;
};

TEST_F(UpdateCommandsTest, ApplyYesAppliesEveryWaitingArchive)
{
    AddArchive("UPDATE_F_20070301.zip");
    AddArchive("UPDATE_T_20070401.zip");
    AddArchive("UPDATE_Z_20070401.zip");
    ASSERT_EQ(Run({QStringLiteral("apply"), QStringLiteral("--yes")}), 0) << errText.toStdString();
    EXPECT_TRUE(outText.contains(
        QStringLiteral("] Data Update files are present, do you want to upply these updates?\nyes (assumed)\n")));
    EXPECT_TRUE(outText.contains(QStringLiteral("Apply changes:UPDATE_T_20070401.zip 2/3\n")));
    EXPECT_TRUE(outText.contains(
        QStringLiteral(":Update Postcode Address Data] Files applied:3 ok \n\nFull PAF 01 Mar 2007 300 records\n"
                       "Thourghfare PAF 01 Apr 2007 300 records\nPostZon Data 01 Apr 2007 300 records\n")))
        << outText.toStdString();
    EXPECT_TRUE(errText.isEmpty()) << errText.toStdString();
    EXPECT_TRUE(UpdateFiles().isEmpty());
    ASSERT_EQ(Run({QStringLiteral("status")}), 0);
    EXPECT_EQ(outText.count(QStringLiteral("Last updated:01 Apr 2007")), 2);
    EXPECT_EQ(outText.count(QStringLiteral("Last updated:01 Mar 2007")), 1);
    for (const char* name : {"PAF_FULL.dat", "PAF_THOURGHFARE.dat", "PAF_POSTZON.dat"})
        EXPECT_TRUE(test::JetCheckPasses(dir.File(QString::fromLatin1(name)), QStringLiteral("tallowmere")));
}

TEST_F(UpdateCommandsTest, ApplyAsksAndANoOrNoTerminalChangesNothing)
{
    AddArchive("UPDATE_F_20070301.zip");
    const auto before = Snapshot();
    // A job without a terminal must say --yes.
    EXPECT_EQ(Run({QStringLiteral("apply")}), 2);
    EXPECT_TRUE(errText.contains(QStringLiteral("--yes")));
    EXPECT_EQ(Snapshot(), before);
    // An operator at a terminal answers the question.
    EXPECT_EQ(Run({QStringLiteral("apply")}, QStringLiteral("n\n"), true), 0);
    EXPECT_TRUE(outText.contains(QStringLiteral("do you want to upply these updates?\n[y/N] ")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Files applied")));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Run({QStringLiteral("apply")}, QStringLiteral("y\n"), true), 0);
    EXPECT_TRUE(outText.contains(QStringLiteral("Files applied:1 ok")));
}

TEST_F(UpdateCommandsTest, ApplyWithNothingWaitingSaysSoAndSucceeds)
{
    EXPECT_EQ(Run({QStringLiteral("apply")}), 0) << errText.toStdString();
    EXPECT_TRUE(outText.contains(QStringLiteral("] No updates to apply!")));
    EXPECT_FALSE(outText.contains(QStringLiteral("upply")));
}

TEST_F(UpdateCommandsTest, AFailedArchiveGivesStatusOneAndTheFailureOnStandardError)
{
    QFile bad(dir.File(QStringLiteral("UPDATE_Z_20070401.zip")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not an archive");
    bad.close();
    EXPECT_EQ(Run({QStringLiteral("apply"), QStringLiteral("--yes")}), 1);
    EXPECT_TRUE(errText.contains(QStringLiteral("Failed to apply:1, please try again later")));
    EXPECT_FALSE(outText.contains(QStringLiteral("Failed to apply")));
    EXPECT_TRUE(outText.contains(QStringLiteral("No updates to apply!")));
}

TEST_F(UpdateCommandsTest, UpdateDownloadsFromTheServiceAndApplies)
{
    LocalHttpServer server;
    const QByteArray url = server.BaseUrl().toUtf8() + "/files/UPDATE_Z_20070401.zip";
    server.Route("/xmlservice/UpdateDataList.aspx",
                 Reply::Text("<Confirm>1</Confirm><list>" + url + "|0|PostZon April|</list>"));
    server.Route(
        "/files/UPDATE_Z_20070401.zip",
        Reply::Bytes(ReadBytes(test::FixturePath(QStringLiteral("fixtures/jet4/updates/UPDATE_Z_20070401.zip")))));
    QProcess process;
    Start(process, {QStringLiteral("update"), QStringLiteral("--yes")}, server.BaseUrl());
    EXPECT_EQ(Finish(process), 0) << process.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("Downloading Update:PostZon April 1/1\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("PostZon Data 01 Apr 2007 300 records"))) << out.toStdString();
    EXPECT_TRUE(UpdateFiles().isEmpty());
}

TEST_F(UpdateCommandsTest, UpdateWithoutTheServiceFails)
{
    LocalHttpServer server; // answers every request with "not found"
    qputenv("PAFDM_SERVER_URL", server.BaseUrl().toUtf8());
    const int code = Run({QStringLiteral("update"), QStringLiteral("--yes")});
    qunsetenv("PAFDM_SERVER_URL");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(
        errText.contains(QStringLiteral("Cannot contact server, please check internet connection and try again!")));
    EXPECT_EQ(Run({QStringLiteral("update")}), 2) << "a job without a terminal must say --yes";
}

TEST_F(UpdateCommandsTest, CtrlCStopsTheRunInADownloadAndKeepsNothingOfIt)
{
    LocalHttpServer server;
    const QByteArray url = server.BaseUrl().toUtf8() + "/files/UPDATE_T_20070401.zip";
    server.Route("/xmlservice/UpdateDataList.aspx",
                 Reply::Text("<Confirm>1</Confirm><list>" + url + "|0|Street April|</list>"));
    server.Route("/files/UPDATE_T_20070401.zip", Reply::Bytes(QByteArray(1 << 20, 'a')).StallingAfter(100000));
    QProcess process;
    Start(process, {QStringLiteral("update"), QStringLiteral("--yes")}, server.BaseUrl());
    QElapsedTimer timer;
    timer.start();
    while (server.requests.size() < 2 && timer.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    ASSERT_EQ(server.requests.size(), 2u);
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    EXPECT_EQ(Finish(process), 128 + SIGINT) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(UpdateFiles().isEmpty()) << UpdateFiles().join(' ').toStdString();
    const QString log = QString::fromUtf8(ReadBytes(dir.File(QStringLiteral("Activity1.log"))));
    EXPECT_TRUE(log.contains(QStringLiteral("Download Cancel or Failed ")));
    EXPECT_TRUE(log.contains(QStringLiteral("Update stopped: 0 applied, nothing left to apply"))) << log.toStdString();
}

TEST_F(UpdateCommandsTest, ASecondUpdaterExitsThreeAndTouchesNothing)
{
    AddArchive("UPDATE_F_20070301.zip");
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_T_20070401.dat"),
                    QStringLiteral("UPDATE_T_20070401.dat"));
    UpdateLock held(dir.path());
    ASSERT_EQ(held.TryLock(), UpdateLock::Outcome::kTaken);
    const auto before = Snapshot();
    // Without --yes and without a terminal too: the lock is named before any question.
    for (const QStringList& args :
         {QStringList{QStringLiteral("apply"), QStringLiteral("--yes")}, QStringList{QStringLiteral("apply")},
          QStringList{QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
                      QStringLiteral("20070401")}}) {
        QProcess process;
        Start(process, args);
        EXPECT_EQ(Finish(process), 3) << args.join(' ').toStdString();
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("Another update of this data set is running: process ")
                                 + QString::number(QCoreApplication::applicationPid())))
            << err.toStdString();
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(UpdateCommandsTest, AMergeBesideAnotherWriterOfTheFileIsRefused)
{
    dir.CopyFixture(QStringLiteral("fixtures/jet4/updates/UPDATE_T_20070401.dat"),
                    QStringLiteral("UPDATE_T_20070401.dat"));
    // Another program has the data file open for writing (no update lock).
    auto writer = jet::Database::OpenFile(dir.FileStd(QStringLiteral("PAF_THOURGHFARE.dat")), "tallowmere");
    ASSERT_TRUE(writer.ok()) << writer.status().ToString();
    const auto before = Snapshot();
    QProcess process;
    Start(process,
          {QStringLiteral("merge"), QStringLiteral("UPDATE_T_20070401.dat"), QStringLiteral("T"),
           QStringLiteral("20070401")});
    EXPECT_EQ(Finish(process), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("file already in use.")));
    EXPECT_EQ(Snapshot(), before);
}

} // namespace
} // namespace pafdm
