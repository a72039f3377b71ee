#include "page/UsageMap.h"

#include "page/DataPage.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include <algorithm>

namespace jet {

Status ReadUsageMapRecord(PageStore& store, MapLocation where, std::vector<uint8_t>& record)
{
    if (where.page == 0 || where.page >= store.PageCount())
        return Errors::CorruptPage(where.page, "usage map pointer out of range");
    Page page;
    JET_RETURN_IF_ERROR(store.ReadPage(where.page, page));
    if (!IsDataPage(page))
        return Errors::CorruptPage(where.page, "usage map holder is not a data page");
    auto slot = DataPageSlot(page, where.page, where.row);
    if (!slot.ok())
        return slot.status();
    if (slot->IsDeleted() || slot->length() < 1)
        return Errors::CorruptPage(where.page, "usage map row " + std::to_string(where.row) + " is empty");
    record.assign(page.begin() + slot->start, page.begin() + slot->end);
    return Status::OK();
}

Result<std::vector<PageNumber>> ReadUsageMap(PageStore& store, MapLocation where, PageNumber limit)
{
    std::vector<uint8_t> record;
    JET_RETURN_IF_ERROR(ReadUsageMapRecord(store, where, record));
    std::vector<PageNumber> pages;
    if (record[0] == fmt::kMapInline) {
        if (record.size() < 5)
            return Errors::CorruptPage(where.page, "usage map record too short");
        const uint32_t start = LoadU32(record.data() + 1);
        const size_t bits = (record.size() - 5) * 8;
        for (size_t i = 0; i < bits; ++i) {
            if ((record[5 + i / 8] & (1u << (i % 8))) == 0)
                continue;
            const uint64_t page = static_cast<uint64_t>(start) + i;
            if (page >= limit)
                break;
            pages.push_back(static_cast<PageNumber>(page));
        }
        return pages;
    }
    if (record[0] != fmt::kMapReference)
        return Errors::CorruptPage(where.page, "unknown usage map type " + std::to_string(record[0]));
    const size_t slots = std::min<size_t>((record.size() - 1) / 4, fmt::kReferenceSlots);
    Page bitmap;
    for (size_t k = 0; k < slots; ++k) {
        const PageNumber bitmapPage = LoadU32(record.data() + 1 + 4 * k);
        if (bitmapPage == 0)
            continue;
        const uint64_t first = static_cast<uint64_t>(k) * fmt::kPagesPerBitmapPage;
        if (first >= limit)
            break;
        if (bitmapPage >= store.PageCount())
            return Errors::CorruptPage(where.page,
                                       "usage map bitmap page " + std::to_string(bitmapPage) + " out of range");
        JET_RETURN_IF_ERROR(store.ReadPage(bitmapPage, bitmap));
        if (bitmap[0] != static_cast<uint8_t>(fmt::PageType::kUsageBitmap))
            return Errors::CorruptPage(bitmapPage, "not a usage map bitmap page");
        for (uint32_t i = 0; i < fmt::kPagesPerBitmapPage; ++i) {
            if ((bitmap[fmt::kBitmapPageHeader + i / 8] & (1u << (i % 8))) == 0)
                continue;
            const uint64_t page = first + i;
            if (page >= limit)
                break;
            pages.push_back(static_cast<PageNumber>(page));
        }
    }
    return pages;
}

} // namespace jet
