#pragma once

#include "io/File.h"
#include "io/Journal.h"
#include "io/PageCache.h"
#include "io/PageStore.h"
#include "io/Replacement.h"

#include <memory>
#include <string>
#include <vector>

namespace jet {

struct PagerOptions {
    bool readOnly = true;
    size_t cachePages = 16384;
    uint32_t encryptionKey = 0; // non-zero: every page but page 0 is RC4-encrypted on disk
    // A transaction that outgrows the cache goes on in a private copy of the
    // file, renamed over it at the commit (see Replacement.h), rather than
    // in the file under the journal.
    bool mayWriteBeside = false;
};

// How the pager stands towards its file. Every change between two commits
// is one transaction; the file at the path only ever holds the last commit,
// except in state kSpilled (see the rules below).
enum class PagerState {
    kReader,  // opened read-only: nothing is ever written
    kClean,   // no change since the last commit
    kCached,  // a transaction is open and all of it is in the cache
    kSpilled, // a transaction is open in place: part of it is in the file, every original in the journal
    kBeside,  // a transaction is open in a private copy: the file is untouched, part of it is in the copy
    kFailed,  // the transaction cannot be completed (its copy failed at the commit, or a row could not be
              // taken back): only Close() or Abandon() remain, which undo it
    kClosed,  // closed or abandoned: every call fails
};

// The page cache between the engine and the file, and the transactions that
// change the file. Pages are decrypted on the way in and encrypted on the way
// out. The rules, which every entry checks in debug builds:
//
//  1. A change made through Modify(), WritePage() or AllocatePage() opens a
//     transaction (kClean -> kCached). Flush() commits it; Close() commits it
//     and ends; Abandon() drops it and ends.
//  2. In kClean and kCached the file at the path holds exactly the last
//     commit, the journal holds nothing to undo, and no copy exists beyond
//     one being made for a transaction that may still need it.
//  3. A commit from kCached or kSpilled saves the original of every changed
//     page the file had when the transaction began (pages appended since
//     have none) in the journal and flushes it, writes the changed pages in
//     page order, flushes the file and only then wipes the journal's header.
//     So the file changes only in that window, and a crash within it leaves
//     a hot journal that puts the last commit back.
//  4. When the changed pages fill the cache, they leave it together: with
//     mayWriteBeside and a copy that can be made the same as the file, into
//     the copy (kCached -> kBeside), else into the file under the journal as
//     in rule 3 but without the last two steps (kCached -> kSpilled).
//  5. In kBeside the file at the path is never written. The commit writes
//     the changed pages to the copy, flushes it, renames it over the file
//     and flushes the folder: the rename is the commit point.
//  6. A write that fails keeps the pages it did not write changed in the
//     cache, and the transaction open: the next spill or Flush() writes them
//     again. Meanwhile the file may hold part of the transaction (kSpilled),
//     which the journal undoes should the program stop. Only a copy that
//     cannot be flushed or renamed, or a row change that cannot be taken back
//     because its pages cannot be read back, ends the transaction (kFailed).
//     Close() after a failed commit, and Abandon() at any time, put the file
//     back as the last commit left it.
//  7. Nothing is written from another thread: a commit happens exactly when
//     Flush() or Close() is called. (The copy of rule 4 may be made on a
//     thread of its own while the transaction goes on, since nothing is
//     written to the file meanwhile.)
class Pager final : public PageStore {
public:
    // Takes ownership of `file`. `path` names the file on disk (messages, the
    // copy's place). A file whose size is not a whole number of pages is
    // refused as unrecognized. `journal` (writable files only; may be null)
    // makes commits in place atomic.
    static Result<std::unique_ptr<Pager>> Open(std::unique_ptr<File> file, const std::string& path,
                                               const PagerOptions& options,
                                               std::unique_ptr<JournalWriter> journal = nullptr);
    ~Pager() override;

    Status ReadPage(PageNumber n, Page& out) override;
    Result<const Page*> ViewPage(PageNumber n) override { return View(n); }
    Status WritePage(PageNumber n, const Page& page) override;
    // A bare pager has no free-page map to consult or keep: it appends.
    // Writable databases allocate through page/PageAllocator instead.
    Result<PageNumber> AllocatePage(const Page& page) override { return AppendPage(page); }
    // Adds a page with content `page` at the end of the file.
    Result<PageNumber> AppendPage(const Page& page);
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

    // Page encryption key from the header; changes how pages after page 0
    // are read from now on.
    void SetEncryptionKey(uint32_t key) { m_options.encryptionKey = key; }

