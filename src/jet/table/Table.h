#pragma once

#include "catalog/TableDef.h"
#include "index/BTree.h"
#include "index/IndexDef.h"
#include "io/Pager.h"
#include "table/RowCodec.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jet {

// One row read from a data page. Move-only: `layout` views `bytes`.
struct LoadedRow {
    RowId id;      // the row's own slot, the one index entries name
    RowId dataAt;  // where its bytes are (another slot after the row was moved)
    std::vector<uint8_t> bytes;
    RowLayout layout;

    LoadedRow() = default;
    LoadedRow(const LoadedRow&) = delete;
    LoadedRow& operator=(const LoadedRow&) = delete;
    LoadedRow(LoadedRow&&) = default;
    LoadedRow& operator=(LoadedRow&&) = default;
};

// A user or system table: its definition and access to its rows in table
// order, the order of a table scan (data pages ascending, then row slots).
// Rows are named by RowId; a row id's order is table order.
class Table {
public:
    Table(Pager& pager, TableDef def, std::u16string name);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const TableDef& def() const { return m_def; }
    const std::u16string& name() const { return m_name; }
    Pager& pager() { return m_pager; }

    // The pages the table's owned-pages map lists, ascending. Read once.
    Result<const std::vector<PageNumber>*> DataPages();

    // The first live row at or after `from` in table order, nullopt at the end.
    Result<std::optional<RowId>> NextRow(RowId from);
    // The last live row before `before` in table order (any row when `before`
    // is nullopt), nullopt when there is none.
    Result<std::optional<RowId>> PrevRow(std::optional<RowId> before);
    // Number of live rows, found by scanning the row slots.
    Result<int64_t> CountRows();

    // Reads row `id`, following an overflow pointer. NotFound when the slot is
    // deleted or is the hidden target of a moved row.
    Status LoadRow(RowId id, LoadedRow& out);
    // Value of `column` in a loaded row.
    Result<Value> ReadField(const LoadedRow& row, const ColumnDef& column);

    // The B-tree of real index `realIndex`, kept for the table's lifetime.
    // REQUIRES: realIndex < def().realIndexes.size()
    BTree& IndexTree(size_t realIndex);
    // A single-column ascending index on column `number`, or -1.
    int SingleColumnIndex(uint16_t number) const;

    // True when `page` is one of this table's data pages (type and owner).
    static bool OwnsPage(const Page& page, PageNumber tdefPage);

private:
    Pager& m_pager;
    TableDef m_def;
    std::u16string m_name;
    std::vector<PageNumber> m_pages;
    bool m_pagesLoaded = false;
    std::vector<std::unique_ptr<BTree>> m_trees;
};

} // namespace jet
