#include "io/Pager.h"

#include "util/Coding.h"
#include "util/Rc4.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace jet {

Result<std::unique_ptr<Pager>> Pager::Open(std::unique_ptr<File> file, const std::string& path,
                                           const PagerOptions& options, std::unique_ptr<JournalWriter> journal)
{
    auto size = file->Size();
    if (!size.ok())
        return size.status();
    if (*size == 0 || *size % kPageSize != 0 || *size / kPageSize > 0xFFFFFF)
        return Errors::NotADatabase(path);
    if (options.readOnly)
        journal.reset();
    return std::unique_ptr<Pager>(new Pager(std::move(file), path, options, static_cast<uint32_t>(*size / kPageSize),
                                            std::move(journal)));
}

Pager::Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount,
             std::unique_ptr<JournalWriter> journal)
    : m_file(std::move(file))
    , m_journal(std::move(journal))
    , m_path(std::move(path))
    , m_options(options)
    , m_pageCount(pageCount)
{
    // One row write holds several pages at once (data page, definition,
    // usage maps, an index path); fewer frames would evict them mid-change.
    m_options.cachePages = std::max<size_t>(m_options.cachePages, 16);
    m_fileSize = static_cast<uint64_t>(pageCount) * kPageSize;
    m_frameOf.assign(pageCount, kNone);
    m_options.rowsPerCommit = std::max<uint32_t>(m_options.rowsPerCommit, 1);
    m_transactionPageCount = pageCount;
    if (m_journal)
        m_journaled.assign(pageCount, false);
}

Pager::~Pager() = default;

Status Pager::ReadOnlyError() const
{
    return Errors::ReadOnly();
}

void Pager::Crypt(PageNumber n, uint8_t* page) const
{
    if (m_options.encryptionKey == 0 || n == 0)
        return;
    uint8_t key[4];
    StoreU32(key, m_options.encryptionKey ^ n);
    Rc4 rc4(key);
    rc4.Apply(page, kPageSize);
}

Pager::Frame* Pager::Cached(PageNumber n)
{
    if (n >= m_frameOf.size() || m_frameOf[n] == kNone)
        return nullptr;
    Frame& f = m_frames[m_frameOf[n]];
    // Page types 2 to 5: table definition, index node, index leaf, usage map.
    const uint8_t type = (*f.page)[0];
    f.credit = type >= 0x02 && type <= 0x05 ? kMaxCredit : 1;
    return &f;
}

void Pager::Touch(PageNumber n)
{
    if (n >= m_versions.size())
        m_versions.resize(std::max<size_t>(n + 1, m_versions.size() + m_versions.size() / 4 + 16), 0);
    m_versions[n] = ++m_versionClock;
}

void Pager::MapFrame(PageNumber n, uint32_t index)
{
    if (n >= m_frameOf.size())
        m_frameOf.resize(std::max<size_t>(n + 1, m_frameOf.size() + m_frameOf.size() / 4 + 16), kNone);
    m_frameOf[n] = index;
}

void Pager::CollectChangedPages(WriteBatch& batch)
{
    // In page order: the system does far less work per page than for the
    // same pages in random order.
    std::vector<uint32_t>& dirty = m_writeOrder;
    dirty.clear();
    dirty.reserve(m_dirtyCount);
    for (uint32_t i = 0; i < m_frames.size(); ++i) {
        if (m_frames[i].used && m_frames[i].dirty)
            dirty.push_back(i);
    }
    std::sort(dirty.begin(), dirty.end(),
              [this](uint32_t a, uint32_t b) { return m_frames[a].number < m_frames[b].number; });
    batch.Clear();
    batch.pages.reserve(dirty.size() + m_unwritten.pages.size());
    batch.images.reserve((dirty.size() + m_unwritten.pages.size()) * kPageSize);
    size_t old = 0;
    const auto addOlderUntil = [&](PageNumber limit) {
        for (; old < m_unwritten.pages.size() && m_unwritten.pages[old] < limit; ++old) {
            // Pages appended and then rolled back are not written again.
            if (m_unwritten.pages[old] < m_pageCount)
                batch.Add(m_unwritten.pages[old], m_unwritten.images.data() + old * kPageSize);
        }
    };
    for (uint32_t index : dirty) {
        Frame& f = m_frames[index];
        addOlderUntil(f.number);
        if (old < m_unwritten.pages.size() && m_unwritten.pages[old] == f.number)
            ++old; // changed again since
        batch.Add(f.number, f.page->data());
        Crypt(f.number, batch.images.data() + (batch.pages.size() - 1) * kPageSize);
        f.dirty = false;
    }
    addOlderUntil(UINT32_MAX);
    m_dirtyCount = 0;
    m_unwritten.Clear();
    ChooseJournalPages(batch);
}

