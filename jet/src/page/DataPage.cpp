#include "page/DataPage.h"

namespace jet {

Result<uint16_t> DataPageSlotCount(const Page& data, PageNumber page)
{
    const uint16_t count = LoadU16(data.data() + fmt::kDataRowCount);
    if (count > fmt::kMaxSlots || fmt::kDataSlots + 2u * count > kPageSize)
        return Errors::CorruptPage(page, "bad row count " + std::to_string(count));
    return count;
}

Result<RowSlot> DataPageSlot(const Page& data, PageNumber page, uint16_t slot)
{
    auto count = DataPageSlotCount(data, page);
    if (!count.ok())
        return count.status();
    if (slot >= *count)
        return Errors::CorruptPage(page, "row " + std::to_string(slot) + " does not exist");
    RowSlot s;
    s.raw = LoadU16(data.data() + fmt::kDataSlots + 2u * slot);
    s.start = s.raw & fmt::kSlotOffsetMask;
    s.end = slot == 0
        ? kPageSize
        : static_cast<uint16_t>(LoadU16(data.data() + fmt::kDataSlots + 2u * (slot - 1)) & fmt::kSlotOffsetMask);
    const uint32_t tableEnd = fmt::kDataSlots + 2u * *count;
    if (s.start < tableEnd || s.start > s.end || s.end > kPageSize)
        return Errors::CorruptPage(page, "row " + std::to_string(slot) + " has bad offsets");
    return s;
}

} // namespace jet
