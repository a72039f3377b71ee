#include "table/RowCursor.h"

#include "page/DataPage.h"
#include "util/FormatConstants.h"

#include <algorithm>

namespace jet {

RowCursor::RowCursor(Table& table, RowCursorOptions options)
    : m_table(table)
    , m_options(options)
{ }

RowId RowCursor::After(RowId id)
{
    return id.row == 0xFF ? RowId{id.page + 1, 0} : RowId{id.page, static_cast<uint8_t>(id.row + 1)};
}

void RowCursor::Stop(Status status)
{
    m_valid = false;
    m_status = std::move(status);
}

void RowCursor::Seek(RowId from)
{
    m_valid = false;
    m_status = Status::OK();
    auto pages = m_table.DataPages();
    if (!pages.ok())
        return Stop(pages.status());
    const auto& list = **pages;
    // A write between steps may have added pages, so the position is found
    // again in the list rather than kept as an iterator.
    auto it = std::lower_bound(list.begin(), list.end(), from.page);
    uint32_t firstSlot = (it != list.end() && *it == from.page) ? from.row : 0;
    Pager& pager = m_table.pager();
    for (; it != list.end(); ++it, firstSlot = 0) {
        auto view = pager.View(*it);
        if (!view.ok())
            return Stop(view.status());
        const Page& page = **view;
        auto holds = m_table.HoldsRows(*it, page);
        if (!holds.ok())
            return Stop(holds.status());
        if (!*holds)
            continue;
        auto count = DataPageSlotCount(page, *it);
        if (!count.ok())
            return Stop(count.status());
        for (uint32_t slot = firstSlot; slot < *count; ++slot) {
            const uint16_t raw = LoadU16(page.data() + fmt::kDataSlots + 2 * slot);
            if ((raw & fmt::kSlotHidden) != 0)
                continue;
            m_id = RowId{*it, static_cast<uint8_t>(slot)};
            if (m_options.loadRows) {
                Status loaded = m_table.LoadRow(m_id, m_row);
                if (!loaded.ok())
                    return Stop(std::move(loaded));
            }
            m_valid = true;
            return;
        }
    }
}

void RowCursor::Next()
{
    Seek(After(m_id));
}

} // namespace jet
