#pragma once

#include "io/PageStore.h"
#include "table/TableDef.h"
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
    uint16_t columnCount = 0; // C: columns the row was written with
    uint32_t maskOffset = 0;  // null mask position
    uint16_t varCount = 0;    // V: entries of the variable-offset table
    uint32_t fixedEnd = 0;    // end of the space usable by fixed values
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

// ---- Encoding ----

// One column's stored bytes in a row being built. For Boolean columns
// `present` is the value itself.
struct FieldBytes {
    bool present = false;
    std::vector<uint8_t> bytes;
};

// The value a column would hold after assigning `value` to it, or the
// reason it cannot hold it (type, range, size).
Result<Value> CoerceValue(const ColumnDef& column, const Value& value);

// The stored form of a value CoerceValue has accepted for `column`. Memo
// and OLE values are not encoded here: their in-row descriptor comes from
// the table's long-value pages.
Result<FieldBytes> EncodeValue(const ColumnDef& column, const Value& value);

// The size of EncodeRow(columns, varColumns, fields); `byVarIndex` gets the
// field stored in each variable-offset slot (nullptr for none).
// `fields` holds one entry per element of `columns`, which are sorted by
// column number.
size_t EncodedRowSize(const std::vector<ColumnDef>& columns, uint16_t varColumns, const std::vector<FieldBytes>& fields,
                      std::vector<const FieldBytes*>& byVarIndex);

// A whole row: column count, fixed area, variable data with its offset
// table, null mask. `byVarIndex` is scratch space, kept by callers that
// encode many rows.
std::vector<uint8_t> EncodeRow(const std::vector<ColumnDef>& columns, uint16_t varColumns,
                               const std::vector<FieldBytes>& fields, std::vector<const FieldBytes*>& byVarIndex);

// Grows an encoded row to `targetLength` bytes with padding no reader sees,
// so it can take the place of a longer row without moving its neighbours.
void PadRow(std::vector<uint8_t>& row, bool hasVariableTable, size_t targetLength);

// A row of a table without long values stored (a new database's system
// rows) from values indexed by column number. Returns InvalidArgument for a
// value count that does not match the columns and for a row longer than a
// data page accepts.
Result<std::vector<uint8_t>> EncodePlainRow(const std::vector<ColumnDef>& columns, uint16_t varColumns,
                                            const std::vector<Value>& valuesByNumber);

} // namespace jet
