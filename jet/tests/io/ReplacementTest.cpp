// Transactions too large for the page cache, written beside the file in a
// private copy and renamed over it: what the file keeps (owner, mode,
// attributes, links), when the copy cannot be made the same, faults at each
// step, leftovers of a crash, and what other readers see meanwhile.
#include "io/Replacement.h"
#include "db/Check.h"
#include "helpers/ExternalTools.h"
#include "helpers/Fixtures.h"
#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

namespace jet::test {
namespace {

constexpr uint32_t kFixtureRows = 3000;
// A cache this small is outgrown by a few hundred rows.
constexpr size_t kSmallCache = 48;

class ReplacementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP() << "shared fixtures missing";
        m_path = m_dir.CopyFixture(std::string("fixtures/jet4/dataset/PAF_FULL.dat"), std::string("PAF_FULL.dat"));
        m_original = ReadFileBytes(m_path);
    }
    void TearDown() override { jet::SetReplaceFaultForTesting({}); }

    std::unique_ptr<jet::Database> OpenForWriting(bool beside = true) const
    {
        auto db = jet::Database::OpenFile(m_path, "tallowmere", {.cachePages = kSmallCache, .mayWriteBeside = beside});
        EXPECT_TRUE(db.ok()) << db.status().ToString();
        return db.ok() ? std::move(db).value() : nullptr;
    }

    // Adds `rows` rows with long addresses: far more pages than the cache holds.
    static jet::Status AddRows(jet::Database& db, int rows, const std::string& tag)
    {
        auto opened =
            jet::Recordset::Open(db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        if (!opened.ok())
            return opened.status();
        for (int i = 0; i < rows; ++i) {
            JET_RETURN_IF_ERROR((*opened)->AddNew());
            JET_RETURN_IF_ERROR(
                (*opened)->SetField("FT_PostCode", jet::Value(jet::Utf8ToUtf16(tag + std::to_string(i)))));
            JET_RETURN_IF_ERROR((*opened)->SetField("FT_Address", jet::Value(std::u16string(1500, u'b'))));
            JET_RETURN_IF_ERROR((*opened)->Update());
        }
        return (*opened)->Close();
    }

    // Rows in the table as another reader sees the file at the path now.
    static int64_t RowsAt(const std::string& path)
    {
        auto db = jet::Database::OpenFile(path, "tallowmere", {.readOnly = true, .cachePages = 64});
        if (!db.ok())
            return -1;
        auto rs = jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kStatic, jet::LockType::kReadOnly);
        if (!rs.ok())
            return -1;
        int64_t rows = 0;
        for (; !(*rs)->IsEOF(); (void)(*rs)->MoveNext())
            ++rows;
        return rows;
    }

    std::string Copy() const { return jet::CopyPathFor(m_path); }
    bool Exists(const std::string& path) const { return ::access(path.c_str(), F_OK) == 0; }

    TempDir m_dir;
    std::string m_path;
    std::vector<uint8_t> m_original;
};

TEST_F(ReplacementTest, ALargeTransactionGoesBesideAndTheFileChangesOnlyAtTheCommit)
{
    auto db = OpenForWriting();
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(AddRows(*db, 300, "BS").ok());
    EXPECT_TRUE(Exists(Copy())) << "the transaction outgrew the cache and went beside the file";
    EXPECT_EQ(ReadFileBytes(m_path), m_original) << "the file is untouched until the commit";
    EXPECT_EQ(RowsAt(m_path), kFixtureRows);
    // A reader that has the file open keeps reading the old file whole.
    const int oldFd = ::open(m_path.c_str(), O_RDONLY);
    ASSERT_GE(oldFd, 0);
    ASSERT_TRUE(db->Close().ok());
    EXPECT_TRUE(db->LastCommitNote().empty()) << db->LastCommitNote();
    EXPECT_FALSE(Exists(Copy()));
    EXPECT_FALSE(Exists(m_path + "-journal")) << "no journal is needed beside the file";
    EXPECT_EQ(RowsAt(m_path), kFixtureRows + 300);
    std::vector<uint8_t> old(m_original.size());
    ASSERT_EQ(::pread(oldFd, old.data(), old.size(), 0), static_cast<ssize_t>(old.size()));
    EXPECT_EQ(old, m_original);
    ::close(oldFd);
    auto checked = jet::CheckDatabase(m_path, "tallowmere");
    ASSERT_TRUE(checked.ok());
    EXPECT_TRUE(checked->problems.empty()) << checked->problems.front();
    EXPECT_TRUE(MatchesMdbExport(m_path, "tallowmere"));
}

