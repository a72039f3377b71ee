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
};

// The page cache between the engine and the file. Pages are decrypted on the
// way in and encrypted on the way out; changed pages stay in the cache until
// Flush() or until the cache must evict one of them. Then every changed page
// goes out in one batch, in page order, written by a thread of its own while
// the work goes on; the pages stay cached, and a page needed again before its
// batch is written is taken from the batch. A batch that fails is kept and
// written again with the next one; its error is returned by the next
// eviction that waits for it, while Flush() writes its pages again at once. Every batch goes through
// one function (WriteChangedPages), the place where a rollback journal saving
// original pages would hook in.
class Pager final : public PageStore {
public:
    // Takes ownership of `file`. `path` is used in error descriptions. A file
    // whose size is not a whole number of pages is refused as unrecognized.
    static Result<std::unique_ptr<Pager>> Open(std::unique_ptr<File> file, const std::string& path,
                                               const PagerOptions& options);
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
    // appended until CommitChange() or RollbackChange().
    void BeginChange();
    // Keeps the changes; they reach the file on Flush() (or eviction).
    void CommitChange();
    // Puts every page changed since BeginChange() back as it was and forgets
    // appended pages, so a refused or failed row leaves no trace.
    void RollbackChange();
    bool InChange() const { return m_inChange; }

    // A page proven free (given back by the engine): AllocatePage() reuses
    // such pages before it appends.
    void ReleasePage(PageNumber n) { m_reusable.push_back(n); }

    // Writes every changed page and syncs the file. A page that could not be
    // written stays changed, so a later Flush() retries it.
    Status Flush();
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

private:
    // The cache replaces pages by the clock algorithm with credits: a hit
    // gives a page credit, the hand takes one away and evicts the first page
    // without any. Index, definition and map pages earn more credit than data
    // pages: they are few and visited again and again, while a merge touches
    // most data pages once.
    struct Frame {
        Page page;
        PageNumber number = 0;
        bool used = false;
        bool dirty = false;
        uint8_t credit = 0;
    };
    static constexpr uint8_t kMaxCredit = 3;
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount);

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
    Status ReadOnlyError() const;
    void RememberOriginal(PageNumber n, const Frame& frame);
    void DropFrame(uint32_t index);
    // Gives page `n` a new version stamp; called wherever its content changes.
    void Touch(PageNumber n);

    std::unique_ptr<File> m_file;
    std::string m_path;
    PagerOptions m_options;
    uint32_t m_pageCount = 0;
    std::deque<Frame> m_frames;
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
};

} // namespace jet
