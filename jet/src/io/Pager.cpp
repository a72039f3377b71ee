#include "io/Pager.h"

#include "util/Coding.h"
#include "util/Rc4.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace jet {

namespace {

// Pages per write call: long enough to save most of the per-call cost.
constexpr size_t kMaxRunPages = 64;

} // namespace

Result<std::unique_ptr<Pager>> Pager::Open(std::unique_ptr<File> file, const std::string& path,
                                           const PagerOptions& options, std::unique_ptr<JournalWriter> journal)
{
    auto size = file->Size();
    if (!size.ok())
        return size.status();
    // A row pointer names its page in 24 bits, so no Jet 4.0 file holds more
    // pages; a size that is not whole pages is no file Access wrote.
    if (*size == 0 || *size % kPageSize != 0 || *size / kPageSize > 0xFFFFFF)
        return Errors::NotADatabase(path);
    // A read-only open never writes, so it needs no journal (and must not
    // create one beside a file it may have no right to write near).
    if (options.readOnly)
        journal.reset();
    return std::unique_ptr<Pager>(
        new Pager(std::move(file), path, options, static_cast<uint32_t>(*size / kPageSize), std::move(journal)));
}

Pager::Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount,
             std::unique_ptr<JournalWriter> journal)
    : m_file(std::move(file))
    , m_journal(std::move(journal))
    , m_path(std::move(path))
    , m_options(options)
    , m_state(options.readOnly ? PagerState::kReader : PagerState::kClean)
    , m_pageCount(pageCount)
    , m_cache(options.cachePages)
{
    m_fileSize = static_cast<uint64_t>(pageCount) * kPageSize;
    m_transactionPageCount = pageCount;
    m_journaled.assign(pageCount, false);
}

Pager::~Pager() = default;

void Pager::CheckInvariants() const
{
#ifndef NDEBUG
    assert(m_state != PagerState::kReader || m_options.readOnly);
    assert(!m_options.readOnly || m_state == PagerState::kReader || m_state == PagerState::kClosed);
    // Rule 2: no change in the cache and nothing to undo between transactions.
    if (m_state == PagerState::kClean) {
        assert(m_cache.DirtyCount() == 0);
        assert(m_journal == nullptr || !m_journal->InTransaction());
        assert(m_pageCount == m_transactionPageCount);
    }
    if (m_state == PagerState::kCached)
        assert(m_journal == nullptr || !m_journal->InTransaction());
    // Rule 5: a transaction beside the file has its copy, and no journal.
    if (m_state == PagerState::kBeside) {
        assert(m_copy != nullptr);
        assert(m_journal == nullptr || !m_journal->InTransaction());
    }
    assert(m_state != PagerState::kFailed || !m_failure.ok());
#endif
}

Status Pager::Usable() const
{
    CheckInvariants();
    if (m_state == PagerState::kReader)
        return Errors::ReadOnly();
    if (m_state == PagerState::kClosed)
        return Errors::ObjectClosed();
    if (m_state == PagerState::kFailed)
        return m_failure;
    return Status::OK();
}

// Jet 4.0 encrypts every page but the header with RC4, keyed by the key
// the header holds XOR the page number, so that equal pages do not look
// equal on disk. The header itself is masked separately (io/Header).
void Pager::Crypt(PageNumber n, uint8_t* page) const
{
    if (m_options.encryptionKey == 0 || n == 0)
        return;
    uint8_t key[4];
    StoreU32(key, m_options.encryptionKey ^ n);
    Rc4 rc4(key);
    rc4.Apply(page, kPageSize);
}

// Version stamps let readers above (the B-tree's cache of parsed index
// pages) know without comparing bytes that a page changed. The
// vector grows by a quarter at a time: appends come one page after another.
void Pager::Touch(PageNumber n)
{
    if (n >= m_versions.size())
        m_versions.resize(std::max<size_t>(n + 1, m_versions.size() + m_versions.size() / 4 + 16), 0);
    m_versions[n] = ++m_versionClock;
}

// Every change goes through here: the frame becomes dirty (it must reach
// the file at the commit), its version moves, and the first change of a
// transaction opens it.
void Pager::Changed(Frame& frame)
{
    m_cache.MarkDirty(frame);
    Touch(frame.number);
    if (m_state == PagerState::kClean)
        m_state = PagerState::kCached;
}

Result<Pager::Frame*> Pager::TakeFrame(PageNumber n)
{
    Frame* victim = m_cache.NextVictim();
    if (victim != nullptr && victim->used && victim->dirty) {
        // Every changed page goes out together and stays cached. Sending
        // only the victim would cost one journal append and one write per
        // page evicted; together they are written in page order, in runs.
        JET_RETURN_IF_ERROR(Spill());
    }
    return m_cache.Take(n);
}

