// The page cache: changed pages leave in batches written on a thread of
// their own; until a batch is on the file its pages are read from it, and a
// batch that fails is written again with the next one.
#include "io/MemoryFile.h"
#include "io/Pager.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace jet {
namespace {

// A file whose writes wait while the gate is shut.
class GatedFile final : public File {
public:
    explicit GatedFile(std::shared_ptr<std::vector<uint8_t>> bytes)
        : m_file(std::move(bytes))
    {
    }
    void Shut()
    {
        std::lock_guard lock(m_mutex);
        m_open = false;
    }
    void Open()
    {
        {
            std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_changed.notify_all();
    }
    // Blocks until a write is waiting at the gate.
    void WaitForWriter()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting > 0; });
    }
    MemoryFile& inner() { return m_file; }

    Status Read(uint64_t offset, uint8_t* out, size_t length) override { return m_file.Read(offset, out, length); }
    Status Write(uint64_t offset, const uint8_t* data, size_t length) override
    {
        {
            std::unique_lock lock(m_mutex);
            ++m_waiting;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_open; });
            --m_waiting;
        }
        return m_file.Write(offset, data, length);
    }
    Result<uint64_t> Size() override { return m_file.Size(); }
    Status Truncate(uint64_t size) override { return m_file.Truncate(size); }
    Status Sync() override { return m_file.Sync(); }

private:
    MemoryFile m_file;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = true;
    int m_waiting = 0;
};

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
        auto file = std::make_unique<GatedFile>(m_bytes);
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
    GatedFile* m_file = nullptr;
    std::unique_ptr<Pager> m_pager;
};

TEST_F(PagerTest, PagesOnTheirWayToTheFileReadBackFromTheirBatch)
{
    for (PageNumber n = 1; n <= kCache; ++n)
        Change(n, 1);
    m_file->Shut();
    // The cache is full of changed pages: the next page read sends them all out.
    ASSERT_TRUE(m_pager->View(kCache + 1).ok());
    m_file->WaitForWriter();
    EXPECT_EQ(OnFile(1), 0) << "the batch is held at the gate";
    // Reading other pages evicts the batch's pages from the cache; they come
    // back from the batch, not from the stale file.
    for (PageNumber n = 30; n < 30 + kCache; ++n)
        ASSERT_TRUE(m_pager->View(n).ok());
    for (PageNumber n = 1; n <= kCache; ++n)
        ExpectPage(n, 1);
    m_file->Open();
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n <= kCache; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_EQ(m_file->inner().syncCount(), 1);
}

TEST_F(PagerTest, AFailedBatchIsReportedAndWrittenAgain)
{
    m_file->inner().FailWritesAfter(0);
    for (PageNumber n = 1; n <= kCache + 1; ++n)
        Change(n, 1); // the last one starts a batch that fails
    // Its failure comes with the next batch or the flush, whichever is first.
    Status failure;
    for (PageNumber n = 20; n < 20 + 3 * kCache && failure.ok(); ++n) {
        auto page = m_pager->Modify(n);
        failure = page.status();
    }
    EXPECT_EQ(failure.kind(), Status::Kind::kIOError);
    // The failed pages are still readable as changed...
    for (PageNumber n = 1; n <= kCache; ++n)
        ExpectPage(n, 1);
    EXPECT_TRUE(m_pager->HasChanges());
    // ...and reach the file once it takes writes again.
    m_file->inner().FailWritesAfter(UINT64_MAX);
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n <= kCache + 1; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_FALSE(m_pager->HasChanges());
}

TEST_F(PagerTest, ARolledBackChangeNeverReachesTheFileEvenWhenBatchesFail)
{
    m_file->inner().FailWritesAfter(0);
    ASSERT_TRUE(m_pager->BeginChange().ok());
    // Far more pages than the cache holds, so batches (failing ones) carry
    // pages of the change away, and the rollback must fetch them back.
    for (PageNumber n = 1; n < kPages; ++n) {
        auto page = m_pager->Modify(n);
        if (page.ok())
            (**page).fill(0xEE);
    }
    m_pager->RollbackChange();
    m_file->inner().FailWritesAfter(UINT64_MAX);
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n < kPages; ++n) {
        EXPECT_EQ(OnFile(n), 0) << "page " << n;
        auto page = m_pager->View(n);
        ASSERT_TRUE(page.ok());
        EXPECT_EQ((**page)[1], 0) << "page " << n;
    }
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

TEST_F(PagerTest, AFlushSyncsWhatBatchesWroteEvenWithNothingLeftToWrite)
{
    for (PageNumber n = 1; n <= kCache; ++n)
        Change(n, 1);
    // Reading another page sends every changed page out; none is left.
    for (PageNumber n = 40; n < 40 + kCache; ++n)
        ASSERT_TRUE(m_pager->View(n).ok());
    ASSERT_TRUE(m_pager->Flush().ok());
    for (PageNumber n = 1; n <= kCache; ++n)
        EXPECT_EQ(OnFile(n), Marker(n, 1)) << "page " << n;
    EXPECT_EQ(m_file->inner().syncCount(), 1);
    ASSERT_TRUE(m_pager->Flush().ok());
    EXPECT_EQ(m_file->inner().syncCount(), 1) << "nothing new: no second sync";
}

} // namespace
} // namespace jet
