#pragma once

#include "io/PageStore.h"

#include <jet/Status.h>

#include <vector>

namespace jet {

// Where a usage-map record lives: a row of a data page.
struct MapLocation {
    PageNumber page = 0;
    uint8_t row = 0;
    static MapLocation FromPointer(uint32_t pointer) { return {pointer >> 8, static_cast<uint8_t>(pointer & 0xFF)}; }
};

// Reads the pages a usage map marks, in ascending order. Pages at or beyond
// `limit` are left out (maps describe pages past the end of the file; for
// the global map those bits mean "free").
Result<std::vector<PageNumber>> ReadUsageMap(PageStore& store, MapLocation where, PageNumber limit);

// The raw record bytes of a usage map, checked to be a live row of a data page.
Status ReadUsageMapRecord(PageStore& store, MapLocation where, std::vector<uint8_t>& record);

} // namespace jet