void Pager::ChooseJournalPages(WriteBatch& batch)
{
    batch.journalPages.clear();
    batch.transactionPageCount = m_transactionPageCount;
    if (!m_journal)
        return;
    // Pages appended in this transaction have no original: rolling back cuts
    // them off.
    for (PageNumber n : batch.pages) {
        if (n < m_transactionPageCount && !m_journaled[n]) {
            m_journaled[n] = true;
            ++m_journaledCount;
            batch.journalPages.push_back(n);
        }
    }
}

void Pager::KeepFailedBatch(WriteBatch&& batch)
{
    // A failed commit's pages belong to a transaction already left behind:
    // nothing more is written after it (m_failure), only rolled back.
    if (!batch.commit) {
        for (PageNumber n : batch.journalPages)
            m_journaled[n] = false;
        m_journaledCount -= batch.journalPages.size();
    }
    batch.journalPages.clear();
    m_unwritten = std::move(batch);
}

Status Pager::FinishBackgroundWrite()
{
    if (m_writer == nullptr || m_writer->InHand() == nullptr)
        return Status::OK();
    WriteBatch done;
    Status s = m_writer->Wait(done, m_fileSize);
    if (!s.ok()) {
        if (done.commit)
            m_failure = s;
        KeepFailedBatch(std::move(done));
    } else {
        m_spare = std::move(done);
    }
    return s;
}

bool Pager::EnsureWriter()
{
    if (m_writer != nullptr)
        return true;
    try {
        m_writer = std::make_unique<BackgroundWriter>(*m_file, m_journal.get());
    } catch (const std::system_error&) {
        // No thread to be had: batches are written by the caller.
    }
    return m_writer != nullptr;
}

void Pager::StartTransaction()
{
    if (m_journal) {
        m_transactionPageCount = m_pageCount;
        m_journaled.assign(m_pageCount, false);
        m_journaledCount = 0;
    }
    m_rowsSinceCommit = 0;
}

Status Pager::CommitInBackground()
{
    if (!m_failure.ok())
        return m_failure;
    // Pages appended and rolled back may lie past the end: a flush here and
    // now cuts them off.
    if (m_fileSize > static_cast<uint64_t>(m_pageCount) * kPageSize || !EnsureWriter())
        return Flush();
    JET_RETURN_IF_ERROR(FinishBackgroundWrite());
    WriteBatch batch = std::move(m_spare);
    CollectChangedPages(batch);
    if (batch.Empty() && !m_unsynced && m_journaledCount == 0) {
        m_spare = std::move(batch);
        StartTransaction();
        return Status::OK();
    }
    if (m_journaledCount > 0) {
        ++m_commits;
        CountWrites(0, 0, 1);
    }
    m_pagesWritten += batch.pages.size();
    CountWrites(static_cast<uint64_t>(batch.pages.size()) * kPageSize, 0, 0);
    batch.commit = true;
    m_writer->Start(std::move(batch));
    m_unsynced = false;
    StartTransaction();
    return Status::OK();
}

Status Pager::WriteChangedPages(bool inBackground)
{
    // A failed batch stops the work that notices it; a flush writes its
    // pages again at once and fails only if that fails too.
    if (!m_failure.ok())
        return m_failure;
    if (Status waited = FinishBackgroundWrite(); !waited.ok() && (inBackground || !m_failure.ok()))
        return waited;
    WriteBatch batch = std::move(m_spare);
    CollectChangedPages(batch);
    if (batch.Empty())
        return Status::OK();
    m_unsynced = true;
    m_pagesWritten += batch.pages.size();
    CountWrites(static_cast<uint64_t>(batch.pages.size()) * kPageSize, 0, 0);
    if (inBackground && EnsureWriter()) {
        m_writer->Start(std::move(batch));
        return Status::OK();
    }
    bool journalSaved = false;
    Status s = WriteBatchJournaled(*m_file, m_journal.get(), batch, m_fileSize, journalSaved);
    if (journalSaved)
        batch.journalPages.clear();
    if (!s.ok())
        KeepFailedBatch(std::move(batch));
    else
        m_spare = std::move(batch);
    return s;
}