Result<Pager::Frame*> Pager::Load(PageNumber n)
{
    if (m_state == PagerState::kClosed)
        return Errors::ObjectClosed();
    if (Frame* f = m_cache.Find(n))
        return f;
    if (n >= m_pageCount)
        return Status::Corruption("Unrecognized database format '" + m_path + "' (page " + std::to_string(n)
                                  + " lies beyond the end of the file).");
    auto frame = TakeFrame(n);
    if (!frame.ok())
        return frame.status();
    Frame* f = *frame;
    // Beside the file, pages written out so far are in the copy only.
    File& from = m_state == PagerState::kBeside ? m_copy->copy() : *m_file;
    Status s = from.Read(static_cast<uint64_t>(n) * kPageSize, f->page->data(), kPageSize);
    if (!s.ok()) {
        // The cache never holds a half-read page.
        m_cache.Drop(*f);
        return s;
    }
    Crypt(n, f->page->data());
    return f;
}

Status Pager::ReadPage(PageNumber n, Page& out)
{
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    out = *(*f)->page;
    return Status::OK();
}

Result<const Page*> Pager::View(PageNumber n)
{
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    return static_cast<const Page*>((*f)->page);
}

Result<Page*> Pager::Modify(PageNumber n)
{
    JET_RETURN_IF_ERROR(Usable());
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    Frame* frame = *f;
    // The original is kept before the caller changes a byte, so a row the
    // table refuses half-way can be taken back exactly.
    if (m_inChange)
        RememberOriginal(n, *frame);
    Changed(*frame);
    return frame->page;
}

Status Pager::WritePage(PageNumber n, const Page& page)
{
    JET_RETURN_IF_ERROR(Usable());
    if (n >= m_pageCount)
        return Status::InvalidArgument("page " + std::to_string(n) + " is beyond the end of the file");
    Frame* frame = m_cache.Find(n);
    if (frame == nullptr) {
        // The whole page is replaced, so it need not be read first, unless
        // its original must be kept for a rollback.
        const bool keepOriginal = m_inChange && n < m_pageCountAtBegin;
        auto f = keepOriginal ? Load(n) : TakeFrame(n);
        if (!f.ok())
            return f.status();
        frame = *f;
    }
    if (m_inChange)
        RememberOriginal(n, *frame);
    *frame->page = page;
    Changed(*frame);
    return Status::OK();
}

Result<PageNumber> Pager::AppendPage(const Page& page)
{
    JET_RETURN_IF_ERROR(Usable());
    // Page numbers are 24 bits wherever a row pointer names a page.
    if (m_pageCount >= 0xFFFFFF)
        return Errors::DatabaseFull();
    auto f = TakeFrame(m_pageCount);
    if (!f.ok())
        return f.status();
    const PageNumber n = m_pageCount++;
    *(*f)->page = page;
    Changed(**f);
    return n;
}

// A page appended by the change has no original: RollbackChange() drops it
// instead. A row touches a handful of pages, so a linear search of the
// originals kept so far beats any index.
void Pager::RememberOriginal(PageNumber n, const Frame& frame)
{
    if (n >= m_pageCountAtBegin)
        return;
    for (size_t i = 0; i < m_originalCount; ++i) {
        if (m_originals[i].first == n)
            return;
    }
    if (m_originalCount == m_originals.size())
        m_originals.emplace_back(0, std::make_unique<Page>());
    m_originals[m_originalCount].first = n;
    *m_originals[m_originalCount].second = *frame.page;
    ++m_originalCount;
}

Status Pager::BeginChange()
{
    JET_RETURN_IF_ERROR(Usable());
    m_inChange = true;
    m_pageCountAtBegin = m_pageCount;
    m_originalCount = 0;
    return Status::OK();
}

void Pager::CommitChange()
{
    m_inChange = false;
    m_originalCount = 0;
}

void Pager::RollbackChange()
{
    if (!m_inChange)
        return;
    m_inChange = false;
    // Pages the change appended go first (their stamps move so nothing keeps
    // a view of them), then every changed page gets its original back. A
    // page already spilled to the file comes back as a changed page, so the
    // next write puts the original over what was spilled.
    for (PageNumber n = m_pageCountAtBegin; n < m_pageCount; ++n) {
        if (Frame* f = m_cache.Find(n))
            m_cache.Drop(*f);
        Touch(n);
    }
    m_pageCount = m_pageCountAtBegin;
    for (size_t i = 0; i < m_originalCount; ++i) {
        const PageNumber n = m_originals[i].first;
        Frame* frame = m_cache.Find(n);
        if (frame == nullptr) {
            // Written out meanwhile: the original comes back as a changed page.
            auto f = TakeFrame(n);
            if (!f.ok()) {
                // The change cannot be taken back, so the transaction must
                // never commit: it can only be undone whole.
                m_failure = f.status();
                m_state = PagerState::kFailed;
                continue;
            }
            frame = *f;
        }
        *frame->page = *m_originals[i].second;
        Changed(*frame);
    }
    m_originalCount = 0;
}

