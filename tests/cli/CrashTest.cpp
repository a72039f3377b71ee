// A merge killed (SIGKILL) at points spread over its whole run, half of them
// while a commit is under way: each time the
// next open puts the file back to its last commit, the file checks out with
// this engine and with mdbtools, the data date has not moved, and merging
// again gives exactly the rows of an uninterrupted merge.

#include "testsupport/ExternalTools.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <jet/Database.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <thread>

namespace pafdm {
namespace {

const QString kCli = QStringLiteral(PAFDM_BINARY_DIR "/src/cli/pafdm-cli");
const QString kJet = QStringLiteral(PAFDM_JET_TOOL);
const QString kDemo = QStringLiteral(PAFDM_BINARY_DIR "/src/tools/pafdm-demo");
const QStringList kMerge = {QStringLiteral("merge"), QStringLiteral("UPDATE_F_20070201.dat"), QStringLiteral("F"),
                            QStringLiteral("20070201")};

void CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name)) << name.toStdString();
}

// Every row of the address table as text, sorted.
std::vector<std::string> Rows(const QString& path)
{
    std::vector<std::string> rows;
    auto db = jet::Database::OpenFile(path.toStdString(), "tallowmere", {.readOnly = true});
    EXPECT_TRUE(db.ok()) << db.status().ToString();
    if (!db.ok())
        return rows;
    auto rs = jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    EXPECT_TRUE(rs.ok());
    if (!rs.ok())
        return rows;
    while (!(*rs)->IsEOF()) {
        std::string row;
        for (int i = 0; i < (*rs)->FieldCount(); ++i)
            row += (*rs)->FieldAt(i).value().ToUtf8() + '\x1f';
        rows.push_back(std::move(row));
        if (!(*rs)->MoveNext().ok())
            break;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::string DataDate(const QString& path)
{
    auto db = jet::Database::OpenFile(path.toStdString(), "tallowmere", {.readOnly = true});
    if (!db.ok())
        return "unreadable: " + db.status().ToString();
    auto rs = jet::Recordset::Open(**db, "SELECT * From [version] WHERE [id]=2;", jet::CursorType::kStatic,
                                   jet::LockType::kReadOnly);
    return rs.ok() && !(*rs)->IsEOF() ? (*rs)->Field("text").value().ToUtf8() : std::string("no version row");
}

int RunTool(const QString& program, const QStringList& args, QString* output = nullptr)
{
    const test::ProcessResult result = test::RunProgram(program, args);
    if (output != nullptr)
        *output = result.out + result.err;
    return result.exitCode;
}

TEST(CrashTest, AMergeKilledAnywhereIsRolledBackToItsLastCommit)
{
    test::TempDir dir;
    const QString master = dir.File(QStringLiteral("master"));
    // 10,000 update rows into 12,000: the merge commits three times.
    ASSERT_EQ(RunTool(kDemo,
                      {master, QStringLiteral("--rows"), QStringLiteral("12000"), QStringLiteral("--update-rows"),
                       QStringLiteral("10000"), QStringLiteral("--unpacked")}),
              0);

    const QString reference = dir.File(QStringLiteral("reference"));
    CopyFolder(master, reference);
    QElapsedTimer timer;
    timer.start();
    QString output;
    ASSERT_EQ(RunTool(kCli, QStringList{QStringLiteral("--data-dir"), reference} + kMerge, &output), 0)
        << output.toStdString();
    const qint64 runMs = std::max<qint64>(timer.elapsed(), 50);
    const auto expected = Rows(reference + QStringLiteral("/PAF_FULL.dat"));
    ASSERT_EQ(DataDate(reference + QStringLiteral("/PAF_FULL.dat")), "20070201");

    const int kPoints = 10;
    int interrupted = 0;
    int rolledBack = 0;
    for (int point = 1; point <= kPoints; ++point) {
        SCOPED_TRACE("killed at " + std::to_string(point) + "/" + std::to_string(kPoints + 1) + " of the run");
        const QString run = dir.File(QStringLiteral("run%1").arg(point));
        CopyFolder(master, run);
        const QString file = run + QStringLiteral("/PAF_FULL.dat");

        QProcess merge;
        merge.start(kCli, QStringList{QStringLiteral("--data-dir"), run} + kMerge);
        ASSERT_TRUE(merge.waitForStarted(10000));
        std::this_thread::sleep_for(std::chrono::milliseconds(runMs * point / (kPoints + 1)));
        if (point % 2 == 0) {
            // Every other kill waits for a commit under way (its journal
            // has a header, so it holds originals), the moment a kill must
            // be undone. Between commits the header is wiped.
            const auto underWay = [&] {
                QFile journal(file + QStringLiteral("-journal"));
                return journal.open(QIODevice::ReadOnly) && journal.read(8) == "JETJRNL1";
            };
            QElapsedTimer waited;
            waited.start();
            while (merge.state() != QProcess::NotRunning && waited.elapsed() < runMs * 4 && !underWay())
                std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        const bool finished = merge.state() == QProcess::NotRunning;
        if (!finished)
            ::kill(static_cast<pid_t>(merge.processId()), SIGKILL);
        merge.waitForFinished(10000);
        interrupted += finished ? 0 : 1;
        const bool hot = QFile::exists(file + QStringLiteral("-journal"));

        // The next open (here the status summary) undoes the interrupted write.
        ASSERT_EQ(RunTool(kCli, {QStringLiteral("--data-dir"), run, QStringLiteral("status")}, &output), 0)
            << output.toStdString();
        EXPECT_FALSE(QFile::exists(file + QStringLiteral("-journal")));
        QFile log(run + QStringLiteral("/Activity1.log"));
        if (hot && log.open(QIODevice::ReadOnly) && log.readAll().contains("Rolled back an interrupted write"))
            ++rolledBack;

        EXPECT_EQ(RunTool(kJet,
                          {QStringLiteral("check"), file, QStringLiteral("--password"), QStringLiteral("tallowmere")},
                          &output),
                  0)
            << output.toStdString();
        if (test::MdbToolsAvailable()) {
            EXPECT_GT(test::MdbExportRowCount(file, QStringLiteral("PAF_FULLAddress")), 0);
        }

        const std::string date = DataDate(file);
        if (date == "20070201") {
            EXPECT_EQ(Rows(file), expected) << "the date moved with rows missing";
            continue;
        }
        EXPECT_EQ(date, "20070101");
        ASSERT_EQ(RunTool(kCli, QStringList{QStringLiteral("--data-dir"), run} + kMerge, &output), 0)
            << output.toStdString();
        EXPECT_EQ(Rows(file), expected);
        if (HasFailure())
            return;
    }
    std::printf("%d of %d kills fell inside the run, %d of them during a commit\n", interrupted, kPoints, rolledBack);
    EXPECT_GT(interrupted, kPoints / 2) << "most kills fell inside the run";
    EXPECT_GT(rolledBack, 0) << "some kills left a write to undo, and the activity log says it was undone";
}

// SIGTERM and SIGHUP during `apply`: the run stops at once with 128 plus the
// signal's number, each data file is as it was or wholly merged, something
// is left, and the next run applies what was left.
TEST(CrashTest, ASignalStopsTheRunAndTheNextRunResumes)
{
    test::TempDir dir;
    const QString master = dir.File(QStringLiteral("master"));
    ASSERT_EQ(RunTool(kDemo,
                      {master, QStringLiteral("--rows"), QStringLiteral("6000"), QStringLiteral("--update-rows"),
                       QStringLiteral("6000")}),
              0);
    const QStringList kinds = {QStringLiteral("PAF_FULL.dat"), QStringLiteral("PAF_THOURGHFARE.dat"),
                               QStringLiteral("PAF_POSTZON.dat")};
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        const QString run = dir.File(QStringLiteral("run%1").arg(signal));
        CopyFolder(master, run);
        QProcess apply;
        apply.start(kCli, {QStringLiteral("--data-dir"), run, QStringLiteral("apply"), QStringLiteral("--yes")});
        ASSERT_TRUE(apply.waitForStarted(10000));
        // Stopped once the first merge is under way.
        QByteArray printed;
        while (!printed.contains("Processing record:") && apply.state() != QProcess::NotRunning) {
            apply.waitForReadyRead(50);
            printed += apply.readAllStandardOutput();
        }
        ASSERT_NE(apply.state(), QProcess::NotRunning) << "the run ended before it could be stopped";
        ::kill(static_cast<pid_t>(apply.processId()), signal);
        ASSERT_TRUE(apply.waitForFinished(10000));
        printed += apply.readAllStandardOutput();
        const QByteArray errors = apply.readAllStandardError();
        EXPECT_EQ(apply.exitStatus(), QProcess::NormalExit) << "the program ended itself";
        EXPECT_EQ(apply.exitCode(), 128 + signal) << printed.toStdString() << errors.toStdString();
        EXPECT_TRUE(printed.contains("Update stopped: ") || errors.contains("Update stopped: "))
            << printed.toStdString() << errors.toStdString();
        int moved = 0;
        for (const QString& kind : kinds) {
            const QString file = run + QLatin1Char('/') + kind;
            const std::string date = DataDate(file);
            if (date == "20070201") {
                ++moved;
                continue;
            }
            EXPECT_EQ(date, "20070101") << kind.toStdString();
            QFile now(file);
            QFile old(master + QLatin1Char('/') + kind);
            ASSERT_TRUE(now.open(QIODevice::ReadOnly) && old.open(QIODevice::ReadOnly));
            EXPECT_TRUE(now.readAll() == old.readAll()) << kind.toStdString() << " is exactly as it was";
        }
        EXPECT_LT(moved, 3) << "the stop left something for the next run";

        QString output;
        ASSERT_EQ(RunTool(kCli, {QStringLiteral("--data-dir"), run, QStringLiteral("apply"), QStringLiteral("--yes")},
                          &output),
                  0)
            << output.toStdString();
        for (const QString& kind : kinds)
            EXPECT_EQ(DataDate(run + QLatin1Char('/') + kind), "20070201") << kind.toStdString();
        EXPECT_TRUE(QDir(run).entryList({QStringLiteral("UPDATE_*")}, QDir::Files).isEmpty());
    }
}

} // namespace
} // namespace pafdm
