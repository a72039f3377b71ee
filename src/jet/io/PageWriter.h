#pragma once

#include "io/File.h"
#include "io/Journal.h"
#include "io/PageStore.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace jet {

// Page images on their way to the file, in ascending page order, exactly as
// they are to be stored (encrypted where the file is).
struct WriteBatch {
    std::vector<PageNumber> pages;
    std::vector<uint8_t> images; // pages.size() * kPageSize bytes
    // Pages whose originals go to the journal before any page is written
    // (ascending), and the transaction's page count.
    std::vector<PageNumber> journalPages;
    uint32_t transactionPageCount = 0;
    // After the pages: sync the file and commit the journal's transaction.
    bool commit = false;

    bool Empty() const { return pages.empty(); }
    void Clear();
    void Add(PageNumber n, const uint8_t* image);
    // The image of page `n`, or nullptr when the batch does not hold it.
    const uint8_t* Find(PageNumber n) const;
    uint8_t* Find(PageNumber n) { return const_cast<uint8_t*>(std::as_const(*this).Find(n)); }
};

// Writes `batch`, consecutive pages with one call each. On success `end`
// is raised to the end of the last page written.
Status WriteBatchToFile(File& file, const WriteBatch& batch, uint64_t& end);

// Saves the originals of the batch's journal pages in `journal` (when not
// null), then writes the batch, and for a commit batch syncs the file and
// commits the journal. `journalSaved` tells whether the originals were saved,
// whatever the outcome of the rest.
Status WriteBatchJournaled(File& file, JournalWriter* journal, const WriteBatch& batch, uint64_t& end,
                           bool& journalSaved);

// Writes one batch at a time on a thread of its own, so that handing pages to
// the system overlaps the caller's work. Batches are written in the order
// they are given; the caller waits for one before giving the next.
class BackgroundWriter {
public:
    // Starts the thread; throws std::system_error when none can be had.
    // `journal` (may be null) saves originals before each batch is written.
    BackgroundWriter(File& file, JournalWriter* journal);
    // Waits for the batch in hand.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // REQUIRES: no batch in hand (Wait() was called since the last Start()).
    void Start(WriteBatch batch);
    // The batch being written, or nullptr. Only the caller's thread may ask,
    // and only until its next Wait().
    const WriteBatch* InHand() const { return m_inHand.get(); }
    // Whether the thread is still writing the batch in hand (any thread may
    // ask; the answer can be out of date at once).
    bool Writing() const { return m_writing.load(std::memory_order_acquire); }
    // Waits until the batch in hand is written, moves it to `done` (its
    // buffers can be used again; on failure its pages are still to be
    // written, and its journal pages are cleared when their originals were
    // saved) and returns the outcome. `end` is raised as WriteBatchToFile
    // raises it. OK, with `done` untouched, when there was no batch.
    Status Wait(WriteBatch& done, uint64_t& end);

private:
    void Run();

    File& m_file;
    JournalWriter* m_journal;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // The batch is shared read-only between the caller (to read pages back)
    // and the thread; everything else here is guarded by m_mutex.
    std::shared_ptr<WriteBatch> m_inHand; // caller's: started, not yet waited for
    std::shared_ptr<const WriteBatch> m_pending; // the thread's: still to write
    bool m_stop = false;
    std::atomic<bool> m_writing{false};
    Status m_status;
    bool m_journalSaved = false;
    uint64_t m_end = 0;
    std::thread m_thread; // last: starts once everything it uses exists
};

} // namespace jet
