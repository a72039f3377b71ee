#include "table/Table.h"

#include "page/DataPage.h"
#include "table/RowCursor.h"
#include "util/FormatConstants.h"

#include <algorithm>

namespace jet {

Table::Table(Pager& pager, TableDef def, std::u16string name, PageAllocator* allocator)
    : m_pager(pager)
    , m_allocator(allocator)
    , m_def(std::move(def))
    , m_name(std::move(name))
{ }

bool Table::OwnsPage(const Page& page, PageNumber tdefPage)
{
    return IsDataPage(page) && LoadU32(page.data() + fmt::kDataOwner) == tdefPage;
}

Result<const std::vector<PageNumber>*> Table::DataPages()
{
    if (!m_pagesLoaded) {
        // Read without a limit: a table whose pages lie past the end of the
        // file has lost rows (a truncated file), which must not read as a
        // shorter table.
        auto pages = ReadUsageMap(m_pager, MapLocation::FromPointer(m_def.ownedMap), fmt::kMaxPageCount);
        if (!pages.ok())
            return pages.status();
        if (!pages->empty() && pages->back() >= m_pager.PageCount())
            return Errors::CorruptPage(pages->back(),
                                       "a page of table " + std::to_string(m_def.tdefPage)
                                           + " lies beyond the end of the file");
        m_pages = std::move(pages).value();
        m_pagesLoaded = true;
    }
    return &m_pages;
}

Result<bool> Table::HoldsRows(PageNumber n, const Page& page)
{
    if (OwnsPage(page, m_def.tdefPage))
        return true;
    // A usage map may still list a page another table has taken since; any
    // other page there means the map or the page is damaged, and passing it
    // over would silently drop its rows.
    if (IsDataPage(page)) {
        const uint32_t owner = LoadU32(page.data() + fmt::kDataOwner);
        if (owner != 0 && owner < m_pager.PageCount()) {
            auto ownerPage = m_pager.View(owner);
            if (!ownerPage.ok())
                return ownerPage.status();
            if ((**ownerPage)[0] == static_cast<uint8_t>(fmt::PageType::kTableDefinition))
                return false;
        }
    }
    return Errors::CorruptPage(
        n, "listed as a page of table " + std::to_string(m_def.tdefPage) + " but not one of its data pages");
}

Result<std::optional<RowId>> Table::PrevRow(std::optional<RowId> before)
{
    auto pages = DataPages();
    if (!pages.ok())
        return pages.status();
    const auto& list = **pages;
    size_t index = list.size();
    int limitSlot = -1; // -1: all slots of the page
    if (before) {
        auto it = std::lower_bound(list.begin(), list.end(), before->page);
        index = static_cast<size_t>(it - list.begin());
        if (it != list.end() && *it == before->page) {
            ++index;
            limitSlot = before->row;
        }
    }
    while (index > 0) {
        --index;
        auto view = m_pager.View(list[index]);
        if (!view.ok())
            return view.status();
        const Page& page = **view;
        auto holds = HoldsRows(list[index], page);
        if (!holds.ok())
            return holds.status();
        if (*holds) {
            auto count = DataPageSlotCount(page, list[index]);
            if (!count.ok())
                return count.status();
            int slot = limitSlot < 0 ? *count - 1 : std::min<int>(limitSlot - 1, *count - 1);
            for (; slot >= 0; --slot) {
                const uint16_t raw = LoadU16(page.data() + fmt::kDataSlots + 2 * slot);
                if ((raw & fmt::kSlotHidden) == 0)
                    return std::optional<RowId>(RowId{list[index], static_cast<uint8_t>(slot)});
            }
        }
        limitSlot = -1;
    }
    return std::optional<RowId>();
}

Result<int64_t> Table::CountRows()
{
    RowCursor cursor(*this, RowCursorOptions{.loadRows = false});
    int64_t count = 0;
    for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next())
        ++count;
    if (!cursor.status().ok())
        return cursor.status();
    return count;
}

Status Table::LoadRow(RowId id, LoadedRow& out)
{
    auto view = m_pager.View(id.page);
    if (!view.ok())
        return view.status();
    const Page* page = *view;
    if (!OwnsPage(*page, m_def.tdefPage))
        return Errors::CorruptPage(id.page, "not a data page of table " + std::to_string(m_def.tdefPage));
    auto slot = DataPageSlot(*page, id.page, id.row);
    if (!slot.ok())
        return slot.status();
    if ((slot->raw & fmt::kSlotHidden) != 0)
        return Errors::RecordDeleted();
    out.id = id;
    out.dataAt = id;
    if (slot->IsOverflow()) {
        if (slot->length() < 4)
            return Errors::CorruptPage(id.page, "overflow row too short");
        const uint32_t pointer = LoadU32(page->data() + slot->start);
        const RowId target{RowPointerPage(pointer), RowPointerRow(pointer)};
        if (target.page >= m_pager.PageCount())
            return Errors::CorruptPage(id.page, "overflow pointer out of range");
        view = m_pager.View(target.page);
        if (!view.ok())
            return view.status();
        page = *view;
        if (!OwnsPage(*page, m_def.tdefPage))
            return Errors::CorruptPage(target.page, "overflow target is not a data page of the table");
        slot = DataPageSlot(*page, target.page, target.row);
        if (!slot.ok())
            return slot.status();
        if (slot->IsDeleted() || slot->IsOverflow())
            return Errors::CorruptPage(target.page, "overflow target is not a moved row");
        out.dataAt = target;
    }
    out.bytes.assign(page->begin() + slot->start, page->begin() + slot->end);
    auto layout = ParseRowLayout(m_def, out.bytes, out.dataAt.page);
    if (!layout.ok())
        return layout.status();
    out.layout = *layout;
    return Status::OK();
}

BTree& Table::IndexTree(size_t realIndex)
{
    if (m_trees.size() < m_def.realIndexes.size())
        m_trees.resize(m_def.realIndexes.size());
    if (!m_trees[realIndex]) {
        BTreePageHooks hooks;
        if (m_allocator != nullptr) {
            const RealIndexDef& def = m_def.realIndexes[realIndex];
            const MapLocation map{def.usageMapPage, def.usageMapRow};
            hooks.pageAdded = [this, map](PageNumber page) { return SetMapPage(*m_allocator, map, page, true); };
            hooks.pageReleased = [this, map](PageNumber page) { return ReleasePage(page, map, std::nullopt); };
        }
        m_trees[realIndex] =
            std::make_unique<BTree>(m_allocator != nullptr ? static_cast<PageStore&>(*m_allocator) : m_pager,
                                    m_def.realIndexes[realIndex], std::move(hooks));
    }
    return *m_trees[realIndex];
}

int Table::SingleColumnIndex(uint16_t number) const
{
    for (size_t i = 0; i < m_def.realIndexes.size(); ++i) {
        const auto& columns = m_def.realIndexes[i].columns;
        if (columns.size() == 1 && columns[0].columnNumber == number && columns[0].ascending)
            return static_cast<int>(i);
    }
    return -1;
}

Result<Value> Table::ReadField(const LoadedRow& row, const ColumnDef& column)
{
    auto field = LocateField(m_def, row.layout, column, row.dataAt.page);
    if (!field.ok())
        return field.status();
    return DecodeField(m_pager, column, *field, row.dataAt.page);
}

} // namespace jet
