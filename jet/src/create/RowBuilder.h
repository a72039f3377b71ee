#pragma once

#include "create/Definition.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <vector>

namespace jet {

// Encodes one row of a table whose columns are `columns` (`varColumns`
// variable-offset slots) from values indexed by column number: column count,
// fixed area, variable data with its offset table, null mask. Used for the
// rows a new database starts with, so long values (Memo, OLE) must be null.
// Returns InvalidArgument for a value of the wrong kind or size and for a row
// longer than a data page accepts.
Result<std::vector<uint8_t>> EncodePlainRow(const std::vector<ColumnLayout>& columns, uint16_t varColumns,
                                            const std::vector<Value>& valuesByNumber);

} // namespace jet
