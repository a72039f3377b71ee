#pragma once

#include "io/Pager.h"

#include <jet/Status.h>

#include <functional>
#include <vector>

namespace jet {

// Appends a page with the given content to the file and returns its number.
using PageAllocator = std::function<Result<PageNumber>(const Page&)>;

// Sets `pages` in the usage map whose record row pointer is `pointer`. An
// inline map whose window does not cover them moves its window when every
// page it records still fits, and otherwise becomes a reference map; a
// reference map gets a bitmap page for each range of pages that lacks one.
// New bitmap pages come from `allocate`; without it, a change that needs one
// is refused. Returns NotSupported, having changed nothing, when the map
// cannot record the pages; with `dryRun` it only tells whether it could.
Status AddToUsageMap(Pager& pager, uint32_t pointer, const std::vector<PageNumber>& pages,
                     const PageAllocator& allocate, bool dryRun = false);

// Clears `page` from the usage map at `pointer` (nothing to do when the map
// does not record it).
Status RemoveFromUsageMap(Pager& pager, uint32_t pointer, PageNumber page);

// Marks `page` as in use in the global free-page map (page 1, row 0), growing
// the inline record when the page lies past its window; pages the record
// then newly covers are marked used below the end of the file and free from
// there on. NotSupported when page 1 has no room left for a longer record or
// a reference map lacks the bitmap page.
Status MarkPageUsed(Pager& pager, PageNumber page);

} // namespace jet
