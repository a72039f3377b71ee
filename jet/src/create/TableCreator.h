#pragma once

#include "table/TableDef.h"

#include <jet/Create.h>
#include <jet/Status.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace jet {

// An index of a new table, checked and resolved to column numbers.
struct PreparedIndex {
    std::u16string name;
    std::vector<IndexKeyColumn> columns;
    uint8_t flags = 0x80;
    uint8_t kind = 0; // 1 primary key
};

// A new user table, checked and laid out; nothing of it is written yet.
struct PreparedTable {
    std::u16string name;
    std::vector<ColumnDef> columns; // by column number
    uint16_t varColumns = 0;
    std::vector<PreparedIndex> indexes; // in real-index order
};

// Checks an object name (table, column or index): 1..64 characters, no
// control characters, no leading space, none of . ! ` [ ]. `what` names the
// kind of object in the description of a refusal (InvalidArgument).
Status CheckObjectName(std::u16string_view name, std::string_view what);

// Checks `design` completely (names, types, text and binary lengths, Decimal
// precision and scale, AutoNumber, index columns and kinds, row size) and
// lays it out. Returns InvalidArgument describing the first fault.
Result<PreparedTable> PrepareTable(const TableSpec& design);

// Pages a new table needs: definition pages, usage-map holder pages and one
// root page per index, in that order.
struct TablePagePlan {
    uint32_t definitionPages = 0;
    uint32_t holderPages = 0;
    uint32_t rootPages = 0;
    uint32_t Total() const { return definitionPages + holderPages + rootPages; }
};
TablePagePlan PlanTablePages(const PreparedTable& table);

// The content of every page of the new table, given the numbers allocated
// for them in TablePagePlan order. The first number is the table's
// definition page (its catalog id).
Result<std::vector<std::pair<PageNumber, Page>>> BuildTablePages(const PreparedTable& table,
                                                                 const std::vector<PageNumber>& allocated);

} // namespace jet