// The copy is made while the transaction goes on (see Replacement), so a
// large merge pays for it in parallel rather than at the first spill.
void Pager::ExpectChanges(uint64_t pages)
{
    if (!m_options.mayWriteBeside || m_copy != nullptr || pages <= m_cache.capacity()
        || (m_state != PagerState::kClean && m_state != PagerState::kCached))
        return;
    auto made = Replacement::Begin(*m_file, m_path, m_whyInPlace);
    if (made.ok())
        m_copy = std::move(made).value();
    else
        m_whyInPlace = made.status().description();
}

// Changed pages in page order, adjacent ones joined into one write of up to
// kMaxRunPages: the disk sees long sequential runs, and encryption happens
// in a buffer so the cache keeps the plain pages.
Status Pager::WriteChangedPages(File& file)
{
    const std::vector<Frame*> dirty = m_cache.DirtyInPageOrder();
    m_images.resize(kMaxRunPages * kPageSize);
    for (size_t i = 0; i < dirty.size();) {
        size_t stop = i;
        do {
            std::memcpy(m_images.data() + (stop - i) * kPageSize, dirty[stop]->page->data(), kPageSize);
            Crypt(dirty[stop]->number, m_images.data() + (stop - i) * kPageSize);
            ++stop;
        } while (stop < dirty.size() && stop - i < kMaxRunPages && dirty[stop]->number == dirty[stop - 1]->number + 1);
        const uint64_t offset = static_cast<uint64_t>(dirty[i]->number) * kPageSize;
        const size_t length = (stop - i) * kPageSize;
        JET_RETURN_IF_ERROR(file.Write(offset, m_images.data(), length));
        m_fileSize = std::max<uint64_t>(m_fileSize, offset + length);
        CountWrites(length, 0, 0);
        for (size_t k = i; k < stop; ++k)
            m_cache.MarkClean(*dirty[k]);
        i = stop;
    }
    return Status::OK();
}

// Only pages the file held when the transaction began have an original
// worth saving (appended pages are cut off by a rollback), and each is
// saved once: the first original is the one that puts the last commit back.
Status Pager::JournalChangedPages()
{
    if (!m_journal)
        return Status::OK();
    std::vector<PageNumber> pages;
    for (const Frame* f : m_cache.DirtyInPageOrder()) {
        if (f->number < m_transactionPageCount && !m_journaled[f->number])
            pages.push_back(f->number);
    }
    if (pages.empty())
        return Status::OK();
    JET_RETURN_IF_ERROR(m_journal->Append(*m_file, pages, m_transactionPageCount));
    for (PageNumber n : pages)
        m_journaled[n] = true;
    return Status::OK();
}

// A transaction goes beside the file only with a copy that is whole and
// the same as the file (Replacement checks owner, mode, links and space);
// otherwise it stays in place under the journal, and m_whyInPlace says why.
Result<bool> Pager::GoBeside()
{
    if (m_copy == nullptr) {
        auto made = Replacement::Begin(*m_file, m_path, m_whyInPlace);
        if (!made.ok()) {
            m_whyInPlace = "no copy could be made: " + made.status().description();
            return false;
        }
        m_copy = std::move(made).value();
        if (m_copy == nullptr)
            return false;
    }
    if (Status ready = m_copy->Ready(); !ready.ok()) {
        m_whyInPlace = "the copy failed: " + ready.description();
        m_copy.reset();
        return false;
    }
    m_copyBytes += m_copy->bytesCopied();
    m_whyInPlace.clear();
    return true;
}

Status Pager::Spill()
{
    if (m_state == PagerState::kCached) {
        bool beside = false;
        if (m_options.mayWriteBeside) {
            auto went = GoBeside();
            if (!went.ok())
                return went.status();
            beside = *went;
        }
        m_state = beside ? PagerState::kBeside : PagerState::kSpilled;
    }
    CheckInvariants();
    // Pages whose write fails stay changed: the next spill or commit writes
    // them again (rule 6).
    if (m_state == PagerState::kBeside)
        return WriteChangedPages(m_copy->copy());
    // In place: the originals are durable before the first page is overwritten.
    JET_RETURN_IF_ERROR(JournalChangedPages());
    return WriteChangedPages(*m_file);
}

// After a commit (or an undo) the file at the path holds the last commit
// and nothing is journaled: the next change starts a new transaction.
void Pager::EndTransaction()
{
    m_state = PagerState::kClean;
    m_transactionPageCount = m_pageCount;
    m_journaled.assign(m_pageCount, false);
    // A copy made for a transaction that fitted the cache after all.
    m_copy.reset();
    m_failure = Status::OK();
}