Result<Pager::Frame*> Pager::TakeFrame(PageNumber n)
{
    uint32_t index;
    if (m_frames.size() < m_options.cachePages) {
        m_pageData.emplace_back();
        m_frames.emplace_back();
        m_frames.back().page = &m_pageData.back();
        index = static_cast<uint32_t>(m_frames.size() - 1);
    } else {
        // Every sweep takes one credit from every page, so a page without
        // credit turns up within kMaxCredit + 1 sweeps.
        const size_t count = m_frames.size();
        index = kNone;
        for (size_t step = 0; step < (kMaxCredit + 1) * count + 1; ++step) {
            Frame& f = m_frames[m_hand];
            const uint32_t at = m_hand;
            m_hand = static_cast<uint32_t>((m_hand + 1) % count);
            if (f.used && f.credit > 0) {
                --f.credit;
                continue;
            }
            index = at;
            break;
        }
        Frame& victim = m_frames[index];
        if (victim.used && victim.dirty) {
            // Every changed page goes out together and stays cached.
            JET_RETURN_IF_ERROR(WriteChangedPages(/*inBackground=*/true));
        }
        if (victim.used)
            m_frameOf[victim.number] = kNone;
        victim.used = false;
    }
    Frame& f = m_frames[index];
    f.number = n;
    f.used = true;
    f.dirty = false;
    f.credit = 1;
    MapFrame(n, index);
    return &f;
}

void Pager::DropFrame(uint32_t index)
{
    Frame& f = m_frames[index];
    if (!f.used)
        return;
    if (f.dirty)
        --m_dirtyCount;
    m_frameOf[f.number] = kNone;
    f.used = false;
    f.dirty = false;
    f.credit = 0;
}

Result<Pager::Frame*> Pager::Load(PageNumber n)
{
    if (Frame* f = Cached(n))
        return f;
    if (n >= m_pageCount)
        return Status::Corruption("Unrecognized database format '" + m_path + "' (page " + std::to_string(n)
                                  + " lies beyond the end of the file).");
    auto frame = TakeFrame(n);
    if (!frame.ok())
        return frame.status();
    Frame* f = *frame;
    // A page still on its way to the file comes from its batch.
    const uint8_t* image = m_unwritten.Find(n);
    if (image == nullptr && m_writer != nullptr && m_writer->InHand() != nullptr)
        image = m_writer->InHand()->Find(n);
    if (image != nullptr) {
        std::memcpy(f->page->data(), image, kPageSize);
    } else {
        Status s = m_file->Read(static_cast<uint64_t>(n) * kPageSize, f->page->data(), kPageSize);
        if (!s.ok()) {
            // The cache never holds a half-read page.
            DropFrame(m_frameOf[n]);
            return s;
        }
        ++m_pagesRead;
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
    if (m_options.readOnly)
        return ReadOnlyError();
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    Frame* frame = *f;
    if (m_inChange)
        RememberOriginal(n, *frame);
    Touch(n);
    if (!frame->dirty) {
        frame->dirty = true;
        ++m_dirtyCount;
    }
    return frame->page;
}

Status Pager::WritePage(PageNumber n, const Page& page)
{
    if (m_options.readOnly)
        return ReadOnlyError();
    if (n >= m_pageCount)
        return Status::InvalidArgument("page " + std::to_string(n) + " is beyond the end of the file");
    Frame* frame = Cached(n);
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
    Touch(n);
    *frame->page = page;
    if (!frame->dirty) {
        frame->dirty = true;
        ++m_dirtyCount;
    }
    return Status::OK();
}

Result<PageNumber> Pager::AllocatePage(const Page& page)
{
    if (m_options.readOnly)
        return ReadOnlyError();
    PageNumber n;
    if (!m_reusable.empty()) {
        n = m_reusable.back();
        m_reusable.pop_back();
        JET_RETURN_IF_ERROR(WritePage(n, page));
    } else {
        if (m_pageCount >= 0xFFFFFF)
            return Errors::DatabaseFull();
        n = m_pageCount++;
        auto f = TakeFrame(n);
        if (!f.ok()) {
            --m_pageCount;
            return f.status();
        }
        *(*f)->page = page;
        (*f)->dirty = true;
        ++m_dirtyCount;
        Touch(n);
    }
    if (m_allocationHook && !m_inAllocationHook) {
        m_inAllocationHook = true;
        Status s = m_allocationHook(n);
        m_inAllocationHook = false;
        if (!s.ok())
            return s;
    }
    return n;
}

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
    // A transaction commits once it holds rowsPerCommit rows, or once it has
    // saved as many originals as the cache holds pages: by then most of its
    // changed pages have had to leave the cache. While the last commit is
    // still being written it grows on, up to twice as many rows, rather
    // than wait for the disk: slow moments of the disk then make fewer,
    // larger transactions instead of stopping the work.
    if (m_journal && !m_inChange) {
        const bool writing = m_writer != nullptr && m_writer->Writing();
        const uint64_t due = writing ? 2ull * m_options.rowsPerCommit : m_options.rowsPerCommit;
        if (m_rowsSinceCommit >= due || m_journaledCount >= m_options.cachePages)
            JET_RETURN_IF_ERROR(CommitInBackground());
    }
    m_inChange = true;
    m_pageCountAtBegin = m_pageCount;
    m_originalCount = 0;
    m_reusableAtBegin = m_reusable;
    return Status::OK();
}

