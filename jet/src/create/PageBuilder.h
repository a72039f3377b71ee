#pragma once

#include "index/IndexDef.h"
#include "io/PageStore.h"
#include "util/Coding.h"

#include <jet/Status.h>

#include <cstdint>
#include <vector>

namespace jet {

// Builds a fresh data page (type 1) row by row: rows packed from the end of
// the page downwards in slot order, free space kept current.
class DataPageBuilder {
public:
    // `owner`: the owning table's definition page, 0 for a usage-map holder,
    // 1 for the page of the global free-page map.
    explicit DataPageBuilder(uint32_t owner);

    // True when a row of `length` bytes still fits (with its slot).
    bool Fits(size_t length) const;
    // Appends a row and returns its slot number. REQUIRES: Fits(row.size()).
    uint8_t Append(ByteView row);
    uint16_t RowCount() const;
    const Page& page() const { return m_page; }

private:
    Page m_page{};
};

// Usage-map records are 69 bytes: type 0, start page, 64 bytes of bitmap.
constexpr uint32_t kUsageMapWindow = 512;

// Start page of an inline map window that covers `page`.
inline PageNumber UsageMapWindowFor(PageNumber page)
{
    return page - page % kUsageMapWindow;
}

// An inline usage-map record starting at `start` with the bits of `pages`
// set. REQUIRES: every page inside [start, start + 512).
std::vector<uint8_t> InlineUsageMap(PageNumber start, const std::vector<PageNumber>& pages);

// One entry of a leaf page: key bytes and the row they point to.
struct LeafEntry {
    std::vector<uint8_t> key;
    RowId row;
};

// A leaf page (the whole tree of a small index) owned by table definition
// `owner` holding `entries` in index order, or an empty root when there are
// none. Fails when the entries do not fit on one page.
Result<Page> BuildLeafPage(PageNumber owner, std::vector<LeafEntry> entries);

} // namespace jet
