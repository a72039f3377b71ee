#pragma once

#include "io/Pager.h"
#include "page/UsageMap.h"
#include "util/Coding.h"

#include <jet/Status.h>

#include <map>
#include <optional>
#include <vector>

namespace jet {

class PageAllocator;

// Rewrites data page `page` with the rows of `replacements` (slot -> new
// bytes) in place of the old ones, packing every row again from the end of
// the page in slot order. Deleted rows lose their bytes. Slot flags are kept
// unless `flags` names new ones. Returns false, leaving the page untouched,
// when the rows no longer fit.
bool RepackDataPage(Page& page, const std::map<uint16_t, std::vector<uint8_t>>& replacements,
                    const std::map<uint16_t, uint16_t>& flags = {});

// What RepackDataPage does to one slot: new bytes, new flags, or both.
struct SlotChange {
    uint16_t slot = 0;
    std::optional<ByteView> bytes; // viewed, not copied: must outlive the call
    std::optional<uint16_t> flags;
};
// RepackDataPage with a single slot changed, without building maps.
bool RepackDataPage(Page& page, const SlotChange& change);

// Appends a row to data page `page`: returns its slot, or nullopt when it
// does not fit (row and slot space, 255 slots at most).
std::optional<uint16_t> AppendRow(Page& page, ByteView row, uint16_t flags = 0);

// Free bytes of a data page as its layout gives them.
uint32_t DataPageFreeSpace(const Page& page);

// Sets (`present`) or clears the bit of `page` in the usage map at `where`.
// Inline maps move their window when every marked page still fits, and are
// turned into reference maps otherwise; reference maps get bitmap pages on
// demand from `allocator`.
Status SetMapPage(PageAllocator& allocator, MapLocation where, PageNumber page, bool present);

// Clears every bit of the usage map at `where`.
Status ClearMap(Pager& pager, MapLocation where);

// The global free-page map (row 0 of page 1): a set bit means "free". Owned
// by PageAllocator. Its own bitmap pages are appended through the pager and
// marked used by the map itself. Keeps
// the map covering the end of the file, growing the inline record and
// turning it into a reference map when page 1 has no more room.
class GlobalMap {
public:
    explicit GlobalMap(Pager& pager)
        : m_pager(pager)
    { }

    // Records an allocated page as used.
    Status MarkUsed(PageNumber page);
    // Records a page the engine no longer uses as free.
    Status MarkFree(PageNumber page);

private:
    // A copy of page 1 and the map record in its slot 0.
    Status ReadRecord(Page& copy, std::vector<uint8_t>& record);
    Status GrowInline(PageNumber page);
    Status ConvertToReference(PageNumber page);
    Status MarkUsedInReference(PageNumber page, int depth);

    Pager& m_pager;
};

} // namespace jet
