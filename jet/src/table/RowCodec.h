#pragma once

#include "catalog/TableDef.h"
#include "io/PageStore.h"
#include "util/Coding.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <vector>

namespace jet {

// Where one field's bytes are inside a row. For Boolean columns `present`
// is the value itself and `data` is empty.
struct FieldRef {
    bool present = false;
    ByteView data;
};

// The layout of one stored row, checked once: column count, null mask,
// variable-offset table.
// `row` views the caller's buffer, which must outlive the layout.
struct RowLayout {
    ByteView row;
    uint16_t columnCount = 0;  // C: columns the row was written with
    uint32_t maskOffset = 0;   // null mask position
    uint16_t varCount = 0;     // V: entries of the variable-offset table
    uint32_t fixedEnd = 0;     // end of the space usable by fixed values
};

// Checks the row header and trailer against the table definition. `page`
// only names the row in error descriptions.
Result<RowLayout> ParseRowLayout(const TableDef& def, ByteView row, PageNumber page);

// Locates a column's bytes. A column the row predates reads as null.
Result<FieldRef> LocateField(const TableDef& def, const RowLayout& layout, const ColumnDef& column, PageNumber page);

// Reads the whole value of a Memo or OLE field from its in-row descriptor.
Result<Bytes> ReadLongValue(PageStore& store, ByteView descriptor, PageNumber page);

// Turns a located field into a value of the column's type.
Result<Value> DecodeField(PageStore& store, const ColumnDef& column, const FieldRef& field, PageNumber page);

} // namespace jet
