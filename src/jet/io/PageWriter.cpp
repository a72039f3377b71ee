#include "io/PageWriter.h"

#include <algorithm>
#include <cstring>
#include <pthread.h>

namespace jet {

namespace {

// Pages per write call: long enough to save most of the per-call cost.
constexpr size_t kMaxRunPages = 64;

} // namespace

void WriteBatch::Clear()
{
    pages.clear();
    images.clear();
    journalPages.clear();
    transactionPageCount = 0;
    commit = false;
}

void WriteBatch::Add(PageNumber n, const uint8_t* image)
{
    pages.push_back(n);
    images.insert(images.end(), image, image + kPageSize);
}

const uint8_t* WriteBatch::Find(PageNumber n) const
{
    const auto it = std::lower_bound(pages.begin(), pages.end(), n);
    if (it == pages.end() || *it != n)
        return nullptr;
    return images.data() + static_cast<size_t>(it - pages.begin()) * kPageSize;
}

Status WriteBatchToFile(File& file, const WriteBatch& batch, uint64_t& end)
{
    for (size_t i = 0; i < batch.pages.size();) {
        size_t stop = i + 1;
        while (stop < batch.pages.size() && stop - i < kMaxRunPages && batch.pages[stop] == batch.pages[stop - 1] + 1)
            ++stop;
        const uint64_t offset = static_cast<uint64_t>(batch.pages[i]) * kPageSize;
        JET_RETURN_IF_ERROR(file.Write(offset, batch.images.data() + i * kPageSize, (stop - i) * kPageSize));
        end = std::max<uint64_t>(end, offset + (stop - i) * kPageSize);
        i = stop;
    }
    return Status::OK();
}

Status WriteBatchJournaled(File& file, JournalWriter* journal, const WriteBatch& batch, uint64_t& end,
                           bool& journalSaved)
{
    journalSaved = false;
    if (journal != nullptr && !batch.journalPages.empty()) {
        // The originals are durable before the first page is overwritten.
        JET_RETURN_IF_ERROR(journal->Append(file, batch.journalPages, batch.transactionPageCount));
    }
    journalSaved = true;
    JET_RETURN_IF_ERROR(WriteBatchToFile(file, batch, end));
    if (!batch.commit)
        return Status::OK();
    JET_RETURN_IF_ERROR(file.Sync());
    return journal != nullptr ? journal->Commit() : Status::OK();
}

BackgroundWriter::BackgroundWriter(File& file, JournalWriter* journal)
    : m_file(file)
    , m_journal(journal)
    , m_thread([this] { Run(); })
{
}

BackgroundWriter::~BackgroundWriter()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundWriter::Start(WriteBatch batch)
{
    m_inHand = std::make_shared<WriteBatch>(std::move(batch));
    {
        std::lock_guard lock(m_mutex);
        m_pending = m_inHand;
        m_writing.store(true, std::memory_order_release);
        m_status = Status::OK();
    }
    m_changed.notify_all();
}

Status BackgroundWriter::Wait(WriteBatch& done, uint64_t& end)
{
    if (!m_inHand)
        return Status::OK();
    Status status;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pending == nullptr; });
        end = std::max(end, m_end);
        status = m_status;
    }
    done = std::move(*m_inHand);
    if (m_journalSaved)
        done.journalPages.clear();
    m_inHand.reset();
    return status;
}

void BackgroundWriter::Run()
{
    // Named for profilers and for `top -H`.
    ::pthread_setname_np(::pthread_self(), "jet-writer");
    std::unique_lock lock(m_mutex);
    for (;;) {
        // A batch given before the stop is still written.
        m_changed.wait(lock, [this] { return m_pending != nullptr || m_stop; });
        if (m_pending == nullptr)
            return;
        const std::shared_ptr<const WriteBatch> batch = m_pending;
        lock.unlock();
        uint64_t end = 0;
        bool journalSaved = false;
        Status status = WriteBatchJournaled(m_file, m_journal, *batch, end, journalSaved);
        lock.lock();
        m_status = std::move(status);
        m_journalSaved = journalSaved;
        m_end = std::max(m_end, end);
        m_pending.reset();
        m_writing.store(false, std::memory_order_release);
        m_changed.notify_all();
    }
}

} // namespace jet
