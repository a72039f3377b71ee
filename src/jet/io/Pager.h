#pragma once

#include "io/File.h"
#include "io/PageStore.h"
#include "io/PageWriter.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <deque>
#include <vector>

namespace jet {

struct PagerOptions {
    bool readOnly = true;
    size_t cachePages = 16384;
    uint32_t encryptionKey = 0; // non-zero: every page but page 0 is RC4-encrypted on disk
    // With a journal: row changes after which a transaction commits at the
    // start of the next one (twice as many while the last commit is still
    // being written).
    uint32_t rowsPerCommit = 4096;
};

// The page cache between the engine and the file. Pages are decrypted on the
// way in and encrypted on the way out; changed pages stay in the cache until
// Flush() or until the cache must evict one of them. Then every changed page
// goes out in one batch, in page order, written by a thread of its own while
// the work goes on; the pages stay cached, and a page needed again before its
// batch is written is taken from the batch. A batch that fails is kept and
// written again with the next one; its error is returned by the next
// eviction that waits for it, while Flush() writes its pages again at once.
//
// With a journal, the changes between two commits form a transaction that
// reaches the file whole or not at all: every batch first saves the original
// of each page it overwrites for the first time in the transaction (see
// Journal.h). Flush() commits; so does the start of a row change once the
// transaction holds rowsPerCommit row changes (twice as many while the last
// commit is still on its way) or has saved a cache's worth of originals, so a
// long run of writes commits in batches, each atomic.
// Those commits run on the writer thread while the next transaction goes on
// in the cache; its first batch waits for them.
class Pager final : public PageStore {
public:
    // Takes ownership of `file`. `path` is used in error descriptions. A file
    // whose size is not a whole number of pages is refused as unrecognized.
    // `journal` (writable files only; may be null) makes writes atomic per
    // transaction.
    static Result<std::unique_ptr<Pager>> Open(std::unique_ptr<File> file, const std::string& path,
                                               const PagerOptions& options,
                                               std::unique_ptr<JournalWriter> journal = nullptr);
    ~Pager() override;

    Status ReadPage(PageNumber n, Page& out) override;
    Result<const Page*> ViewPage(PageNumber n) override { return View(n); }
    Status WritePage(PageNumber n, const Page& page) override;
    Result<PageNumber> AllocatePage(const Page& page) override;
    uint32_t PageCount() const override { return m_pageCount; }
    std::optional<uint64_t> PageVersion(PageNumber n) const override
    {
        return n < m_versions.size() ? m_versions[n] : 0;
    }

    // Page `n` without copying. The pointer stays valid until the next call
    // on the pager.
    Result<const Page*> View(PageNumber n);
    // Writable page `n`, marked changed. Valid until the next call on the pager.
    Result<Page*> Modify(PageNumber n);

    // Called after a page has been appended, to record it as used in the
    // global free-page map. Set by the database once page 1 is understood.
    void SetAllocationHook(std::function<Status(PageNumber)> hook) { m_allocationHook = std::move(hook); }

    // Page encryption key from the header; changes how pages after page 0
    // are read from now on.
    void SetEncryptionKey(uint32_t key) { m_options.encryptionKey = key; }

    // ---- Changes as a unit (one committed row) ----
    // Starts remembering the original of every page changed and every page
    // appended until CommitChange() or RollbackChange(). With a journal,
    // first commits the transaction when it is due; a failure to commit is
    // returned and no change begins.
    Status BeginChange();
    // Keeps the changes; they reach the file on Flush() (or eviction).
    void CommitChange();
    // Puts every page changed since BeginChange() back as it was and forgets
    // appended pages, so a refused or failed row leaves no trace.
    void RollbackChange();
    bool InChange() const { return m_inChange; }

    // A page proven free (given back by the engine): AllocatePage() reuses
    // such pages before it appends.
    void ReleasePage(PageNumber n) { m_reusable.push_back(n); }

    // Writes every changed page and syncs the file: with a journal, commits
    // the transaction. A page that could not be written stays changed, so a
    // later Flush() retries it (the transaction stays open meanwhile).
    Status Flush();
    // Flushes for the last time and removes the journal. When the flush
    // fails, the file is rolled back to the last commit (with a journal) and
    // the flush's error returned; a journal that cannot be played back now is
    // left for the next open to play back.
    Status Close();
    // Waits until the batch on the writer thread (if any) is written.
    Status FinishWrites() { return FinishBackgroundWrite(); }
    // Ends the writer's hold on the file once nothing more will be written.
    void ReleaseFile() { m_file->Unlock(); }
    bool IsReadOnly() const { return m_options.readOnly; }
    bool HasChanges() const
    {
        return m_dirtyCount > 0 || !m_unwritten.Empty() || (m_writer != nullptr && m_writer->InHand() != nullptr);
    }
    const std::string& path() const { return m_path; }

