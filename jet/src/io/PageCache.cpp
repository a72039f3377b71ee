#include "io/PageCache.h"

#include <algorithm>

namespace jet {

PageCache::PageCache(size_t capacity)
    : m_capacity(std::max<size_t>(capacity, 16))
{ }

PageCache::Frame* PageCache::Find(PageNumber n)
{
    if (n >= m_frameOf.size() || m_frameOf[n] == kNone)
        return nullptr;
    Frame& f = m_frames[m_frameOf[n]];
    // Page types 2 to 5: table definition, index node, index leaf, usage map.
    const uint8_t type = (*f.page)[0];
    f.credit = type >= 0x02 && type <= 0x05 ? kMaxCredit : 1;
    return &f;
}

PageCache::Frame* PageCache::NextVictim()
{
    if (m_frames.size() < m_capacity)
        return nullptr;
    if (m_victim != kNone && m_frames[m_victim].credit == 0)
        return &m_frames[m_victim];
    // Every sweep takes one credit from every page, so a page without
    // credit turns up within kMaxCredit + 1 sweeps.
    const size_t count = m_frames.size();
    for (size_t step = 0; step < (kMaxCredit + 1) * count + 1; ++step) {
        Frame& f = m_frames[m_hand];
        const uint32_t at = m_hand;
        m_hand = static_cast<uint32_t>((m_hand + 1) % count);
        if (f.used && f.credit > 0) {
            --f.credit;
            continue;
        }
        m_victim = at;
        return &f;
    }
    m_victim = m_hand;
    return &m_frames[m_victim];
}

PageCache::Frame* PageCache::Take(PageNumber n)
{
    uint32_t index;
    if (m_frames.size() < m_capacity) {
        m_pageData.emplace_back();
        m_frames.emplace_back();
        m_frames.back().page = &m_pageData.back();
        index = static_cast<uint32_t>(m_frames.size() - 1);
    } else {
        NextVictim();
        index = m_victim;
        m_victim = kNone;
        Frame& old = m_frames[index];
        if (old.used)
            Drop(old);
    }
    Frame& f = m_frames[index];
    f.number = n;
    f.used = true;
    f.dirty = false;
    f.credit = 1;
    if (n >= m_frameOf.size())
        m_frameOf.resize(std::max<size_t>(n + 1, m_frameOf.size() + m_frameOf.size() / 4 + 16), kNone);
    m_frameOf[n] = index;
    return &f;
}

void PageCache::MarkDirty(Frame& f)
{
    if (!f.dirty) {
        f.dirty = true;
        ++m_dirtyCount;
    }
}

void PageCache::MarkClean(Frame& f)
{
    if (f.dirty) {
        f.dirty = false;
        --m_dirtyCount;
    }
}

void PageCache::Drop(Frame& f)
{
    if (!f.used)
        return;
    MarkClean(f);
    m_frameOf[f.number] = kNone;
    f.used = false;
    f.credit = 0;
}

void PageCache::Clear()
{
    for (Frame& f : m_frames)
        Drop(f);
    m_victim = kNone;
}

std::vector<PageCache::Frame*> PageCache::DirtyInPageOrder()
{
    std::vector<Frame*> dirty;
    dirty.reserve(m_dirtyCount);
    for (Frame& f : m_frames) {
        if (f.used && f.dirty)
            dirty.push_back(&f);
    }
    std::sort(dirty.begin(), dirty.end(), [](const Frame* a, const Frame* b) { return a->number < b->number; });
    return dirty;
}

} // namespace jet
