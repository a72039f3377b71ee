#pragma once

#include "io/PageStore.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include <jet/Status.h>

#include <string>

namespace jet {

// One row slot of a data page, with its byte range already checked against
// the page.
struct RowSlot {
    uint16_t raw = 0;   // slot word: offset and flags
    uint16_t start = 0; // first byte of the row within the page
    uint16_t end = 0;   // one past its last byte
    bool IsDeleted() const { return (raw & fmt::kSlotDeleted) == fmt::kSlotDeleted; }
    bool IsHidden() const { return (raw & fmt::kSlotDeleted) == fmt::kSlotHidden; }
    bool IsOverflow() const { return (raw & fmt::kSlotDeleted) == fmt::kSlotOverflow; }
    uint16_t length() const { return static_cast<uint16_t>(end - start); }
};

// Number of row slots of data page `page`, checked against the page size.
Result<uint16_t> DataPageSlotCount(const Page& data, PageNumber page);

// Slot `slot` of data page `page`. Rows end where the previous slot's row
// starts (slot 0 at the end of the page). Fails on out-of-range offsets.
Result<RowSlot> DataPageSlot(const Page& data, PageNumber page, uint16_t slot);

// A row pointer as stored: row number in the low byte, page above.
inline PageNumber RowPointerPage(uint32_t pointer)
{
    return pointer >> 8;
}
inline uint8_t RowPointerRow(uint32_t pointer)
{
    return static_cast<uint8_t>(pointer & 0xFF);
}

// The page starts with a data-page header (type 1, byte 1 = 1).
inline bool IsDataPage(const Page& data)
{
    return data[0] == static_cast<uint8_t>(fmt::PageType::kData) && data[1] == 0x01;
}

} // namespace jet
