#pragma once

#include "index/IndexDef.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <cstdint>
#include <vector>

namespace jet {

// Longest key accepted for a new entry: any two entries, node pointers
// included, must share one index page so that a full page can always be
// split. Access 2003 itself stores text keys of several hundred bytes whole.
constexpr size_t kMaxIndexKeyLength = (3616 / 2) - 8;

// Builds the key bytes of one index entry: per key column a flag byte
// (0x7F/0x80 value present ascending/descending, 0x00/0xFF null) followed by
// the column's encoding, so that keys order correctly under plain byte
// comparison. `valuesInKeyOrder[i]` belongs to `columns[i]` and must hold the
// column type's Value alternative (Byte uint8_t, Integer int16_t, Long
// int32_t, Currency, Single float, Double double, Date/Time DateTime,
// Text/Memo u16string, Binary Bytes, GUID Guid, Decimal Decimal at the
// column's scale) or be null.
// Returns InvalidArgument for a count or type mismatch and NotSupported for a
// value this encoder cannot represent faithfully: a text character without a
// General sort weight, a text column of another sort order, a Boolean, OLE or
// descending Decimal column, or a key longer than kMaxIndexKeyLength.
Result<std::vector<uint8_t>> EncodeIndexKey(const std::vector<IndexKeyColumn>& columns,
                                            const std::vector<Value>& valuesInKeyOrder);

// What an index does with a row, judged from the row's key values.
enum class IndexNullRule {
    kIndex,  // add an entry
    kSkip,   // ignore-nulls index and every key column null: no entry
    kReject, // required index and some key column null: the row is refused
};

// REQUIRES: values.size() == def.columns.size()
IndexNullRule ClassifyNulls(const RealIndexDef& def, const std::vector<Value>& valuesInKeyOrder);

// True when a unique index accepts this key even if it is already present
// (every key column null).
bool IsExemptFromUnique(const std::vector<Value>& valuesInKeyOrder);

// True when `key` is the key of a row whose key columns are all null.
bool IsAllNullKey(const std::vector<IndexKeyColumn>& columns, const std::vector<uint8_t>& key);

} // namespace jet
