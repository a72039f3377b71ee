#include "create/PageBuilder.h"

#include "index/IndexPage.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <cassert>

namespace jet {

DataPageBuilder::DataPageBuilder(uint32_t owner)
{
    m_page[0] = static_cast<uint8_t>(fmt::PageType::kData);
    m_page[1] = 0x01;
    StoreU16(m_page.data() + fmt::kDataFreeSpace, static_cast<uint16_t>(fmt::kEmptyDataFree));
    StoreU32(m_page.data() + fmt::kDataOwner, owner);
}

uint16_t DataPageBuilder::RowCount() const
{
    return LoadU16(m_page.data() + fmt::kDataRowCount);
}

bool DataPageBuilder::Fits(size_t length) const
{
    return RowCount() < fmt::kMaxSlots && length + 2 <= LoadU16(m_page.data() + fmt::kDataFreeSpace);
}

uint8_t DataPageBuilder::Append(ByteView row)
{
    assert(Fits(row.size()));
    const uint16_t slot = RowCount();
    const uint16_t previous = slot == 0 ? 0 : LoadU16(m_page.data() + fmt::kDataSlots + 2 * (slot - 1));
    const uint16_t end = slot == 0 ? static_cast<uint16_t>(kPageSize) : previous & fmt::kSlotOffsetMask;
    const auto start = static_cast<uint16_t>(end - row.size());
    std::copy(row.begin(), row.end(), m_page.begin() + start);
    StoreU16(m_page.data() + fmt::kDataSlots + 2 * slot, start);
    StoreU16(m_page.data() + fmt::kDataRowCount, static_cast<uint16_t>(slot + 1));
    StoreU16(m_page.data() + fmt::kDataFreeSpace, static_cast<uint16_t>(start - fmt::kDataSlots - 2 * (slot + 1)));
    return static_cast<uint8_t>(slot);
}

std::vector<uint8_t> InlineUsageMap(PageNumber start, const std::vector<PageNumber>& pages)
{
    std::vector<uint8_t> record(fmt::kMapRecordSize, 0);
    record[0] = fmt::kMapInline;
    StoreU32(record.data() + 1, start);
    for (PageNumber p : pages) {
        assert(p >= start && p - start < kUsageMapWindow);
        const uint32_t bit = p - start;
        record[5 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
    }
    return record;
}

Result<Page> BuildLeafPage(PageNumber owner, std::vector<LeafEntry> entries)
{
    std::sort(entries.begin(), entries.end(),
              [](const LeafEntry& a, const LeafEntry& b) { return CompareEntries(a.key, a.row, b.key, b.row) < 0; });
    IndexPage leaf;
    leaf.leaf = true;
    leaf.owner = owner;
    for (const auto& e : entries)
        leaf.Insert(leaf.Count(), e.key, e.row);
    Page out;
    JET_RETURN_IF_ERROR(EncodeIndexPage(leaf, out));
    return out;
}

} // namespace jet