void Pager::CommitChange()
{
    m_inChange = false;
    m_originalCount = 0;
    ++m_rowsSinceCommit;
}

void Pager::RollbackChange()
{
    if (!m_inChange)
        return;
    m_inChange = false;
    for (PageNumber n = m_pageCountAtBegin; n < m_pageCount; ++n) {
        if (n < m_frameOf.size() && m_frameOf[n] != kNone)
            DropFrame(m_frameOf[n]);
        Touch(n);
    }
    m_pageCount = m_pageCountAtBegin;
    for (size_t i = 0; i < m_originalCount; ++i) {
        const PageNumber n = m_originals[i].first;
        Frame* frame = Cached(n);
        if (frame == nullptr) {
            // Evicted meanwhile (and written): bring the original back as a changed page.
            auto f = TakeFrame(n);
            if (!f.ok()) {
                // Only a failed batch gets here. Its copy of the page, still
                // to be written, must not carry the change.
                if (uint8_t* image = m_unwritten.Find(n)) {
                    std::memcpy(image, m_originals[i].second->data(), kPageSize);
                    Crypt(n, image);
                }
                continue;
            }
            frame = *f;
        }
        *frame->page = *m_originals[i].second;
        Touch(n);
        if (!frame->dirty) {
            frame->dirty = true;
            ++m_dirtyCount;
        }
    }
    m_originalCount = 0;
    m_reusable = m_reusableAtBegin;
}

Status Pager::Flush()
{
    if (m_options.readOnly)
        return Status::OK();
    JET_RETURN_IF_ERROR(WriteChangedPages(/*inBackground=*/false));
    // Pages appended and then rolled back may have reached the file.
    const uint64_t size = static_cast<uint64_t>(m_pageCount) * kPageSize;
    if (m_fileSize > size) {
        JET_RETURN_IF_ERROR(m_file->Truncate(size));
        m_fileSize = size;
        m_unsynced = true;
    }
    if (m_unsynced) {
        JET_RETURN_IF_ERROR(m_file->Sync());
        m_unsynced = false;
    }
    if (m_journal) {
        // The commit point: the file is synced, so the originals can go.
        if (m_journal->InTransaction()) {
            ++m_commits;
            CountWrites(0, 0, 1);
        }
        JET_RETURN_IF_ERROR(m_journal->Commit());
    }
    StartTransaction();
    return Status::OK();
}

Status Pager::Close()
{
    if (m_options.readOnly)
        return Status::OK();
    Status flushed = Flush();
    if (!m_journal)
        return flushed;
    if (flushed.ok())
        return m_journal->Remove();
    // The changes since the last commit are lost: put the file back as it
    // was then. Nothing is being written any more.
    (void)FinishBackgroundWrite();
    m_writer.reset();
    (void)m_journal->RollBack(*m_file);
    return flushed;
}

} // namespace jet
