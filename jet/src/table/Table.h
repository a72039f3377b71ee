#pragma once

#include "index/BTree.h"
#include "index/IndexDef.h"
#include "io/Pager.h"
#include "page/MapWriter.h"
#include "page/PageAllocator.h"
#include "table/RowCodec.h"
#include "table/TableDef.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jet {

// One row read from a data page. Move-only: `layout` views `bytes`.
struct LoadedRow {
    RowId id;     // the row's own slot, the one index entries name
    RowId dataAt; // where its bytes are (another slot after the row was moved)
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
    // `allocator` is null for a read-only database; writes then fail.
    Table(Pager& pager, TableDef def, std::u16string name, PageAllocator* allocator = nullptr);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const TableDef& def() const { return m_def; }
    const std::u16string& name() const { return m_name; }
    Pager& pager() { return m_pager; }

    // The pages the table's owned-pages map lists, ascending. Read once.
    Result<const std::vector<PageNumber>*> DataPages();

    // The last live row before `before` in table order (any row when `before`
    // is nullopt), nullopt when there is none.
    Result<std::optional<RowId>> PrevRow(std::optional<RowId> before);
    // Forward walks go through RowCursor.
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

    // ---- Writing ----
    // Values of a row, one per column in the order of def().columns.
    using RowValues = std::vector<Value>;

    // Adds a row. Null AutoNumber columns get the next number. Every value,
    // the row size, null rules and unique keys of every index are checked
    // before anything changes; on failure nothing of the row remains. On
    // success the row, its long values, usage maps, every index and the
    // definition's counters are all in the page cache. Returns the new row.
    Result<RowId> InsertRow(RowValues values);
    // Replaces the columns named in `changes` (index into def().columns ->
    // new value) of row `id`; other columns keep their stored bytes. Same
    // checks and guarantees as InsertRow. The row keeps its id even when its
    // data has to move to another page.
    Status ReplaceRow(RowId id, const std::vector<std::pair<size_t, Value>>& changes);

    // Whether page `n`, listed in the table's owned-pages map, holds rows of
    // the table: true when the table owns it, false for a data page another
    // table has taken since, Corruption for anything else.
    Result<bool> HoldsRows(PageNumber n, const Page& page);
    // True when `page` is one of this table's data pages (type and owner).
    static bool OwnsPage(const Page& page, PageNumber tdefPage);

private:
    struct LongValuePlan {
        size_t column = 0;         // index into def().columns
        std::vector<uint8_t> data; // bytes as they will be stored
        bool isInline = false;
    };

    class RowWriteGuard;
    struct RowChange;
    // Per real index: the key a row has in it, nullopt where the row has no entry.
    using IndexKeys = std::vector<std::optional<std::vector<uint8_t>>>;

    Status CheckWritable() const;
    // Per column of def().columns: whether some index has it as a key column.
    const std::vector<bool>& KeyColumns();
    Result<std::vector<uint8_t>> LongValueData(const ColumnDef& column, const Value& value) const;
    // The row `fields` make, through the row codec.
    std::vector<uint8_t> EncodeRow(const std::vector<FieldBytes>& fields) const
    {
        return jet::EncodeRow(m_def.columns, m_def.varColumns, fields, m_byVarIndex);
    }
    // The values of `values` (one per column) that make up a key of `index`.
    std::vector<Value> IndexKeyValues(const RealIndexDef& index, const RowValues& values) const;
    Status CheckIndexes(const RowValues& values, std::optional<RowId> self, IndexKeys& keys);
    // Stores every planned long value and puts its descriptor in `fields`.
    Status WriteLongValues(const std::vector<LongValuePlan>& plans, std::vector<FieldBytes>& fields);
    // Moves row `id` from `oldKeys` to `newKeys` in every index whose key
    // changes, then stores the row count, AutoNumber and unique-key counts.
    Status UpdateIndexes(RowId id, const IndexKeys& oldKeys, const IndexKeys& newKeys, uint32_t rowCount,
                         uint32_t autoNumber);
    Result<std::vector<uint8_t>> WriteLongValue(const ColumnDef& column, const std::vector<uint8_t>& data,
                                                bool isInline);
    Status FreeLongValue(const ColumnDef& column, ByteView descriptor);
    Result<RowId> PlaceRow(const std::vector<uint8_t>& row, uint16_t flags, std::optional<PageNumber> avoid);
    Result<PageNumber> NewDataPage(uint32_t owner, std::optional<MapLocation> ownedMap,
                                   std::optional<MapLocation> freeMap);
    Status ReleasePage(PageNumber page, std::optional<MapLocation> ownedMap, std::optional<MapLocation> freeMap);
    Status StoreDefinitionCounters(uint32_t rowCount, uint32_t autoNumber, const std::vector<uint32_t>& uniqueCounts);
    void PlanLongValues(std::vector<LongValuePlan>& plans, size_t fixedPart) const;
    // The stored form of one column's value; long values only planned.
    Status EncodeField(size_t column, const Value& value, FieldBytes& field, std::vector<LongValuePlan>& plans) const;
    // Decides which long values stay inline; refuses a row too large for a page.
    Status PlanRowLayout(const std::vector<FieldBytes>& fields, std::vector<LongValuePlan>& plans) const;
    void ForgetAddedPages();
    // The steps of ReplaceRow: the changes checked and coerced, the row's
    // new stored form, the keys the row has in each index now, and the new
    // bytes stored in its slot or moved elsewhere.
    Status TakeChanges(const std::vector<std::pair<size_t, Value>>& changes, RowChange& r) const;
    Status EncodeChange(const LoadedRow& row, RowChange& r);
    Status OldIndexKeys(const RowChange& r, const IndexKeys& newKeys, IndexKeys& oldKeys) const;
    Status StoreReplacedRow(RowId id, RowId at, std::vector<uint8_t>& bytes);

    Pager& m_pager;
    PageAllocator* m_allocator = nullptr; // writable databases only
    std::optional<PageNumber> m_insertPage;
    std::vector<PageNumber> m_pagesAdded;           // data pages added by the change in progress
    LoadedRow m_writeRow;                           // scratch for ReplaceRow
    std::map<uint16_t, PageNumber> m_longValuePage; // column number -> LVAL page taking single values
    TableDef m_def;
    std::u16string m_name;
    std::vector<PageNumber> m_pages;
    bool m_pagesLoaded = false;
    std::vector<std::unique_ptr<BTree>> m_trees;
    std::vector<bool> m_keyColumns;                      // see KeyColumns()
    mutable std::vector<const FieldBytes*> m_byVarIndex; // scratch for EncodeRow
};

} // namespace jet
