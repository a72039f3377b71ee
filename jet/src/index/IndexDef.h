#pragma once

#include <jet/Value.h>

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

// Text sort order of a column: descriptor bytes 11..14 (LCID low, LCID high,
// sort id, version) read as a little-endian uint32. General (legacy) is the
// only one the index code can encode.
constexpr uint32_t kGeneralLegacySortOrder = 0x00000409;

// One column of a physical index (a "real index" of the table definition).
struct IndexKeyColumn {
    uint16_t columnNumber = 0; // column number as stored in the table definition
    ColumnType type = ColumnType::kLong;
    bool ascending = true;
    uint32_t textSortOrder = kGeneralLegacySortOrder; // meaningful for Text and Memo only
};

// Flags byte of a real index.
namespace IndexFlags {
constexpr uint8_t kUnique = 0x01;
constexpr uint8_t kIgnoreNulls = 0x02;
constexpr uint8_t kRequired = 0x08;
constexpr uint8_t kAlwaysSet = 0x80;
} // namespace IndexFlags

// A physical B-tree of a table, as the table definition describes it.
struct RealIndexDef {
    int number = 0;                      // position among the table's real-index blocks
    std::vector<IndexKeyColumn> columns; // used slots, in key order (at most 10)
    uint32_t rootPage = 0;
    uint8_t flags = IndexFlags::kAlwaysSet;
    uint8_t usageMapRow = 0; // row pointer of the index's own usage map
    uint32_t usageMapPage = 0;
    uint32_t uniqueEntryCount = 0; // from the real-index stats block
    uint32_t tdefPage = 0;         // owner, written into every index page header

    // The usage map's row pointer as the definition stores it.
    uint32_t UsageMap() const { return (usageMapPage << 8) | usageMapRow; }
    void SetUsageMap(uint32_t pointer)
    {
        usageMapPage = pointer >> 8;
        usageMapRow = static_cast<uint8_t>(pointer & 0xFF);
    }

    bool IsUnique() const { return (flags & IndexFlags::kUnique) != 0; }
    bool IgnoresNulls() const { return (flags & IndexFlags::kIgnoreNulls) != 0; }
};

// A row pointer: data page and row (slot) number.
struct RowId {
    uint32_t page = 0;
    uint8_t row = 0;
    auto operator<=>(const RowId&) const = default;
};

} // namespace jet
