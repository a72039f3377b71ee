// The pager's transactions: nothing reaches the file before the commit while
// the cache holds the changes; changed pages leave together when it fills,
// and a write that fails is written again by the next flush.
#include "io/Pager.h"
#include "io/MemoryFile.h"

#include "helpers/FaultyFile.h"

#include <gtest/gtest.h>

namespace jet {
namespace {

constexpr uint32_t kPages = 64;
constexpr size_t kCache = 16;

uint8_t Marker(PageNumber n, int round)
{
    return static_cast<uint8_t>(n * 7 + round * 3 + 1);
}

class PagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bytes = std::make_shared<std::vector<uint8_t>>(kPages * kPageSize, 0);
        auto file = std::make_unique<test::FaultyFile>(std::make_unique<MemoryFile>(m_bytes));
        m_file = file.get();
        auto pager = Pager::Open(std::move(file), "mem", {.readOnly = false, .cachePages = kCache});
        ASSERT_TRUE(pager.ok());
        m_pager = std::move(pager).value();
    }

    // Fills page `n` (its first byte marks it as a data page) with its marker.
    void Change(PageNumber n, int round)
    {
        auto page = m_pager->Modify(n);
        ASSERT_TRUE(page.ok()) << page.status().ToString();
        (**page).fill(Marker(n, round));
        (**page)[0] = 0x01;
    }

    void ExpectPage(PageNumber n, int round)
    {
        auto page = m_pager->View(n);
        ASSERT_TRUE(page.ok()) << page.status().ToString();
        EXPECT_EQ((**page)[1], Marker(n, round)) << "page " << n;
        EXPECT_EQ((**page)[kPageSize - 1], Marker(n, round)) << "page " << n;
    }

    uint8_t OnFile(PageNumber n) const { return (*m_bytes)[n * kPageSize + 1]; }

    std::shared_ptr<std::vector<uint8_t>> m_bytes;
    test::FaultyFile* m_file = nullptr;
    std::unique_ptr<Pager> m_pager;
};

TEST_F(PagerTest, NothingReachesTheFileBeforeTheCommitWhileTheCacheHoldsIt)
{
    EXPECT_EQ(m_pager->state(), PagerState::kClean);
    for (PageNumber n = 1; n <= kCache; ++n)
        Change(n, 1);
    EXPECT_EQ(m_pager->state(), PagerState::kCached);
    for (PageNumber n = 1; n <= kCache; ++n)
        EXPECT_EQ(OnFile(n), 0) << "page " << n;
    EXPECT_EQ(m_file->syncCount(), 0);
    ASSERT_TRUE(m_pager->Flush().ok());
    EXPECT_EQ(m_pager->state(), PagerState::kClean);
    for (PageNumber n = 1; n <= kCache; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_EQ(m_file->syncCount(), 1);
    ASSERT_TRUE(m_pager->Flush().ok());
    EXPECT_EQ(m_file->syncCount(), 1) << "nothing new: no second sync";
}

TEST_F(PagerTest, ChangedPagesLeaveTogetherWhenTheCacheFillsAndReadBackFromTheFile)
{
    for (PageNumber n = 1; n <= kCache; ++n)
        Change(n, 1);
    // The cache is full of changed pages: the next page read sends them all
    // out (no copy may be made here, so into the file).
    ASSERT_TRUE(m_pager->View(kCache + 1).ok());
    EXPECT_EQ(m_pager->state(), PagerState::kSpilled);
    for (PageNumber n = 1; n <= kCache; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_EQ(m_file->syncCount(), 0) << "a spill is no commit";
    for (PageNumber n = 30; n < 30 + kCache; ++n)
        ASSERT_TRUE(m_pager->View(n).ok());
    for (PageNumber n = 1; n <= kCache; ++n)
        ExpectPage(n, 1);
    ASSERT_TRUE(m_pager->Flush().ok());
    EXPECT_EQ(m_file->syncCount(), 1);
}

TEST_F(PagerTest, AFailedWriteIsReportedAndWrittenAgain)
{
    m_file->FailWritesAfter(0);
    for (PageNumber n = 1; n <= kCache; ++n)
        Change(n, 1);
    // The next page needs a frame: the changed pages leave, and fail.
    auto page = m_pager->Modify(kCache + 1);
    EXPECT_EQ(page.status().kind(), Status::Kind::kIOError);
    // The failed pages are still readable as changed...
    for (PageNumber n = 1; n <= kCache; ++n)
        ExpectPage(n, 1);
    EXPECT_TRUE(m_pager->HasChanges());
    // ...and reach the file once it takes writes again.
    m_file->FailWritesAfter(UINT64_MAX);
    Change(kCache + 1, 1);
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n <= kCache + 1; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_FALSE(m_pager->HasChanges());
}

TEST_F(PagerTest, AbandoningPutsNothingOfTheTransactionInTheFile)
{
    for (PageNumber n = 1; n <= kCache / 2; ++n)
        Change(n, 1);
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n <= kCache / 2; ++n)
        Change(n, 2);
    ASSERT_TRUE(m_pager->Abandon().ok());
    for (PageNumber n = 1; n <= kCache / 2; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_EQ(m_pager->state(), PagerState::kClosed);
    EXPECT_FALSE(m_pager->View(1).ok());
}

TEST_F(PagerTest, ARolledBackChangeNeverReachesTheFileEvenWhenWritesFail)
{
    m_file->FailWritesAfter(0);
    ASSERT_TRUE(m_pager->BeginChange().ok());
    // Far more pages than the cache holds, so the changed pages must leave
    // it, and their writes fail.
    bool refused = false;
    for (PageNumber n = 1; n < kPages; ++n) {
        auto page = m_pager->Modify(n);
        if (page.ok())
            (**page).fill(0xEE);
        refused = refused || !page.ok();
    }
    EXPECT_TRUE(refused) << "a change that cannot leave the cache is refused";
    m_pager->RollbackChange();
    m_file->FailWritesAfter(UINT64_MAX);
    // Either the transaction survived (nothing reached the file) and commits
    // the rolled-back state, or it failed and closing undoes it.
    if (m_pager->state() == jet::PagerState::kFailed) {
        EXPECT_FALSE(m_pager->Flush().ok());
        EXPECT_FALSE(m_pager->Close().ok());
    } else {
        ASSERT_TRUE(m_pager->Flush().ok());
    }
    for (PageNumber n = 1; n < kPages; ++n)
        EXPECT_EQ(OnFile(n), 0) << "page " << n;
}

TEST_F(PagerTest, ThePageChangedLastWins)
{
    // Each round changes every page again; batches of earlier rounds must
    // never overwrite a later round on the file.
    for (int round = 1; round <= 4; ++round) {
        for (PageNumber n = 1; n < kPages; ++n)
            Change(n, round);
    }
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n < kPages; ++n) {
        EXPECT_EQ(OnFile(n), Marker(n, 4)) << "page " << n;
        ExpectPage(n, 4);
    }
}

} // namespace
} // namespace jet