    // Counters for tests and benchmarks.
    uint64_t pagesRead() const { return m_pagesRead; }
    uint64_t pagesWritten() const { return m_pagesWritten; }
    uint64_t commits() const { return m_commits; }
    uint64_t journalBytes() const { return m_journal ? m_journal->bytesWritten() : 0; }

private:
    // The cache replaces pages by the clock algorithm with credits: a hit
    // gives a page credit, the hand takes one away and evicts the first page
    // without any. Index, definition and map pages earn more credit than data
    // pages: they are few and visited again and again, while a merge touches
    // most data pages once.
    // A frame's state is kept apart from its page, so that the clock's sweep
    // and the search for changed pages read small records kept together
    // rather than one cache line (and one memory page) per frame.
    struct Frame {
        Page* page = nullptr; // in m_pageData
        PageNumber number = 0;
        bool used = false;
        bool dirty = false;
        uint8_t credit = 0;
    };
    static constexpr uint8_t kMaxCredit = 3;
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount,
          std::unique_ptr<JournalWriter> journal);

    Result<Frame*> Load(PageNumber n);
    Result<Frame*> TakeFrame(PageNumber n);
    Frame* Cached(PageNumber n);
    void MapFrame(PageNumber n, uint32_t index);
    void Crypt(PageNumber n, uint8_t* page) const;
    // Every changed page, with the pages of a failed batch that have not
    // changed since, as a batch; the frames count as unchanged from now on.
    void CollectChangedPages(WriteBatch& batch);
    // Writes every changed page, on the writer thread or before returning.
    // Pages whose write fails are kept in m_unwritten.
    Status WriteChangedPages(bool inBackground);
    // Waits for the batch on the writer thread.
    Status FinishBackgroundWrite();
    // Starts the writer thread when there is none; false when none can be had.
    bool EnsureWriter();
    // Commits on the writer thread: the last pages of the transaction, the
    // sync and the journal's commit go there, and the next transaction begins
    // at once in the cache. Its first batch waits for the commit.
    Status CommitInBackground();
    // Begins the next transaction after a commit.
    void StartTransaction();
    Status ReadOnlyError() const;
    // Chooses the pages of `batch` whose originals the journal must save.
    void ChooseJournalPages(WriteBatch& batch);
    // A batch that failed: originals it did not save must be saved again.
    void KeepFailedBatch(WriteBatch&& batch);
    void RememberOriginal(PageNumber n, const Frame& frame);
    void DropFrame(uint32_t index);
    // Gives page `n` a new version stamp; called wherever its content changes.
    void Touch(PageNumber n);

    std::unique_ptr<File> m_file;
    std::unique_ptr<JournalWriter> m_journal; // before m_writer, which uses it
    std::string m_path;
    PagerOptions m_options;
    uint32_t m_pageCount = 0;
    std::deque<Frame> m_frames;  // frames never move, so a frame pointer stays good while the cache fills
    std::deque<Page> m_pageData; // the frames' pages
    std::vector<uint32_t> m_frameOf; // page number -> frame index, kNone when not cached
    std::vector<uint64_t> m_versions; // page number -> version stamp (0: unchanged since opening)
    uint64_t m_versionClock = 0;
    uint32_t m_hand = 0;
    size_t m_dirtyCount = 0;
    std::function<Status(PageNumber)> m_allocationHook;
    bool m_inAllocationHook = false;
    uint64_t m_fileSize = 0; // bytes in the file as last known

    bool m_inChange = false;
    uint32_t m_pageCountAtBegin = 0;
    // Originals of the pages changed in the current change; the buffers are
    // kept for the next change so a row costs no allocation.
    std::vector<std::pair<PageNumber, std::unique_ptr<Page>>> m_originals;
    size_t m_originalCount = 0;
    std::vector<PageNumber> m_reusable;
    std::vector<PageNumber> m_reusableAtBegin;
    std::vector<uint32_t> m_writeOrder;
    WriteBatch m_unwritten;    // pages of a batch whose write failed
    WriteBatch m_spare;        // buffers of the last batch written, for the next
    bool m_unsynced = false;   // written to the file since the last sync
    std::unique_ptr<BackgroundWriter> m_writer; // after m_file: finishes before the file closes
    uint64_t m_pagesRead = 0;
    uint64_t m_pagesWritten = 0;

    // The open transaction (with a journal).
    uint32_t m_transactionPageCount = 0; // pages when it began; later pages need no original
    std::vector<bool> m_journaled;       // page number -> original saved (or chosen to be)
    size_t m_journaledCount = 0;
    uint32_t m_rowsSinceCommit = 0;
    // A commit on the writer thread that failed: the transaction can no
    // longer be completed, only rolled back (on Close()).
    Status m_failure;
    uint64_t m_commits = 0;
};

} // namespace jet
