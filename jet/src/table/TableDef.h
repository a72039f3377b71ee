#pragma once

#include "index/IndexDef.h"
#include "io/PageStore.h"
#include "page/UsageMap.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

// One column descriptor of a table definition.
struct ColumnDef {
    std::u16string name;
    ColumnType type = ColumnType::kText;
    uint8_t rawType = 0;      // type code as stored (may be one the engine does not know)
    uint16_t number = 0;      // column number: null-mask bit and index references
    uint16_t varIndex = 0;    // variable columns: slot in the offset table; fixed: variable columns before it
    uint16_t ordinal = 0;     // descriptor byte 9: Access's order of the columns in its designer
    uint16_t fixedOffset = 0; // position in the fixed area (fixed columns)
    uint16_t length = 0;      // bytes
    uint8_t flags = 0;
    uint8_t extFlags = 0;
    uint8_t precision = 0; // Decimal
    uint8_t scale = 0;     // Decimal
    // Other than Decimal: the text sort order (LCID, sort id, version) in the
    // bytes Decimal keeps its precision and scale in. General is the only
    // one the engine writes.
    uint8_t sortOrder[4] = {0x09, 0x04, 0x00, 0x00};
    uint32_t descriptorOffset = 0; // of the 25-byte block in the definition stream

    bool IsFixed() const { return (flags & 0x01) != 0; }
    bool IsLongValue() const { return type == ColumnType::kMemo || type == ColumnType::kOle; }
    bool IsAutoNumber() const { return (flags & 0x04) != 0; }
    bool IsCompressible() const { return (extFlags & 0x01) != 0; }
};

// A logical index (what Access lists), referring to a real index.
struct LogicalIndexDef {
    std::u16string name;
    uint32_t number = 0;
    uint32_t realIndex = 0;
    uint8_t relationship = 0;
    uint8_t kind = 0; // 0 normal, 1 primary key, 2 foreign key
    bool IsPrimaryKey() const { return kind == 1; }
    bool IsForeignKey() const { return kind == 2; }
};

// Usage maps of a Memo or OLE column's long-value pages.
struct LongValueMaps {
    uint16_t columnNumber = 0;
    uint32_t ownedMap = 0; // row pointers
    uint32_t freeMap = 0;
};

// A table definition (TDEF), as read from a file or about to be written.
// Columns are sorted by column number.
struct TableDef {
    PageNumber tdefPage = 0;
    std::vector<PageNumber> pages; // the definition's pages, first to last
    std::vector<uint8_t> stream;   // the logical definition stream
    uint32_t length = 0;           // definition length as stored
    uint32_t rowCount = 0;
    uint32_t autoNumber = 0; // last value handed out
    int32_t autoIncrement = 1;
    uint8_t tableType = 0x4E; // 'N' user table, 'S' system table
    uint16_t maxColumns = 0;
    uint16_t varColumns = 0;
    uint32_t ownedMap = 0; // row pointers of the table's usage maps
    uint32_t freeMap = 0;
    std::vector<ColumnDef> columns;
    std::vector<RealIndexDef> realIndexes;
    std::vector<uint32_t> realIndexBlockOffsets; // stream offsets of the 52-byte blocks
    uint32_t statsOffset = 0;                    // stream offset of the first stats block
    std::vector<LogicalIndexDef> logicalIndexes;
    std::vector<LongValueMaps> longValueMaps;

    // Column by name without regard to case, or nullptr.
    const ColumnDef* FindColumn(std::u16string_view name) const;
    // Column by column number, or nullptr.
    const ColumnDef* ColumnByNumber(uint16_t number) const;
    const LongValueMaps* MapsOfColumn(uint16_t number) const;
    // A real index refusing duplicate keys: flagged unique or a primary key.
    bool IsUniqueIndex(size_t realIndex) const;
    // Size of the fixed area: end of the last fixed non-Boolean column.
    uint32_t FixedAreaSize() const;
};

// Size of the fixed area of rows with `columns`: end of the last fixed
// non-Boolean column.
uint32_t FixedAreaSize(const std::vector<ColumnDef>& columns);

// Reads and checks the table definition starting at `tdefPage`. Every count,
// offset and the page chain are checked; a bad definition is a Corruption.
Result<TableDef> ReadTableDef(PageStore& store, PageNumber tdefPage);

// The logical definition stream of `def` for a new table: the first page's
// 8-byte header (page type; free space and next page left zero) and every
// block up to and including the FF FF terminator. Its size is the definition
// length. Reads the counters, columns, indexes and long-value maps; the
// read-side fields (pages, stream, offsets) are ignored.
std::vector<uint8_t> EncodeTableDef(const TableDef& def);

// Pages a definition of `length` bytes occupies, keeping the 8 bytes of
// reserve after it on the last page.
uint32_t DefinitionPageCount(size_t length);

// Spreads `stream` over `pages` (DefinitionPageCount(stream.size()) of them,
// the first one being the table's definition page), setting each page's
// free space and next-page pointer.
std::vector<Page> SplitDefinition(const std::vector<uint8_t>& stream, const std::vector<PageNumber>& pages);

// Numbers columns 0..n-1 in vector order, gives variable columns their
// offset-table slots and fixed columns their place in the fixed area (in
// column order; Booleans take no space). Returns the number of variable
// columns. REQUIRES: type, length and the fixed flag of every column set.
uint16_t AssignColumnPositions(std::vector<ColumnDef>& columns);

// Whether values of `type` live in the fixed area (or, for Boolean, in the
// null mask only).
bool IsFixedType(ColumnType type);

// The order in which the engine stores names it keeps sorted (its own
// tables' columns, logical indexes): by UTF-16 unit, ASCII letters folded.
bool NameOrderLess(const std::u16string& a, const std::u16string& b);

// Size in bytes of a fixed-length type's value (0 for Boolean, which lives
// in the null mask only, and for variable-length types).
uint16_t FixedValueSize(ColumnType type);

// Case-insensitive comparison of names the way Jet compares object names.
bool NamesEqual(std::u16string_view a, std::u16string_view b);

} // namespace jet
