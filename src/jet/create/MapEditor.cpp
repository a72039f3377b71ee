#include "create/MapEditor.h"

#include "FormatConstants.h"
#include "create/PageBuilder.h"
#include "page/DataPage.h"
#include "page/UsageMap.h"
#include "util/Coding.h"

#include <algorithm>
#include <set>

namespace jet {
namespace {

constexpr PageNumber kGlobalMapPage = 1;

struct RecordRef {
    const Page* page = nullptr;
    uint16_t start = 0;
    uint16_t length = 0;
    const uint8_t* bytes() const { return page->data() + start; }
};

Result<RecordRef> LocateRecord(Pager& pager, MapLocation where)
{
    if (where.page == 0 || where.page >= pager.PageCount())
        return CorruptPage(where.page, "usage map pointer out of range");
    auto viewed = pager.View(where.page);
    if (!viewed.ok())
        return viewed.status();
    const Page* page = *viewed;
    if (!IsDataPage(*page))
        return CorruptPage(where.page, "usage map holder is not a data page");
    auto slot = DataPageSlot(*page, where.page, where.row);
    if (!slot.ok())
        return slot.status();
    if (slot->IsDeleted() || slot->length() < 5)
        return CorruptPage(where.page, "usage map row " + std::to_string(where.row) + " is too short");
    return RecordRef{page, slot->start, slot->length()};
}

// The bytes of a record located before, for changing in place.
Result<uint8_t*> WritableRecord(Pager& pager, MapLocation where, const RecordRef& ref)
{
    auto page = pager.Modify(where.page);
    if (!page.ok())
        return page.status();
    return (*page)->data() + ref.start;
}

void SetBit(uint8_t* bitmap, uint32_t bit, bool value)
{
    if (value)
        bitmap[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
    else
        bitmap[bit / 8] &= static_cast<uint8_t>(~(1u << (bit % 8)));
}

bool GetBit(const uint8_t* bitmap, uint32_t bit)
{
    return (bitmap[bit / 8] & (1u << (bit % 8))) != 0;
}

// Plans the change to an inline record: the new start and the pages to set.
// Returns false when no window of the record's size covers them all.
bool PlanInline(const uint8_t* record, uint16_t length, const std::vector<PageNumber>& add, PageNumber& newStart,
                std::vector<PageNumber>& all)
{
    const PageNumber start = LoadU32(record + 1);
    const uint32_t bits = (length - 5u) * 8u;
    all = add;
    for (uint32_t i = 0; i < bits; ++i) {
        if (GetBit(record + 5, i))
            all.push_back(start + i);
    }
    const auto [lo, hi] = std::minmax_element(all.begin(), all.end());
    if (*lo >= start && *hi - start < bits) {
        newStart = start;
        return true;
    }
    newStart = *lo - *lo % 8;
    return *hi - newStart < bits;
}

// The bitmap page of a reference map that covers `page`.
Result<PageNumber> BitmapPageFor(Pager& pager, const uint8_t* record, PageNumber page)
{
    const uint32_t k = page / fmt::kPagesPerBitmapPage;
    if (k >= fmt::kReferenceSlots)
        return Status::NotSupported("The database is too large for its usage map.");
    const PageNumber bitmapPage = LoadU32(record + 1 + 4 * k);
    if (bitmapPage == 0)
        return Status::NotSupported("The usage map has no bitmap page for page " + std::to_string(page) + ".");
    if (bitmapPage >= pager.PageCount())
        return CorruptPage(bitmapPage, "usage map bitmap page out of range");
    auto viewed = pager.View(bitmapPage);
    if (!viewed.ok())
        return viewed.status();
    if ((**viewed)[0] != static_cast<uint8_t>(fmt::PageType::kUsageBitmap))
        return CorruptPage(bitmapPage, "not a usage map bitmap page");
    return bitmapPage;
}

Status SetReferenceBit(Pager& pager, const uint8_t* record, PageNumber page, bool value)
{
    auto bitmapPage = BitmapPageFor(pager, record, page);
    if (!bitmapPage.ok())
        return bitmapPage.status();
    auto bitmap = pager.Modify(*bitmapPage);
    if (!bitmap.ok())
        return bitmap.status();
    SetBit((*bitmap)->data() + fmt::kBitmapPageHeader, page % fmt::kPagesPerBitmapPage, value);
    return Status::OK();
}

} // namespace

Status AddToUsageMap(Pager& pager, uint32_t pointer, const std::vector<PageNumber>& pages,
                     const PageAllocator& allocate, bool dryRun)
{
    if (pages.empty())
        return Status::OK();
    const MapLocation where = MapLocation::FromPointer(pointer);
    auto ref = LocateRecord(pager, where);
    if (!ref.ok())
        return ref.status();
    const uint8_t type = ref->bytes()[0];
    const uint16_t length = ref->length;
    std::vector<uint8_t> record(ref->bytes(), ref->bytes() + length);
    auto cannot = [&] {
        return Status::NotSupported("A usage map cannot record page " + std::to_string(pages.back()) + ".");
    };

    std::vector<PageNumber> referenced; // pages to set through bitmap pages
    if (type == fmt::kMapInline) {
        PageNumber newStart = 0;
        std::vector<PageNumber> all;
        if (PlanInline(record.data(), length, pages, newStart, all)) {
            if (dryRun)
                return Status::OK();
            auto writable = WritableRecord(pager, where, *ref);
            if (!writable.ok())
                return writable.status();
            StoreU32(*writable + 1, newStart);
            std::fill(*writable + 5, *writable + length, 0);
            for (PageNumber p : all)
                SetBit(*writable + 5, p - newStart, true);
            return Status::OK();
        }
        // No window covers them all: the record becomes a reference map of
        // the same length.
        if (!allocate || length < 1 + 4 * fmt::kReferenceSlots)
            return cannot();
        std::fill(record.begin(), record.end(), 0);
        record[0] = fmt::kMapReference;
        referenced = std::move(all);
    } else if (type == fmt::kMapReference && length >= 1 + 4 * fmt::kReferenceSlots) {
        referenced = pages;
    } else {
        return CorruptPage(where.page, "unknown usage map type " + std::to_string(type));
    }

    std::set<uint32_t> missingSlots;
    for (PageNumber p : referenced) {
        const uint32_t k = p / fmt::kPagesPerBitmapPage;
        if (k >= fmt::kReferenceSlots)
            return cannot();
        if (LoadU32(record.data() + 1 + 4 * k) == 0)
            missingSlots.insert(k);
        else
            JET_RETURN_IF_ERROR(BitmapPageFor(pager, record.data(), p).status());
    }
    if (!missingSlots.empty() && !allocate)
        return cannot();
    if (dryRun)
        return Status::OK();
    for (uint32_t k : missingSlots) {
        Page bitmap{};
        bitmap[0] = static_cast<uint8_t>(fmt::PageType::kUsageBitmap);
        bitmap[1] = 0x01;
        auto page = allocate(bitmap);
        if (!page.ok())
            return page.status();
        StoreU32(record.data() + 1 + 4 * k, *page);
    }
    for (PageNumber p : referenced)
        JET_RETURN_IF_ERROR(SetReferenceBit(pager, record.data(), p, true));
    auto again = LocateRecord(pager, where);
    if (!again.ok())
        return again.status();
    if (again->length != length)
        return CorruptPage(where.page, "usage map record changed while it was extended");
    auto writable = WritableRecord(pager, where, *again);
    if (!writable.ok())
        return writable.status();
    std::copy(record.begin(), record.end(), *writable);
    return Status::OK();
}

Status RemoveFromUsageMap(Pager& pager, uint32_t pointer, PageNumber page)
{
    const MapLocation where = MapLocation::FromPointer(pointer);
    auto ref = LocateRecord(pager, where);
    if (!ref.ok())
        return ref.status();
    const uint8_t type = ref->bytes()[0];
    if (type == fmt::kMapInline) {
        const PageNumber start = LoadU32(ref->bytes() + 1);
        const uint32_t bits = (ref->length - 5u) * 8u;
        if (page < start || page - start >= bits || !GetBit(ref->bytes() + 5, page - start))
            return Status::OK();
        auto writable = WritableRecord(pager, where, *ref);
        if (!writable.ok())
            return writable.status();
        SetBit(*writable + 5, page - start, false);
        return Status::OK();
    }
    if (type != fmt::kMapReference || ref->length < 1 + 4 * fmt::kReferenceSlots)
        return CorruptPage(where.page, "unknown usage map type " + std::to_string(type));
    const std::vector<uint8_t> record(ref->bytes(), ref->bytes() + ref->length);
    Status cleared = SetReferenceBit(pager, record.data(), page, false);
    return cleared.kind() == Status::Kind::kNotSupported ? Status::OK() : cleared;
}

Status MarkPageUsed(Pager& pager, PageNumber page)
{
    const MapLocation where{kGlobalMapPage, 0};
    auto ref = LocateRecord(pager, where);
    if (!ref.ok())
        return ref.status();
    if (ref->bytes()[0] == fmt::kMapReference) {
        if (ref->length < 1 + 4 * fmt::kReferenceSlots)
            return CorruptPage(kGlobalMapPage, "global usage map record too short");
        const std::vector<uint8_t> record(ref->bytes(), ref->bytes() + ref->length);
        return SetReferenceBit(pager, record.data(), page, false);
    }
    if (ref->bytes()[0] != fmt::kMapInline)
        return CorruptPage(kGlobalMapPage, "unknown global usage map type");

    const PageNumber start = LoadU32(ref->bytes() + 1);
    const uint32_t bits = (ref->length - 5u) * 8u;
    if (page < start)
        return Status::NotSupported("The free-page map does not cover page " + std::to_string(page) + ".");
    if (page - start < bits) {
        auto writable = WritableRecord(pager, where, *ref);
        if (!writable.ok())
            return writable.status();
        SetBit(*writable + 5, page - start, false);
        return Status::OK();
    }

    // Grow the record in 4-byte steps to cover the page, then repack page 1.
    const uint32_t neededBytes = (page - start) / 8 + 1;
    const uint32_t newLength = 5 + (neededBytes + 3) / 4 * 4;
    std::vector<uint8_t> grown(newLength, 0);
    std::copy(ref->bytes(), ref->bytes() + ref->length, grown.begin());
    for (uint32_t bit = bits; bit < (newLength - 5) * 8; ++bit)
        SetBit(grown.data() + 5, bit, start + bit >= pager.PageCount());
    SetBit(grown.data() + 5, page - start, false);

    const Page old = *ref->page;
    auto count = DataPageSlotCount(old, kGlobalMapPage);
    if (!count.ok())
        return count.status();
    DataPageBuilder rebuilt(LoadU32(old.data() + fmt::kDataOwner));
    for (uint16_t s = 0; s < *count; ++s) {
        auto slot = DataPageSlot(old, kGlobalMapPage, s);
        if (!slot.ok())
            return slot.status();
        const ByteView row = s == 0 ? ByteView(grown) : ByteView(old.data() + slot->start, slot->length());
        if (!rebuilt.Fits(row.size()))
            return Status::NotSupported("The free-page map has outgrown its page.");
        rebuilt.Append(row);
    }
    return pager.WritePage(kGlobalMapPage, rebuilt.page());
}

} // namespace jet