Status Pager::CommitInPlace()
{
    // Rule 6: until a page reaches the file, a failure keeps the transaction.
    JET_RETURN_IF_ERROR(JournalChangedPages());
    Status s = WriteChangedPages(*m_file);
    // Pages appended and then rolled back may have reached the file.
    const uint64_t size = static_cast<uint64_t>(m_pageCount) * kPageSize;
    if (s.ok() && m_fileSize > size) {
        s = m_file->Truncate(size);
        if (s.ok())
            m_fileSize = size;
    }
    if (s.ok())
        s = m_file->Sync();
    // The commit point: the file is synced, so the originals can go.
    if (s.ok() && m_journal)
        s = m_journal->Commit();
    if (!s.ok()) {
        // Part of the transaction may be in the file now, every original in
        // the journal: a later Flush() completes it, Close() or Abandon()
        // undoes it.
        m_state = PagerState::kSpilled;
        return s;
    }
    ++m_commits;
    CountWrites(0, 0, 1);
    EndTransaction();
    return Status::OK();
}

// Rule 5. The file at the path is never written: the copy gets the rest
// of the transaction and is flushed, then renamed over the file, and the
// folder is flushed. A crash before the rename leaves the old file whole; a
// reader holding the old file open goes on reading it, whole.
Status Pager::CommitBeside()
{
    File& copy = m_copy->copy();
    Status s = WriteChangedPages(copy);
    const uint64_t size = static_cast<uint64_t>(m_pageCount) * kPageSize;
    if (s.ok() && m_fileSize > size) {
        s = copy.Truncate(size);
        if (s.ok())
            m_fileSize = size;
    }
    if (!s.ok())
        return s; // the copy is still whole: a later Flush() completes it

    s = m_copy->Commit();
    if (m_copy->committed()) {
        // Renamed: the new file is the one at the path from now on, and the
        // old one (and its lock) goes.
        m_file = m_copy->TakeFile();
        ++m_commits;
        ++m_commitsBeside;
        CountWrites(0, 0, 1);
        EndTransaction();
        return s;
    }
    // The copy could not be flushed or renamed and is gone, with the part of
    // the transaction it held.
    m_failure = s;
    m_state = PagerState::kFailed;
    return s;
}

Status Pager::Flush()
{
    CheckInvariants();
    switch (m_state) {
    case PagerState::kReader:
    case PagerState::kClean: return Status::OK();
    case PagerState::kCached:
    case PagerState::kSpilled: return CommitInPlace();
    case PagerState::kBeside: return CommitBeside();
    case PagerState::kFailed: return m_failure;
    case PagerState::kClosed: return Errors::ObjectClosed();
    }
    return Status::OK();
}

// Puts the file back as the last commit left it. In place, the journal
// holds the original of every page written; with no journal only appended
// pages can have reached the file. Beside, dropping the copy is enough.
Status Pager::UndoTransaction()
{
    Status s;
    const bool inPlace = m_state == PagerState::kSpilled || m_state == PagerState::kFailed;
    m_copy.reset(); // removes a copy not renamed
    if (inPlace && m_journal && m_journal->InTransaction()) {
        s = m_journal->RollBack(*m_file);
    } else if (inPlace) {
        // Only appended pages reached the file: cut them off.
        const uint64_t size = static_cast<uint64_t>(m_transactionPageCount) * kPageSize;
        auto now = m_file->Size();
        if (now.ok() && *now > size) {
            s = m_file->Truncate(size);
            if (s.ok())
                s = m_file->Sync();
        }
    }
    m_cache.Clear();
    m_pageCount = m_transactionPageCount;
    return s;
}

Status Pager::Close()
{
    CheckInvariants();
    if (m_state == PagerState::kClosed)
        return Errors::ObjectClosed();
    if (m_state == PagerState::kReader) {
        m_state = PagerState::kClosed;
        return Status::OK();
    }
    Status flushed = Flush();
    if (flushed.ok()) {
        m_state = PagerState::kClosed;
        return m_journal ? m_journal->Remove() : Status::OK();
    }
    // The changes since the last commit are lost: the file is put back as
    // it was then.
    // A journal that could not be played back stays for the next open.
    if (UndoTransaction().ok() && m_journal)
        (void)m_journal->Remove();
    m_state = PagerState::kClosed;
    return flushed;
}

// For a stop or a failure above the pager: whatever the transaction did,
// the file is left exactly as its last commit.
Status Pager::Abandon()
{
    CheckInvariants();
    if (m_state == PagerState::kClosed)
        return Errors::ObjectClosed();
    Status s;
    if (m_state != PagerState::kReader) {
        s = UndoTransaction();
        if (m_journal && s.ok())
            s = m_journal->Remove();
    }
    m_state = PagerState::kClosed;
    return s;
}

} // namespace jet
