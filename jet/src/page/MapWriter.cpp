#include "page/MapWriter.h"

#include "page/DataPage.h"
#include "page/PageAllocator.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <cstring>

namespace jet {
namespace {

struct RecordRef {
    Page* page = nullptr;
    uint8_t* data = nullptr;
    uint32_t length = 0;
};

Result<RecordRef> ModifyRecord(Pager& pager, MapLocation where)
{
    auto page = pager.Modify(where.page);
    if (!page.ok())
        return page.status();
    Page& p = **page;
    if (!IsDataPage(p))
        return Errors::CorruptPage(where.page, "usage map holder is not a data page");
    auto slot = DataPageSlot(p, where.page, where.row);
    if (!slot.ok())
        return slot.status();
    if (slot->IsDeleted() || slot->length() < 5)
        return Errors::CorruptPage(where.page, "usage map row " + std::to_string(where.row) + " is empty");
    return RecordRef{&p, p.data() + slot->start, slot->length()};
}

bool TestBit(const uint8_t* bitmap, uint32_t i)
{
    return (bitmap[i / 8] & (1u << (i % 8))) != 0;
}

void PutBit(uint8_t* bitmap, uint32_t i, bool on)
{
    if (on)
        bitmap[i / 8] = static_cast<uint8_t>(bitmap[i / 8] | (1u << (i % 8)));
    else
        bitmap[i / 8] = static_cast<uint8_t>(bitmap[i / 8] & ~(1u << (i % 8)));
}

Page NewBitmapPage()
{
    Page bm{};
    bm[0] = static_cast<uint8_t>(fmt::PageType::kUsageBitmap);
    bm[1] = 0x01;
    return bm;
}

// A reference map's bit for `page`; a slot without its bitmap page gets one
// from `allocator` when a bit is to be set in it.
Status SetReferenceBit(Pager& pager, PageStore& allocator, MapLocation where, PageNumber page, bool present)
{
    const uint32_t k = page / fmt::kPagesPerBitmapPage;
    if (k >= fmt::kReferenceSlots)
        return Errors::DatabaseFull();
    auto rec = ModifyRecord(pager, where);
    if (!rec.ok())
        return rec.status();
    if (1 + 4 * (k + 1) > rec->length)
        return Errors::CorruptPage(where.page, "reference usage map too short");
    PageNumber bitmapPage = LoadU32(rec->data + 1 + 4 * k);
    if (bitmapPage == 0) {
        if (!present)
            return Status::OK();
        auto allocated = allocator.AllocatePage(NewBitmapPage());
        if (!allocated.ok())
            return allocated.status();
        bitmapPage = *allocated;
        rec = ModifyRecord(pager, where);
        if (!rec.ok())
            return rec.status();
        StoreU32(rec->data + 1 + 4 * k, bitmapPage);
    }
    if (bitmapPage >= pager.PageCount())
        return Errors::CorruptPage(where.page, "usage map bitmap page out of range");
    auto bm = pager.Modify(bitmapPage);
    if (!bm.ok())
        return bm.status();
    if ((**bm)[0] != static_cast<uint8_t>(fmt::PageType::kUsageBitmap))
        return Errors::CorruptPage(bitmapPage, "not a usage map bitmap page");
    PutBit((**bm).data() + fmt::kBitmapPageHeader, page - k * fmt::kPagesPerBitmapPage, present);
    return Status::OK();
}

} // namespace

uint32_t DataPageFreeSpace(const Page& page)
{
    const uint16_t count = LoadU16(page.data() + fmt::kDataRowCount);
    const uint32_t lowest =
        count == 0 ? kPageSize : (LoadU16(page.data() + fmt::kDataSlots + 2u * (count - 1)) & fmt::kSlotOffsetMask);
    const uint32_t tableEnd = fmt::kDataSlots + 2u * count;
    return lowest > tableEnd ? lowest - tableEnd : 0;
}

namespace {

// `changes` ascending by slot, at most one per slot.
bool RepackSlots(Page& page, const SlotChange* changes, size_t changeCount)
{
    const uint16_t count = LoadU16(page.data() + fmt::kDataRowCount);
    if (count > fmt::kMaxSlots)
        return false;
    // Rows are laid out again from the end of a scratch page, in slot order.
    Page out;
    const uint32_t tableEnd = fmt::kDataSlots + 2u * count;
    uint32_t pos = kPageSize;
    uint16_t words[fmt::kMaxSlots];
    const SlotChange* change = changes;
    const SlotChange* const lastChange = changes + changeCount;
    uint32_t end = kPageSize; // a row ends where the one of the slot before starts
    for (uint16_t k = 0; k < count; ++k) {
        const uint16_t raw = LoadU16(page.data() + fmt::kDataSlots + 2u * k);
        const uint32_t start = raw & fmt::kSlotOffsetMask;
        if (start < tableEnd || start > end)
            return false;
        while (change != lastChange && change->slot < k)
            ++change;
        const SlotChange* mine = change != lastChange && change->slot == k ? change : nullptr;
        const uint16_t rowFlags =
            mine != nullptr && mine->flags ? *mine->flags : static_cast<uint16_t>(raw & fmt::kSlotDeleted);
        const uint8_t* from = page.data() + start;
        size_t length = (rowFlags & fmt::kSlotDeleted) == fmt::kSlotDeleted ? 0 : end - start;
        if (mine != nullptr && mine->bytes) {
            from = mine->bytes->data();
            length = mine->bytes->size();
        }
        if (length > pos - tableEnd)
            return false;
        pos -= static_cast<uint32_t>(length);
        if (length != 0)
            std::memcpy(out.data() + pos, from, length);
        words[k] = static_cast<uint16_t>(pos | rowFlags);
        end = start;
    }
    std::memcpy(page.data() + pos, out.data() + pos, kPageSize - pos);
    for (uint16_t k = 0; k < count; ++k)
        StoreU16(page.data() + fmt::kDataSlots + 2u * k, words[k]);
    StoreU16(page.data() + fmt::kDataFreeSpace, static_cast<uint16_t>(pos - tableEnd));
    return true;
}

} // namespace

bool RepackDataPage(Page& page, const std::map<uint16_t, std::vector<uint8_t>>& replacements,
                    const std::map<uint16_t, uint16_t>& flags)
{
    std::vector<SlotChange> changes;
    auto r = replacements.begin();
    auto f = flags.begin();
    while (r != replacements.end() || f != flags.end()) {
        SlotChange change;
        change.slot = r == replacements.end() ? f->first : f == flags.end() ? r->first : std::min(r->first, f->first);
        if (r != replacements.end() && r->first == change.slot)
            change.bytes = ByteView((r++)->second);
        if (f != flags.end() && f->first == change.slot)
            change.flags = (f++)->second;
        changes.push_back(change);
    }
    return RepackSlots(page, changes.data(), changes.size());
}

bool RepackDataPage(Page& page, const SlotChange& change)
{
    return RepackSlots(page, &change, 1);
}

std::optional<uint16_t> AppendRow(Page& page, ByteView row, uint16_t flags)
{
    const uint16_t count = LoadU16(page.data() + fmt::kDataRowCount);
    if (count >= fmt::kMaxSlots)
        return std::nullopt;
    const uint32_t lowest =
        count == 0 ? kPageSize : (LoadU16(page.data() + fmt::kDataSlots + 2u * (count - 1)) & fmt::kSlotOffsetMask);
    const uint32_t tableEnd = fmt::kDataSlots + 2u * (count + 1u);
    if (lowest < tableEnd || row.size() > lowest - tableEnd)
        return std::nullopt;
    const uint32_t start = lowest - static_cast<uint32_t>(row.size());
    if (!row.empty())
        std::memcpy(page.data() + start, row.data(), row.size());
    StoreU16(page.data() + fmt::kDataSlots + 2u * count, static_cast<uint16_t>(start | flags));
    StoreU16(page.data() + fmt::kDataRowCount, static_cast<uint16_t>(count + 1));
    StoreU16(page.data() + fmt::kDataFreeSpace, static_cast<uint16_t>(start - tableEnd));
    return count;
}

Status SetMapPage(PageAllocator& allocator, MapLocation where, PageNumber page, bool present)
{
    Pager& pager = allocator.pager();
    auto rec = ModifyRecord(pager, where);
    if (!rec.ok())
        return rec.status();
    if (rec->data[0] == fmt::kMapReference)
        return SetReferenceBit(pager, allocator, where, page, present);
    if (rec->data[0] != fmt::kMapInline)
        return Errors::CorruptPage(where.page, "unknown usage map type");
    uint8_t* bitmap = rec->data + 5;
    const uint32_t start = LoadU32(rec->data + 1);
    const uint32_t bits = (rec->length - 5) * 8;
    if (page >= start && page - start < bits) {
        PutBit(bitmap, page - start, present);
        return Status::OK();
    }
    if (!present)
        return Status::OK();

    std::vector<PageNumber> pages{page};
    for (uint32_t i = 0; i < bits; ++i) {
        if (TestBit(bitmap, i))
            pages.push_back(start + i);
    }
    const auto [lo, hi] = std::minmax_element(pages.begin(), pages.end());
    const PageNumber newStart = *lo & ~7u;
    if (*hi - newStart < bits) {
        std::memset(bitmap, 0, rec->length - 5);
        StoreU32(rec->data + 1, newStart);
        for (PageNumber p : pages)
            PutBit(bitmap, p - newStart, true);
        return Status::OK();
    }
    // The pages no longer fit one window: switch to a reference map of the
    // same record length.
    if (rec->length < fmt::kMapRecordSize)
        return Status::NotSupported("A usage map record is too small to grow.");
    rec->data[0] = fmt::kMapReference;
    std::memset(rec->data + 1, 0, rec->length - 1);
    for (PageNumber p : pages)
        JET_RETURN_IF_ERROR(SetReferenceBit(pager, allocator, where, p, true));
    return Status::OK();
}

Status ClearMap(Pager& pager, MapLocation where)
{
    auto rec = ModifyRecord(pager, where);
    if (!rec.ok())
        return rec.status();
    if (rec->data[0] == fmt::kMapInline) {
        std::memset(rec->data + 5, 0, rec->length - 5);
        return Status::OK();
    }
    std::vector<PageNumber> bitmapPages;
    for (uint32_t k = 0; k < fmt::kReferenceSlots && 1 + 4 * (k + 1) <= rec->length; ++k) {
        const PageNumber n = LoadU32(rec->data + 1 + 4 * k);
        if (n != 0 && n < pager.PageCount())
            bitmapPages.push_back(n);
    }
    for (PageNumber n : bitmapPages) {
        auto bm = pager.Modify(n);
        if (!bm.ok())
            return bm.status();
        if ((**bm)[0] == static_cast<uint8_t>(fmt::PageType::kUsageBitmap))
            std::memset((**bm).data() + fmt::kBitmapPageHeader, 0, kPageSize - fmt::kBitmapPageHeader);
    }
    return Status::OK();
}

// ---- Global map ----

Status GlobalMap::MarkUsed(PageNumber page)
{
    auto rec = ModifyRecord(m_pager, MapLocation{1, 0});
    if (!rec.ok())
        return rec.status();
    if (rec->data[0] == fmt::kMapReference)
        return MarkUsedInReference(page, 0);
    const uint32_t start = LoadU32(rec->data + 1);
    const uint32_t bits = (rec->length - 5) * 8;
    if (page >= start && page - start < bits) {
        PutBit(rec->data + 5, page - start, false);
        return Status::OK();
    }
    if (page < start)
        return Status::OK(); // pages before the window count as used
    return GrowInline(page);
}

Status GlobalMap::MarkFree(PageNumber page)
{
    auto rec = ModifyRecord(m_pager, MapLocation{1, 0});
    if (!rec.ok())
        return rec.status();
    if (rec->data[0] == fmt::kMapReference) {
        // A slot without its bitmap page gets one marked as the map's own
        // first; only then can the page's bit be set.
        JET_RETURN_IF_ERROR(MarkUsedInReference(page, 0));
        return SetReferenceBit(m_pager, m_pager, MapLocation{1, 0}, page, true);
    }
    const uint32_t start = LoadU32(rec->data + 1);
    const uint32_t bits = (rec->length - 5) * 8;
    if (page >= start && page - start < bits)
        PutBit(rec->data + 5, page - start, true);
    return Status::OK();
}

Status GlobalMap::ReadRecord(Page& copy, std::vector<uint8_t>& record)
{
    auto view = m_pager.View(1);
    if (!view.ok())
        return view.status();
    copy = **view;
    auto slot = DataPageSlot(copy, 1, 0);
    if (!slot.ok())
        return slot.status();
    record.assign(copy.begin() + slot->start, copy.begin() + slot->end);
    return Status::OK();
}

Status GlobalMap::GrowInline(PageNumber page)
{
    Page copy;
    std::vector<uint8_t> record;
    JET_RETURN_IF_ERROR(ReadRecord(copy, record));
    const uint32_t start = LoadU32(record.data() + 1);
    const uint32_t oldBits = static_cast<uint32_t>(record.size() - 5) * 8;
    // Grow by whole 512-page steps past the page, as Access keeps a margin.
    const uint32_t wantedBits = ((page - start) / 512 + 2) * 512;
    const uint32_t count = m_pager.PageCount();
    record.resize(5 + wantedBits / 8, 0);
    for (uint32_t i = oldBits; i < wantedBits; ++i)
        PutBit(record.data() + 5, i, start + i >= count); // pages past the end are free
    PutBit(record.data() + 5, page - start, false);
    if (RepackDataPage(copy, {{0, record}})) {
        auto target = m_pager.Modify(1);
        if (!target.ok())
            return target.status();
        **target = copy;
        return Status::OK();
    }
    return ConvertToReference(page);
}

Status GlobalMap::ConvertToReference(PageNumber page)
{
    Page copy;
    std::vector<uint8_t> old;
    JET_RETURN_IF_ERROR(ReadRecord(copy, old));
    const uint32_t start = LoadU32(old.data() + 1);
    const uint32_t oldBits = static_cast<uint32_t>(old.size() - 5) * 8;
    const uint32_t count = m_pager.PageCount();
    auto isFree = [&](uint32_t p) {
        if (p == page)
            return false;
        if (p >= start && p - start < oldBits)
            return TestBit(old.data() + 5, p - start);
        return p >= count;
    };

    // Bitmap pages for every slot up to the end of the file. They are
    // appended after `count`, so their own bits are cleared afterwards.
    std::vector<uint8_t> record(fmt::kMapRecordSize, 0);
    record[0] = fmt::kMapReference;
    std::vector<PageNumber> created;
    const uint32_t slots = (count - 1) / fmt::kPagesPerBitmapPage + 1;
    if (slots > fmt::kReferenceSlots)
        return Errors::DatabaseFull();
    for (uint32_t k = 0; k < slots; ++k) {
        Page bm = NewBitmapPage();
        for (uint32_t i = 0; i < fmt::kPagesPerBitmapPage; ++i)
            PutBit(bm.data() + fmt::kBitmapPageHeader, i, isFree(k * fmt::kPagesPerBitmapPage + i));
        auto allocated = m_pager.AppendPage(bm);
        if (!allocated.ok())
            return allocated.status();
        StoreU32(record.data() + 1 + 4 * k, *allocated);
        created.push_back(*allocated);
    }
    auto view = m_pager.View(1);
    if (!view.ok())
        return view.status();
    copy = **view;
    if (!RepackDataPage(copy, {{0, record}}))
        return Errors::CorruptPage(1, "cannot rewrite the free-page map");
    auto target = m_pager.Modify(1);
    if (!target.ok())
        return target.status();
    **target = copy;
    for (PageNumber p : created)
        JET_RETURN_IF_ERROR(MarkUsedInReference(p, 0));
    return Status::OK();
}

Status GlobalMap::MarkUsedInReference(PageNumber page, int depth)
{
    if (depth > 4)
        return Errors::DatabaseFull();
    const uint32_t k = page / fmt::kPagesPerBitmapPage;
    if (k >= fmt::kReferenceSlots)
        return Errors::DatabaseFull();
    auto rec = ModifyRecord(m_pager, MapLocation{1, 0});
    if (!rec.ok())
        return rec.status();
    if (1 + 4 * (k + 1) > rec->length)
        return Errors::CorruptPage(1, "free-page map record too short");
    PageNumber bitmapPage = LoadU32(rec->data + 1 + 4 * k);
    if (bitmapPage == 0) {
        // A new slot: pages below the end of the file are in use, the rest free.
        const uint32_t count = m_pager.PageCount();
        Page bm = NewBitmapPage();
        for (uint32_t i = 0; i < fmt::kPagesPerBitmapPage; ++i)
            PutBit(bm.data() + fmt::kBitmapPageHeader, i, k * fmt::kPagesPerBitmapPage + i >= count);
        auto allocated = m_pager.AppendPage(bm);
        if (!allocated.ok())
            return allocated.status();
        bitmapPage = *allocated;
        rec = ModifyRecord(m_pager, MapLocation{1, 0});
        if (!rec.ok())
            return rec.status();
        StoreU32(rec->data + 1 + 4 * k, bitmapPage);
        JET_RETURN_IF_ERROR(MarkUsedInReference(bitmapPage, depth + 1));
    }
    if (bitmapPage >= m_pager.PageCount())
        return Errors::CorruptPage(1, "free-page map bitmap page out of range");
    auto bm = m_pager.Modify(bitmapPage);
    if (!bm.ok())
        return bm.status();
    if ((**bm)[0] != static_cast<uint8_t>(fmt::PageType::kUsageBitmap))
        return Errors::CorruptPage(bitmapPage, "not a usage map bitmap page");
    PutBit((**bm).data() + fmt::kBitmapPageHeader, page - k * fmt::kPagesPerBitmapPage, false);
    return Status::OK();
}

} // namespace jet