    // ---- Changes as a unit (one row) within the transaction ----
    // Starts remembering the original of every page changed and every page
    // appended until CommitChange() or RollbackChange(). (Writable databases
    // go through PageAllocator's, which also keeps its free pages right.)
    Status BeginChange();
    void CommitChange();
    // Puts every page changed since BeginChange() back as it was and forgets
    // appended pages, so a refused or failed row leaves no trace.
    void RollbackChange();

    // Says that the transaction under way will change about `pages` pages.
    // When that is more than the cache holds and the transaction may go
    // beside the file, the copy is started now, so that making it overlaps
    // the transaction's own work.
    void ExpectChanges(uint64_t pages);

    // Commits the open transaction (rules 3 and 5). Nothing to do in kClean.
    Status Flush();
    // Commits and ends. When the commit fails, the transaction is undone
    // (rule 6), its error returned; a journal that cannot be played back now
    // is left for the next open.
    Status Close();
    // Ends without committing: the file stays as the last commit left it.
    Status Abandon();
    // Ends the writer's hold on the file once nothing more will be written.
    void ReleaseFile() { m_file->Unlock(); }
    bool IsReadOnly() const { return m_options.readOnly; }
    bool HasChanges() const
    {
        return m_state == PagerState::kCached || m_state == PagerState::kSpilled || m_state == PagerState::kBeside;
    }
    PagerState state() const { return m_state; }
    const std::string& path() const { return m_path; }
    // Why the last transaction that outgrew the cache could not go beside
    // the file (empty when it could, or none did).
    const std::string& whyInPlace() const { return m_whyInPlace; }

    // Counters for tests and benchmarks.
    uint64_t commits() const { return m_commits; }
    uint64_t commitsBeside() const { return m_commitsBeside; }
    uint64_t journalBytes() const { return m_journal ? m_journal->bytesWritten() : 0; }
    uint64_t copyBytes() const { return m_copyBytes; }

private:
    using Frame = PageCache::Frame;

    Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount,
          std::unique_ptr<JournalWriter> journal);

    // Checks the rules that hold at every entry (debug builds).
    void CheckInvariants() const;
    Status Usable() const;
    Result<Frame*> Load(PageNumber n);
    // A frame for page `n`; a changed victim first sends every changed page
    // out (rule 4).
    Result<Frame*> TakeFrame(PageNumber n);
    void Crypt(PageNumber n, uint8_t* page) const;
    // Marks `frame` changed and opens the transaction (rule 1).
    void Changed(Frame& frame);
    // Rule 4.
    Status Spill();
    // Writes every changed page to `file` in page order and marks it clean.
    Status WriteChangedPages(File& file);
    // Saves the originals of the changed pages not yet saved (rule 3).
    Status JournalChangedPages();
    // Tries to move the open transaction into a copy; false (with
    // m_whyInPlace set) when it stays in place.
    Result<bool> GoBeside();
    Status CommitInPlace();
    Status CommitBeside();
    // Begins the next transaction after a commit (kClean).
    void EndTransaction();
    // Undoes the open transaction in the file (journal played back, copy
    // removed) and forgets the cache.
    Status UndoTransaction();
    void RememberOriginal(PageNumber n, const Frame& frame);
    // Gives page `n` a new version stamp; called wherever its content changes.
    void Touch(PageNumber n);

    std::unique_ptr<File> m_file;
    std::unique_ptr<JournalWriter> m_journal;
    std::string m_path;
    PagerOptions m_options;
    PagerState m_state = PagerState::kReader;
    uint32_t m_pageCount = 0;
    PageCache m_cache;
    std::vector<uint64_t> m_versions; // page number -> version stamp (0: unchanged since opening)
    uint64_t m_versionClock = 0;
    uint64_t m_fileSize = 0; // bytes in the file (or the copy) as last known

    bool m_inChange = false;
    uint32_t m_pageCountAtBegin = 0;
    // Originals of the pages changed in the current change; the buffers are
    // kept for the next change so a row costs no allocation.
    std::vector<std::pair<PageNumber, std::unique_ptr<Page>>> m_originals;
    size_t m_originalCount = 0;
    std::vector<uint8_t> m_images; // encrypted pages on their way out

    // The open transaction.
    uint32_t m_transactionPageCount = 0; // pages when it began; later pages need no original
    std::vector<bool> m_journaled;       // page number -> original saved
    std::unique_ptr<Replacement> m_copy; // kBeside, or being made for the transaction
    std::string m_whyInPlace;
    Status m_failure;

    uint64_t m_commits = 0;
    uint64_t m_commitsBeside = 0;
    uint64_t m_copyBytes = 0;
};

} // namespace jet
