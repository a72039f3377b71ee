// The journal on a real disk: a process that dies in the middle of a write
// leaves a hot journal beside the file; the next open plays it back, a
// check reports it, pafdm-jet recover plays it back by hand.

#include "helpers/ExternalTools.h"
#include "helpers/Fixtures.h"
#include "helpers/TempDir.h"

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace jet::test {
namespace {

class JournalFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FixturesAvailable())
            GTEST_SKIP() << "shared fixtures not present";
        m_path = m_dir.CopyFixture("fixtures/jet4/dataset/PAF_FULL.dat", "PAF_FULL.dat");
        m_journal = m_path + "-journal";
        m_original = Contents();
        ASSERT_FALSE(m_original.empty());
    }

    // A child process writes rows through a small cache, so pages reach the
    // file, and dies before it commits.
    void DieInTheMiddleOfAWrite() const
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto db = jet::Database::OpenFile(m_path, "tallowmere", {.cachePages = 24});
            if (!db.ok())
                ::_exit(3);
            auto rs =
                jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
            for (int i = 0; rs.ok() && i < 300; ++i) {
                (void)(*rs)->AddNew();
                (void)(*rs)->SetField("FT_PostCode", jet::Value(jet::Utf8ToUtf16("KK" + std::to_string(i))));
                (void)(*rs)->SetField("FT_Address", jet::Value(std::u16string(1200, u'k')));
                if (!(*rs)->Update().ok())
                    ::_exit(4);
            }
            ::_exit(0); // no close, no commit: as if killed
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_TRUE(std::filesystem::exists(m_journal));
        ASSERT_NE(Contents(), m_original) << "pages of the unfinished write reached the file";
    }

    std::vector<uint8_t> Contents() const { return ReadFileBytes(m_path); }

    TempDir m_dir;
    std::string m_path;
    std::string m_journal;
    std::vector<uint8_t> m_original;
};

TEST_F(JournalFileTest, TheNextOpenPlaysAnInterruptedWriteBack)
{
    DieInTheMiddleOfAWrite();
    auto found = jet::InspectJournal(m_path);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->kind, jet::JournalState::Kind::kHot);
    EXPECT_GT(found->pages, 0u);

    // Refused, untouched, where recovery is not wanted.
    auto refused = jet::Database::OpenFile(m_path, "tallowmere", {.readOnly = true, .recover = false});
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.status().description().find("needs recovery"), std::string::npos)
        << refused.status().description();
    EXPECT_TRUE(std::filesystem::exists(m_journal));

    // A reader's open plays it back and says so.
    auto db = jet::Database::OpenFile(m_path, "tallowmere", {.readOnly = true});
    ASSERT_TRUE(db.ok()) << db.status().ToString();
    EXPECT_TRUE((*db)->recovery().resolved);
    EXPECT_EQ((*db)->recovery().kind, jet::JournalState::Kind::kHot);
    EXPECT_NE((*db)->recovery().Describe(m_path).find("Rolled back an interrupted write"), std::string::npos);
    db->reset();
    EXPECT_FALSE(std::filesystem::exists(m_journal));
    EXPECT_EQ(Contents(), m_original);
    EXPECT_TRUE(JetCheckPasses(m_path, std::string("tallowmere")));
}

TEST_F(JournalFileTest, CheckReportsItAndRecoverPlaysItBack)
{
    DieInTheMiddleOfAWrite();
    const std::string path = m_path;
    const ProcessResult check = RunProgram(JetToolPath(), {"check", path, "--password", "tallowmere"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(Contains(check.out, std::string("needs recovery"))) << check.out;
    EXPECT_TRUE(std::filesystem::exists(m_journal)) << "check changes nothing";

    const ProcessResult recover = RunProgram(JetToolPath(), {"recover", path});
    EXPECT_EQ(recover.exitCode, 0) << recover.err;
    EXPECT_TRUE(Contains(recover.out, std::string("Rolled back an interrupted write"))) << recover.out;
    EXPECT_FALSE(std::filesystem::exists(m_journal));
    EXPECT_EQ(Contents(), m_original);

    const ProcessResult again = RunProgram(JetToolPath(), {"recover", path});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(Contains(again.out, std::string("No journal"))) << again.out;
    EXPECT_TRUE(JetCheckPasses(path, std::string("tallowmere")));
    if (MdbToolsAvailable()) {
        EXPECT_EQ(MdbExportRowCount(path, std::string("PAF_FULLAddress")), 3000);
    }
}

TEST_F(JournalFileTest, ACleanCloseLeavesNoJournalAndAStaleOneIsRemoved)
{
    {
        auto db = jet::Database::OpenFile(m_path, "tallowmere");
        ASSERT_TRUE(db.ok());
        auto rs = jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kDynamic, jet::LockType::kOptimistic);
        ASSERT_TRUE(rs.ok());
        ASSERT_TRUE((*rs)->AddNew().ok());
        ASSERT_TRUE((*rs)->SetField("FT_PostCode", jet::Value(std::u16string(u"ZZ1 1ZZ"))).ok());
        ASSERT_TRUE((*rs)->Update().ok());
        ASSERT_TRUE((*rs)->Close().ok());
        ASSERT_TRUE((*db)->Close().ok());
    }
    EXPECT_FALSE(std::filesystem::exists(m_journal));

    // A journal without a whole header holds nothing to undo.
    {
        std::ofstream stale(m_journal, std::ios::binary);
        stale << "JETJRNL1 torn";
        ASSERT_TRUE(stale.good());
    }
    const std::vector<uint8_t> before = Contents();
    auto db = jet::Database::OpenFile(m_path, "tallowmere", {.readOnly = true});
    ASSERT_TRUE(db.ok());
    EXPECT_EQ((*db)->recovery().kind, jet::JournalState::Kind::kStale);
    EXPECT_FALSE(std::filesystem::exists(m_journal));
    EXPECT_EQ(Contents(), before);
}

} // namespace
} // namespace jet::test
