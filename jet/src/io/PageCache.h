#pragma once

#include "io/PageStore.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace jet {

// The pager's frames: which pages are in memory, which of them are changed,
// and which one to give up when a new page needs a frame. It knows nothing
// of files, journals or transactions; the pager decides what happens to a
// changed page before its frame is reused.
//
// Pages are replaced by the clock algorithm with credits: a hit gives a page
// credit, the hand takes one away and picks the first page without any.
// Index, definition and map pages earn more credit than data pages: they are
// few and visited again and again, while a merge touches most data pages
// once. A frame's state is kept apart from its page, so that the clock's
// sweep and the search for changed pages read small records kept together.
class PageCache {
public:
    struct Frame {
        Page* page = nullptr; // in m_pageData
        PageNumber number = 0;
        bool used = false;
        bool dirty = false;
        uint8_t credit = 0;
    };

    explicit PageCache(size_t capacity);

    size_t capacity() const { return m_capacity; }
    size_t DirtyCount() const { return m_dirtyCount; }

    // The frame holding page `n`, credited for the hit; nullptr when absent.
    Frame* Find(PageNumber n);
    // The frame that Take() would use next: nullptr while the cache has room,
    // else the clock's choice (its page may be changed: the caller writes it
    // out first). Calling it again before Take() gives the same frame.
    Frame* NextVictim();
    // A frame for page `n`, which must not be cached: a new frame, or the
    // victim NextVictim() names, whose page is forgotten. REQUIRES: the
    // victim is not dirty.
    Frame* Take(PageNumber n);
    void MarkDirty(Frame& f);
    void MarkClean(Frame& f);
    // Forgets the page of `f` (a changed page's change is lost).
    void Drop(Frame& f);
    // Forgets every page.
    void Clear();
    // Every changed frame, in ascending page order.
    std::vector<Frame*> DirtyInPageOrder();

private:
    static constexpr uint8_t kMaxCredit = 3;
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    size_t m_capacity;
    std::deque<Frame> m_frames;      // frames never move
    std::deque<Page> m_pageData;     // the frames' pages
    std::vector<uint32_t> m_frameOf; // page number -> frame index, kNone when not cached
    uint32_t m_hand = 0;
    uint32_t m_victim = kNone; // chosen by NextVictim, not yet taken
    size_t m_dirtyCount = 0;
};

} // namespace jet
