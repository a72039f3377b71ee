#pragma once

#include "catalog/TableDef.h"
#include "io/PageStore.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

// A column as its 25-byte descriptor in a table definition states it.
struct ColumnLayout {
    std::u16string name;
    ColumnType type = ColumnType::kText;
    uint16_t number = 0;
    uint16_t varIndex = 0;    // variable columns: slot in the row's offset table; fixed: variable columns before it
    uint16_t ordinal = 0;     // descriptor byte 9 (the engine writes 0 on its own tables)
    uint16_t fixedOffset = 0; // fixed columns only
    uint16_t length = 0;      // bytes: Text twice the characters, Memo/OLE 0
    uint8_t flags = 0;
    uint8_t extFlags = 0;
    uint8_t precision = 0; // Decimal; other columns carry the sort order in these bytes
    uint8_t scale = 0;

    bool IsFixed() const { return (flags & 0x01) != 0; }
    bool IsLongValue() const { return type == ColumnType::kMemo || type == ColumnType::kOle; }
};

struct IndexColumnLayout {
    uint16_t columnNumber = 0;
    bool ascending = true;
};

// A real index: one B-tree.
struct RealIndexLayout {
    std::vector<IndexColumnLayout> columns; // at most 10
    uint32_t usageMap = 0;                  // row pointer of the index's usage map
    PageNumber rootPage = 0;
    uint8_t flags = 0x80;
    uint32_t uniqueEntryCount = 0;
};

// A logical index: a name over a real index.
struct LogicalIndexLayout {
    std::u16string name;
    uint32_t number = 0;
    uint32_t realIndex = 0;
    uint8_t kind = 0; // 0 normal, 1 primary key
};

struct LongValueMapLayout {
    uint16_t columnNumber = 0;
    uint32_t ownedMap = 0; // row pointers
    uint32_t freeMap = 0;
};

// Everything a table definition records, in stored order.
struct DefinitionLayout {
    uint8_t tableType = 0x4E; // 'N' user table, 'S' system table
    uint32_t rowCount = 0;
    uint16_t maxColumns = 0;
    uint16_t varColumns = 0;
    uint32_t ownedMap = 0; // row pointers of the table's usage maps
    uint32_t freeMap = 0;
    std::vector<ColumnLayout> columns;
    std::vector<RealIndexLayout> realIndexes;
    std::vector<LogicalIndexLayout> logicalIndexes;
    std::vector<LongValueMapLayout> longValueMaps;
};

bool IsFixedType(ColumnType type);

// The order in which the engine stores names it keeps sorted (its own
// tables' columns, logical indexes): by UTF-16 unit, ASCII letters folded.
bool NameOrderLess(const std::u16string& a, const std::u16string& b);

// Numbers columns 0..n-1 in vector order, gives variable columns their
// offset-table slots and fixed columns their place in the fixed area (in
// column order; Booleans take no space). Returns the number of variable
// columns. REQUIRES: type, length and the fixed flag of every column set.
uint16_t AssignColumnPositions(std::vector<ColumnLayout>& columns);

// The logical definition stream: the first page's 8-byte header (page type,
// the free-space and next-page fields left zero) and every block up to and
// including the FF FF terminator. Its size is the definition length.
std::vector<uint8_t> EncodeDefinition(const DefinitionLayout& layout);

// Pages a definition of `length` bytes occupies, keeping the 8 bytes of
// reserve after it on the last page.
uint32_t DefinitionPageCount(size_t length);

// Spreads `stream` over `pages` (DefinitionPageCount(stream.size()) of them,
// the first one being the table's definition page), setting each page's
// free space and next-page pointer.
std::vector<Page> SplitDefinition(const std::vector<uint8_t>& stream, const std::vector<PageNumber>& pages);

} // namespace jet
