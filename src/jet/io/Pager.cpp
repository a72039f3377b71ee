#include "io/Pager.h"

#include "util/Coding.h"
#include "util/Rc4.h"

#include <algorithm>

namespace jet {

Result<std::unique_ptr<Pager>> Pager::Open(std::unique_ptr<File> file, const std::string& path,
                                           const PagerOptions& options)
{
    auto size = file->Size();
    if (!size.ok())
        return size.status();
    if (*size == 0 || *size % kPageSize != 0 || *size / kPageSize > 0xFFFFFF)
        return Status::NotSupported("Unrecognized database format '" + path + "'.");
    return std::unique_ptr<Pager>(
        new Pager(std::move(file), path, options, static_cast<uint32_t>(*size / kPageSize)));
}

Pager::Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount)
    : m_file(std::move(file))
    , m_path(std::move(path))
    , m_options(options)
    , m_pageCount(pageCount)
{
    m_options.cachePages = std::max<size_t>(m_options.cachePages, 16);
}

Pager::~Pager() = default;

Status Pager::ReadOnlyError() const
{
    return Status::NotSupported("Cannot update.  Database or object is read-only.", -2147217911);
}

void Pager::Crypt(PageNumber n, Page& page) const
{
    if (m_options.encryptionKey == 0 || n == 0)
        return;
    uint8_t key[4];
    StoreU32(key, m_options.encryptionKey ^ n);
    Rc4 rc4(key);
    rc4.Apply(page.data(), page.size());
}

void Pager::Unlink(uint32_t index)
{
    Frame& f = m_frames[index];
    if (f.prev != kNone)
        m_frames[f.prev].next = f.next;
    else
        m_head = f.next;
    if (f.next != kNone)
        m_frames[f.next].prev = f.prev;
    else
        m_tail = f.prev;
    f.prev = f.next = kNone;
}

void Pager::PushFront(uint32_t index)
{
    Frame& f = m_frames[index];
    f.prev = kNone;
    f.next = m_head;
    if (m_head != kNone)
        m_frames[m_head].prev = index;
    m_head = index;
    if (m_tail == kNone)
        m_tail = index;
}

void Pager::Touch(uint32_t index)
{
    if (m_head == index)
        return;
    Unlink(index);
    PushFront(index);
}

Status Pager::WriteToFile(PageNumber n, const Page& page)
{
    Page out = page;
    Crypt(n, out);
    JET_RETURN_IF_ERROR(m_file->Write(static_cast<uint64_t>(n) * kPageSize, out.data(), out.size()));
    ++m_pagesWritten;
    return Status::OK();
}

Result<Pager::Frame*> Pager::TakeFrame(PageNumber n)
{
    uint32_t index;
    if (m_frames.size() < m_options.cachePages) {
        m_frames.emplace_back();
        index = static_cast<uint32_t>(m_frames.size() - 1);
    } else {
        index = m_tail;
        Frame& victim = m_frames[index];
        if (victim.dirty) {
            JET_RETURN_IF_ERROR(WriteToFile(victim.number, victim.page));
            victim.dirty = false;
            --m_dirtyCount;
        }
        if (victim.used)
            m_index.erase(victim.number);
        Unlink(index);
        victim.used = false;
    }
    Frame& f = m_frames[index];
    f.number = n;
    f.used = true;
    f.dirty = false;
    m_index.emplace(n, index);
    PushFront(index);
    return &f;
}

Result<Pager::Frame*> Pager::Load(PageNumber n)
{
    auto it = m_index.find(n);
    if (it != m_index.end()) {
        Touch(it->second);
        return &m_frames[it->second];
    }
    if (n >= m_pageCount)
        return Status::Corruption("Unrecognized database format '" + m_path + "' (page " + std::to_string(n)
                                  + " lies beyond the end of the file).");
    auto frame = TakeFrame(n);
    if (!frame.ok())
        return frame.status();
    Frame* f = *frame;
    Status s = m_file->Read(static_cast<uint64_t>(n) * kPageSize, f->page.data(), f->page.size());
    if (!s.ok()) {
        // Give the frame back so the cache never holds a half-read page.
        const uint32_t index = m_index[n];
        m_index.erase(n);
        f->used = false;
        Unlink(index);
        if (m_tail == kNone) {
            m_head = m_tail = index;
        } else {
            m_frames[m_tail].next = index;
            f->prev = m_tail;
            m_tail = index;
        }
        return s;
    }
    ++m_pagesRead;
    Crypt(n, f->page);
    return f;
}

Status Pager::ReadPage(PageNumber n, Page& out)
{
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    out = (*f)->page;
    return Status::OK();
}

Result<const Page*> Pager::View(PageNumber n)
{
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    return static_cast<const Page*>(&(*f)->page);
}

Result<Page*> Pager::Modify(PageNumber n)
{
    if (m_options.readOnly)
        return ReadOnlyError();
    auto f = Load(n);
    if (!f.ok())
        return f.status();
    Frame* frame = *f;
    if (!frame->dirty) {
        frame->dirty = true;
        ++m_dirtyCount;
    }
    return &frame->page;
}

Status Pager::WritePage(PageNumber n, const Page& page)
{
    if (m_options.readOnly)
        return ReadOnlyError();
    if (n >= m_pageCount)
        return Status::InvalidArgument("page " + std::to_string(n) + " is beyond the end of the file");
    Frame* frame;
    auto it = m_index.find(n);
    if (it != m_index.end()) {
        Touch(it->second);
        frame = &m_frames[it->second];
    } else {
        // The whole page is replaced, so there is no need to read it first.
        auto f = TakeFrame(n);
        if (!f.ok())
            return f.status();
        frame = *f;
    }
    frame->page = page;
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
    if (m_pageCount >= 0xFFFFFF)
        return Status::NotSupported("The database has reached its maximum size.");
    const PageNumber n = m_pageCount++;
    auto f = TakeFrame(n);
    if (!f.ok()) {
        --m_pageCount;
        return f.status();
    }
    (*f)->page = page;
    (*f)->dirty = true;
    ++m_dirtyCount;
    if (m_allocationHook && !m_inAllocationHook) {
        m_inAllocationHook = true;
        Status s = m_allocationHook(n);
        m_inAllocationHook = false;
        if (!s.ok())
            return s;
    }
    return n;
}

Status Pager::Flush()
{
    if (m_options.readOnly || m_dirtyCount == 0)
        return Status::OK();
    std::vector<uint32_t> dirty;
    dirty.reserve(m_dirtyCount);
    for (uint32_t i = 0; i < m_frames.size(); ++i) {
        if (m_frames[i].used && m_frames[i].dirty)
            dirty.push_back(i);
    }
    std::sort(dirty.begin(), dirty.end(),
              [this](uint32_t a, uint32_t b) { return m_frames[a].number < m_frames[b].number; });
    for (uint32_t index : dirty) {
        Frame& f = m_frames[index];
        JET_RETURN_IF_ERROR(WriteToFile(f.number, f.page));
        f.dirty = false;
        --m_dirtyCount;
    }
    return m_file->Sync();
}

} // namespace jet
