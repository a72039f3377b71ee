#include "index/IndexKey.h"

#include <jet/Diagnostics.h>

#include "index/GeneralSortOrder.h"

#include <cstring>
#include <string>

namespace jet {

namespace {

constexpr uint8_t kAscendingValue = 0x7F;
constexpr uint8_t kDescendingValue = 0x80;
constexpr uint8_t kAscendingNull = 0x00;
constexpr uint8_t kDescendingNull = 0xFF;
constexpr uint8_t kBinaryChunkMore = 0x09;

Status WrongValue(const IndexKeyColumn& column)
{
    return Status::InvalidArgument("The value for index column " + std::to_string(column.columnNumber) + " is not a "
                                   + ColumnTypeName(column.type) + " value.");
}

void AppendBigEndian(uint64_t value, int bytes, std::vector<uint8_t>& out)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Two's complement integers: big-endian with the sign bit flipped.
void AppendInteger(uint64_t bits, int bytes, bool ascending, std::vector<uint8_t>& out)
{
    const size_t start = out.size();
    AppendBigEndian(bits, bytes, out);
    out[start] ^= 0x80;
    if (!ascending) {
        for (size_t i = start; i < out.size(); ++i)
            out[i] = static_cast<uint8_t>(~out[i]);
    }
}

// IEEE values: positive numbers get the sign bit set, negative ones are
// inverted, so that byte order follows numeric order.
void AppendFloating(uint64_t bits, int bytes, bool ascending, std::vector<uint8_t>& out)
{
    const size_t start = out.size();
    AppendBigEndian(bits, bytes, out);
    const bool negative = (out[start] & 0x80) != 0;
    if (!negative)
        out[start] ^= 0x80;
    if (negative == ascending) {
        for (size_t i = start; i < out.size(); ++i)
            out[i] = static_cast<uint8_t>(~out[i]);
    }
}

// Binary data in chunks of 8 bytes, each followed by 9 while more data
// follows, or by the count of real bytes in the last (zero-padded) chunk.
void AppendBinary(const uint8_t* data, size_t size, bool ascending, std::vector<uint8_t>& out)
{
    size_t pos = 0;
    while (size - pos > 8) {
        for (size_t i = 0; i < 8; ++i)
            out.push_back(ascending ? data[pos + i] : static_cast<uint8_t>(~data[pos + i]));
        out.push_back(kBinaryChunkMore);
        pos += 8;
    }
    if (pos == size)
        return;
    uint8_t chunk[9] = {};
    std::memcpy(chunk, data + pos, size - pos);
    chunk[8] = static_cast<uint8_t>(size - pos);
    for (uint8_t b : chunk)
        out.push_back(ascending ? b : static_cast<uint8_t>(~b));
}

// Decimal: a sign byte, then the 128-bit magnitude big-endian, inverted for
// a negative value.
void AppendDecimal(const Decimal& d, std::vector<uint8_t>& out)
{
    const bool isZero = d.magnitude[0] == 0 && d.magnitude[1] == 0 && d.magnitude[2] == 0;
    const bool negative = d.negative && !isZero;
    out.push_back(negative ? 0x00 : 0xFF);
    const uint32_t words[4] = {0, d.magnitude[2], d.magnitude[1], d.magnitude[0]};
    for (uint32_t w : words) {
        for (int i = 3; i >= 0; --i) {
            const auto b = static_cast<uint8_t>(w >> (8 * i));
            out.push_back(negative ? static_cast<uint8_t>(~b) : b);
        }
    }
}

// Byte, Integer, Long, Currency, Single, Double and Date/Time.
Status AppendNumber(const IndexKeyColumn& column, const Value& value, std::vector<uint8_t>& out)
{
    const bool asc = column.ascending;
    switch (column.type) {
    case ColumnType::kByte:
        if (!value.Is<uint8_t>())
            return WrongValue(column);
        out.push_back(asc ? value.As<uint8_t>() : static_cast<uint8_t>(~value.As<uint8_t>()));
        return Status::OK();
    case ColumnType::kInteger:
        if (!value.Is<int16_t>())
            return WrongValue(column);
        AppendInteger(static_cast<uint16_t>(value.As<int16_t>()), 2, asc, out);
        return Status::OK();
    case ColumnType::kLong:
        if (!value.Is<int32_t>())
            return WrongValue(column);
        AppendInteger(static_cast<uint32_t>(value.As<int32_t>()), 4, asc, out);
        return Status::OK();
    case ColumnType::kCurrency:
        if (!value.Is<Currency>())
            return WrongValue(column);
        AppendInteger(static_cast<uint64_t>(value.As<Currency>().scaled), 8, asc, out);
        return Status::OK();
    case ColumnType::kSingle: {
        if (!value.Is<float>())
            return WrongValue(column);
        uint32_t bits;
        const float v = value.As<float>();
        std::memcpy(&bits, &v, sizeof bits);
        AppendFloating(bits, 4, asc, out);
        return Status::OK();
    }
    case ColumnType::kDouble:
    case ColumnType::kDateTime: {
        double v;
        if (column.type == ColumnType::kDouble && value.Is<double>())
            v = value.As<double>();
        else if (column.type == ColumnType::kDateTime && value.Is<DateTime>())
            v = value.As<DateTime>().days;
        else
            return WrongValue(column);
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        AppendFloating(bits, 8, asc, out);
        return Status::OK();
    }
    default: return WrongValue(column);
    }
}

Status AppendValue(const IndexKeyColumn& column, const Value& value, std::vector<uint8_t>& out)
{
    const bool asc = column.ascending;
    switch (column.type) {
    case ColumnType::kByte:
    case ColumnType::kInteger:
    case ColumnType::kLong:
    case ColumnType::kCurrency:
    case ColumnType::kSingle:
    case ColumnType::kDouble:
    case ColumnType::kDateTime: return AppendNumber(column, value, out);
    case ColumnType::kText:
    case ColumnType::kMemo:
        if (!value.IsText())
            return WrongValue(column);
        if (column.textSortOrder != kGeneralLegacySortOrder)
            return Status::NotSupported("Index keys of text column " + std::to_string(column.columnNumber)
                                        + " use a sort order other than General; the index cannot be maintained.");
        return AppendGeneralLegacyTextKey(value.As<std::u16string>(), asc, out);
    case ColumnType::kBinary: {
        if (!value.Is<Bytes>())
            return WrongValue(column);
        const Bytes& bytes = value.As<Bytes>();
        AppendBinary(bytes.data(), bytes.size(), asc, out);
        return Status::OK();
    }
    case ColumnType::kGuid: {
        if (!value.Is<Guid>())
            return WrongValue(column);
        // Stored little-endian fields become the textual (big-endian) order.
        const auto& s = value.As<Guid>().bytes;
        const uint8_t textual[16] = {s[3], s[2], s[1],  s[0],  s[5],  s[4],  s[7],  s[6],
                                     s[8], s[9], s[10], s[11], s[12], s[13], s[14], s[15]};
        AppendBinary(textual, sizeof textual, asc, out);
        return Status::OK();
    }
    case ColumnType::kNumeric: {
        if (!value.Is<Decimal>())
            return WrongValue(column);
        if (!asc)
            return Status::NotSupported("Descending Decimal index columns are not supported.");
        AppendDecimal(value.As<Decimal>(), out);
        return Status::OK();
    }
    case ColumnType::kBoolean: return Status::NotSupported("Yes/No index columns are not supported.");
    case ColumnType::kOle: return Status::NotSupported("OLE Object columns cannot be indexed.");
    }
    return Status::NotSupported("Index column " + std::to_string(column.columnNumber) + " has an unsupported type ("
                                + ColumnTypeName(column.type) + ").");
}

} // namespace

Result<std::vector<uint8_t>> EncodeIndexKey(const std::vector<IndexKeyColumn>& columns,
                                            const std::vector<Value>& valuesInKeyOrder)
{
    if (columns.size() != valuesInKeyOrder.size() || columns.empty())
        return Status::InvalidArgument("An index key needs one value per index column.");
    std::vector<uint8_t> key;
    key.reserve(16 * columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        const IndexKeyColumn& column = columns[i];
        const Value& value = valuesInKeyOrder[i];
        if (value.IsNull()) {
            if (column.type == ColumnType::kBoolean)
                return Status::NotSupported("Yes/No index columns are not supported.");
            key.push_back(column.ascending ? kAscendingNull : kDescendingNull);
            continue;
        }
        if (column.type != ColumnType::kText && column.type != ColumnType::kMemo)
            key.push_back(column.ascending ? kAscendingValue : kDescendingValue);
        JET_RETURN_IF_ERROR(AppendValue(column, value, key));
    }
    if (key.size() > kMaxIndexKeyLength)
        return Status::NotSupported("The index key is " + std::to_string(key.size()) + " bytes long; at most "
                                    + std::to_string(kMaxIndexKeyLength) + " bytes can be stored.");
    return key;
}

IndexNullRule ClassifyNulls(const RealIndexDef& def, const std::vector<Value>& valuesInKeyOrder)
{
    bool anyNull = false;
    bool allNull = true;
    for (const Value& v : valuesInKeyOrder) {
        anyNull = anyNull || v.IsNull();
        allNull = allNull && v.IsNull();
    }
    if ((def.flags & IndexFlags::kRequired) != 0 && anyNull)
        return IndexNullRule::kReject;
    if (def.IgnoresNulls() && allNull)
        return IndexNullRule::kSkip;
    return IndexNullRule::kIndex;
}

bool IsExemptFromUnique(const std::vector<Value>& valuesInKeyOrder)
{
    for (const Value& v : valuesInKeyOrder) {
        if (!v.IsNull())
            return false;
    }
    return true;
}

bool IsAllNullKey(const std::vector<IndexKeyColumn>& columns, const std::vector<uint8_t>& key)
{
    if (key.size() != columns.size())
        return false;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (key[i] != (columns[i].ascending ? kAscendingNull : kDescendingNull))
            return false;
    }
    return true;
}

} // namespace jet