TEST_F(ReplacementTest, ASmallTransactionStaysInPlaceAndAbandoningLeavesTheFileAsItWas)
{
    {
        auto db = jet::Database::OpenFile(m_path, "tallowmere", {.mayWriteBeside = true});
        ASSERT_TRUE(db.ok());
        ASSERT_TRUE(AddRows(**db, 5, "SM").ok());
        EXPECT_FALSE(Exists(Copy()));
        EXPECT_EQ(ReadFileBytes(m_path), m_original) << "nothing reaches the file before the commit";
        ASSERT_TRUE((*db)->Close().ok());
    }
    EXPECT_EQ(RowsAt(m_path), kFixtureRows + 5);
    const auto committed = ReadFileBytes(m_path);
    for (const bool beside : {true, false}) {
        auto db = OpenForWriting(beside);
        ASSERT_NE(db, nullptr);
        ASSERT_TRUE(AddRows(*db, 300, "AB").ok());
        ASSERT_TRUE(db->Abandon().ok());
        EXPECT_EQ(ReadFileBytes(m_path), committed) << (beside ? "beside" : "in place");
        EXPECT_FALSE(Exists(Copy()));
        EXPECT_FALSE(Exists(m_path + "-journal"));
    }
}

TEST_F(ReplacementTest, TheNewFileKeepsOwnerModeAttributesAndTheLinkThatLeadsToIt)
{
    ASSERT_EQ(::chmod(m_path.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(m_path.c_str(), 4321, 4322), 0);
    }
    // An ACL granting one more user read access, in the kernel's form.
    const unsigned char acl[] = {2,    0, 0, 0,                          // version
                                 1,    0, 6, 0, 0xff, 0xff, 0xff, 0xff,  // owner rw
                                 2,    0, 4, 0, 0xd2, 0x04, 0,    0,     // user 1234 r
                                 4,    0, 4, 0, 0xff, 0xff, 0xff, 0xff,  // group r
                                 0x10, 0, 4, 0, 0xff, 0xff, 0xff, 0xff,  // mask r
                                 0x20, 0, 0, 0, 0xff, 0xff, 0xff, 0xff}; // other none
    const bool hasAcl = ::setxattr(m_path.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    const bool hasUserAttribute = ::setxattr(m_path.c_str(), "user.pafdm.note", "kept", 4, 0) == 0;
    struct stat before { };
    ASSERT_EQ(::stat(m_path.c_str(), &before), 0);
    // Reached through a link, as an installation may place it.
    const std::string link = m_dir.File(std::string("link.dat"));
    ASSERT_EQ(::symlink(m_path.c_str(), link.c_str()), 0);

    {
        auto db = jet::Database::OpenFile(link, "tallowmere", {.cachePages = kSmallCache, .mayWriteBeside = true});
        ASSERT_TRUE(db.ok());
        ASSERT_TRUE(AddRows(**db, 300, "OW").ok());
        EXPECT_TRUE(Exists(Copy()));
        ASSERT_TRUE((*db)->Close().ok());
        EXPECT_TRUE((*db)->LastCommitNote().empty()) << (*db)->LastCommitNote();
    }
    struct stat after { };
    struct stat linkStat { };
    ASSERT_EQ(::stat(m_path.c_str(), &after), 0);
    ASSERT_EQ(::lstat(link.c_str(), &linkStat), 0);
    EXPECT_TRUE(S_ISLNK(linkStat.st_mode)) << "the link stays a link";
    EXPECT_NE(after.st_ino, before.st_ino) << "a new file took the old one's place";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(RowsAt(link), kFixtureRows + 300);
    if (hasAcl) {
        unsigned char kept[64] = {};
        const ssize_t size = ::getxattr(m_path.c_str(), "system.posix_acl_access", kept, sizeof kept);
        ASSERT_EQ(size, static_cast<ssize_t>(sizeof acl));
        EXPECT_EQ(std::memcmp(kept, acl, sizeof acl), 0);
    }
    if (hasUserAttribute) {
        char kept[8] = {};
        EXPECT_EQ(::getxattr(m_path.c_str(), "user.pafdm.note", kept, sizeof kept), 4);
        EXPECT_STREQ(kept, "kept");
    }
    if (!root || !hasAcl)
        std::printf("note: owner kept only as root (%d), ACL on this file system (%d)\n", root, hasAcl);
}

TEST_F(ReplacementTest, AFileWithASecondNameStaysInPlaceUnderTheJournal)
{
    const std::string second = m_dir.File(std::string("second-name.dat"));
    ASSERT_EQ(::link(m_path.c_str(), second.c_str()), 0);
    auto db = OpenForWriting();
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(AddRows(*db, 300, "HL").ok());
    EXPECT_FALSE(Exists(Copy()));
    EXPECT_TRUE(Exists(m_path + "-journal")) << "the changed pages spilled under the journal";
    ASSERT_TRUE(db->Close().ok());
    EXPECT_NE(db->LastCommitNote().find("hard links"), std::string::npos) << db->LastCommitNote();
    EXPECT_EQ(RowsAt(second), kFixtureRows + 300) << "both names see the new data";
}

// A fault at each step of the copy: before the rename the file is left as
// it was and no copy stays; a copy that cannot be made sends the transaction
// into the file under the journal instead.
TEST_F(ReplacementTest, FaultsAtEachStepLeaveTheFileWholeAndNoCopyBehind)
{
    for (const jet::ReplaceStep failing : {jet::ReplaceStep::kCopy, jet::ReplaceStep::kSyncCopy,
                                           jet::ReplaceStep::kRename, jet::ReplaceStep::kSyncDirectory}) {
        SCOPED_TRACE(static_cast<int>(failing));
        const auto before = ReadFileBytes(m_path);
        const int64_t rowsBefore = RowsAt(m_path);
        jet::SetReplaceFaultForTesting([failing](jet::ReplaceStep step) {
            return step == failing ? jet::Errors::DiskError("injected") : jet::Status::OK();
        });
        auto db = OpenForWriting();
        ASSERT_NE(db, nullptr);
        ASSERT_TRUE(AddRows(*db, 300, "FA" + std::to_string(static_cast<int>(failing))).ok());
        const jet::Status closed = db->Close();
        jet::SetReplaceFaultForTesting({});
        EXPECT_FALSE(Exists(Copy()));
        const int64_t rows = RowsAt(m_path);
        switch (failing) {
        case jet::ReplaceStep::kCopy:
            EXPECT_TRUE(closed.ok()) << closed.ToString();
            EXPECT_NE(db->LastCommitNote().find("the copy failed"), std::string::npos) << db->LastCommitNote();
            EXPECT_EQ(rows, rowsBefore + 300) << "committed in place";
            break;
        case jet::ReplaceStep::kSyncCopy:
        case jet::ReplaceStep::kRename:
            EXPECT_FALSE(closed.ok());
            EXPECT_EQ(ReadFileBytes(m_path), before) << "the file was never touched";
            break;
        case jet::ReplaceStep::kSyncDirectory:
            // The new file is whole and in place; only its durability is in doubt.
            EXPECT_FALSE(closed.ok());
            EXPECT_EQ(rows, rowsBefore + 300);
            break;
        }
    }
}

TEST_F(ReplacementTest, ADiskTooFullForTheCommitLeavesTheFileAsItWas)
{
    // The process may not write files larger than the data file: the copy
    // fails (the transaction goes into the file), and so do the pages it
    // appends, so the commit fails and the close puts the file back.
    struct rlimit saved { };
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    jet::Status added;
    jet::Status closed;
    {
        auto db = OpenForWriting();
        ASSERT_NE(db, nullptr);
        struct rlimit small = saved;
        small.rlim_cur = m_original.size();
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        added = AddRows(*db, 300, "FD");
        closed = added.ok() ? db->Close() : db->Abandon();
        ::setrlimit(RLIMIT_FSIZE, &saved);
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(added.ok() && closed.ok()) << "the full disk is reported";
    EXPECT_EQ(ReadFileBytes(m_path), m_original);
    EXPECT_FALSE(Exists(Copy()));
    EXPECT_FALSE(Exists(m_path + "-journal"));
}

TEST_F(ReplacementTest, ACopyLeftByACrashIsReportedByTheCheckAndRemovedByTheNextWriter)
{
    {
        std::FILE* f = std::fopen(Copy().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("half a copy", f);
        std::fclose(f);
    }
    auto checked = jet::CheckDatabase(m_path, "tallowmere");
    ASSERT_TRUE(checked.ok());
    ASSERT_FALSE(checked->warnings.empty());
    EXPECT_NE(checked->warnings.back().find(Copy()), std::string::npos) << checked->warnings.back();
    // A reader leaves it; the next writer removes it and says so.
    EXPECT_EQ(RowsAt(m_path), kFixtureRows);
    EXPECT_TRUE(Exists(Copy()));
    auto db = OpenForWriting();
    ASSERT_NE(db, nullptr);
    EXPECT_FALSE(Exists(Copy()));
    EXPECT_EQ(db->recovery().leftoverCopy, Copy());
    EXPECT_NE(db->recovery().Describe(m_path).find("Removed the copy"), std::string::npos);
    ASSERT_TRUE(db->Close().ok());
    EXPECT_EQ(ReadFileBytes(m_path), m_original);
}

// Another process counts the rows again and again while a large and a small
// transaction commit: it only ever sees the old count or the new one.
TEST_F(ReplacementTest, AReaderPollingMeanwhileSeesOnlyTheOldOrTheNewRows)
{
    for (const int rows : {300, 20}) {
        SCOPED_TRACE(rows);
        const int64_t old = RowsAt(m_path);
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            // Polls until the new count shows, then reports what it saw.
            std::set<int64_t> seen;
            for (int i = 0; i < 20000; ++i) {
                const int64_t now = RowsAt(m_path);
                seen.insert(now);
                if (now == old + rows)
                    break;
            }
            for (int64_t count : seen) {
                const std::string line = std::to_string(count) + "\n";
                (void)!::write(pipeFds[1], line.data(), line.size());
            }
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        {
            auto db = OpenForWriting();
            ASSERT_NE(db, nullptr);
            ASSERT_TRUE(AddRows(*db, rows, "RD" + std::to_string(rows)).ok());
            ASSERT_TRUE(db->Close().ok());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        std::string report;
        char buffer[256];
        for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<size_t>(n));
        ::close(pipeFds[0]);
        std::set<int64_t> seen;
        for (size_t at = 0; at < report.size();) {
            const size_t end = report.find('\n', at);
            seen.insert(std::stoll(report.substr(at, end - at)));
            at = end + 1;
        }
        for (int64_t count : seen)
            EXPECT_TRUE(count == old || count == old + rows) << "a reader saw " << count << " rows";
        EXPECT_TRUE(seen.count(old + rows)) << "the reader saw the commit";
    }
}

// A large transaction killed (SIGKILL) at points spread over its run: the
// file at its path, looked at before any program of ours opens it again, is
// the old file byte for byte, or the whole transaction that other readers
// (mdbtools among them) read whole.
TEST_F(ReplacementTest, AKillAnywhereLeavesTheOldFileOrTheWholeTransaction)
{
    const auto runOnce = [&] {
        auto db = OpenForWriting();
        if (db == nullptr || !AddRows(*db, 400, "KL").ok() || !db->Close().ok())
            ::_exit(3);
        ::_exit(0);
    };
    // How long a run takes, to spread the kills over it.
    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = ::fork();
    ASSERT_GE(timed, 0);
    if (timed == 0)
        runOnce();
    int status = 0;
    ASSERT_EQ(::waitpid(timed, &status, 0), timed);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto runTime = std::chrono::steady_clock::now() - started;
    const auto finished = ReadFileBytes(m_path);
    ASSERT_NE(finished, m_original);

    constexpr int kPoints = 8;
    int old = 0;
    int whole = 0;
    for (int point = 0; point < kPoints; ++point) {
        SCOPED_TRACE(point);
        std::FILE* restore = std::fopen(m_path.c_str(), "wb");
        ASSERT_NE(restore, nullptr);
        ASSERT_EQ(std::fwrite(m_original.data(), 1, m_original.size(), restore), m_original.size());
        std::fclose(restore);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            runOnce();
        std::this_thread::sleep_for(runTime * (point + 1) / (kPoints + 1));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const auto bytes = ReadFileBytes(m_path);
        if (bytes == m_original) {
            ++old;
            continue;
        }
        ++whole;
        EXPECT_FALSE(Exists(m_path + "-journal")) << "nothing to undo in the file";
        EXPECT_EQ(RowsAt(m_path), kFixtureRows + 400);
        if (MdbToolsAvailable()) {
            EXPECT_EQ(MdbExportRowCount(m_path, std::string("PAF_FULLAddress")), static_cast<int>(kFixtureRows) + 400);
        }
    }
    std::printf("%d kills left the old file, %d the whole transaction\n", old, whole);
    EXPECT_GT(old, 0);
}

} // namespace
} // namespace jet::test
