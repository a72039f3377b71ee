#pragma once

#include "io/PageStore.h"
#include "io/Pager.h"
#include "page/MapWriter.h"

#include <jet/Status.h>

#include <vector>

namespace jet {

// Hands out and takes back the pages of a writable database. It owns the
// global free-page map (row 0 of page 1), which must name every page in use
// for Access to trust the file, and the pages freed since the file was
// opened, which it hands out again before the file grows. The pager below
// it only reads, writes and appends pages.
//
// Everything that needs a new page (tables, their long values and usage-map
// bitmap pages, B-trees through the PageStore interface, new tables) asks
// the allocator; reads and writes pass straight to the pager.
class PageAllocator final : public PageStore {
public:
    explicit PageAllocator(Pager& pager)
        : m_pager(pager)
        , m_globalMap(pager)
    { }

    Pager& pager() { return m_pager; }

    // A page with content `page`: one freed earlier, else a new one at the
    // end of the file; either way marked used in the global map.
    Result<PageNumber> AllocatePage(const Page& page) override;
    // Gives page `n` back: blanked, marked free in the global map, and
    // handed out again by AllocatePage. The caller has already taken it out
    // of every usage map of its own.
    Status ReleasePage(PageNumber n);

    // A change as a unit (one row, one new table): the pager keeps the
    // original of every page it touches; the allocator keeps its list of
    // free pages, since a page freed by a change that is taken back is not
    // free after all, and one handed out by it is free again.
    Status BeginChange();
    void CommitChange();
    void RollbackChange();

    // PageStore: straight to the pager.
    Status ReadPage(PageNumber n, Page& out) override { return m_pager.ReadPage(n, out); }
    Result<const Page*> ViewPage(PageNumber n) override { return m_pager.View(n); }
    Status WritePage(PageNumber n, const Page& page) override { return m_pager.WritePage(n, page); }
    uint32_t PageCount() const override { return m_pager.PageCount(); }
    std::optional<uint64_t> PageVersion(PageNumber n) const override { return m_pager.PageVersion(n); }

private:
    Pager& m_pager;
    GlobalMap m_globalMap;
    std::vector<PageNumber> m_reusable;
    std::vector<PageNumber> m_reusableAtBegin;
};

} // namespace jet
