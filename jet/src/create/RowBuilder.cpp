#include "create/RowBuilder.h"

#include "db/FormatConstants.h"
#include "table/Text.h"
#include "util/Coding.h"

#include <algorithm>

namespace jet {
namespace {

Status WrongValue(const ColumnLayout& c)
{
    return Status::InvalidArgument("The value for column '" + Utf16ToUtf8(c.name) + "' has the wrong type.");
}

Status StoreFixed(const ColumnLayout& c, const Value& v, uint8_t* out)
{
    switch (c.type) {
    case ColumnType::kByte:
        if (!v.Is<uint8_t>())
            return WrongValue(c);
        out[0] = v.As<uint8_t>();
        return Status::OK();
    case ColumnType::kInteger:
        if (!v.Is<int16_t>())
            return WrongValue(c);
        StoreU16(out, static_cast<uint16_t>(v.As<int16_t>()));
        return Status::OK();
    case ColumnType::kLong:
        if (!v.Is<int32_t>())
            return WrongValue(c);
        StoreU32(out, static_cast<uint32_t>(v.As<int32_t>()));
        return Status::OK();
    case ColumnType::kCurrency:
        if (!v.Is<Currency>())
            return WrongValue(c);
        StoreU64(out, static_cast<uint64_t>(v.As<Currency>().scaled));
        return Status::OK();
    case ColumnType::kSingle:
        if (!v.Is<float>())
            return WrongValue(c);
        StoreFloat(out, v.As<float>());
        return Status::OK();
    case ColumnType::kDouble:
        if (!v.Is<double>())
            return WrongValue(c);
        StoreDouble(out, v.As<double>());
        return Status::OK();
    case ColumnType::kDateTime:
        if (!v.Is<DateTime>())
            return WrongValue(c);
        StoreDouble(out, v.As<DateTime>().days);
        return Status::OK();
    case ColumnType::kGuid:
        if (!v.Is<Guid>())
            return WrongValue(c);
        std::copy(v.As<Guid>().bytes.begin(), v.As<Guid>().bytes.end(), out);
        return Status::OK();
    case ColumnType::kNumeric: {
        if (!v.Is<Decimal>() || v.As<Decimal>().scale != c.scale)
            return WrongValue(c);
        const Decimal& d = v.As<Decimal>();
        out[0] = d.negative ? 0x80 : 0x00;
        StoreU32(out + 1, 0);
        StoreU32(out + 5, d.magnitude[2]);
        StoreU32(out + 9, d.magnitude[1]);
        StoreU32(out + 13, d.magnitude[0]);
        return Status::OK();
    }
    default: return WrongValue(c);
    }
}

Result<std::vector<uint8_t>> VariableBytes(const ColumnLayout& c, const Value& v)
{
    if (c.type == ColumnType::kText && v.IsText()) {
        const auto& text = v.As<std::u16string>();
        if (text.size() * 2 > c.length)
            return Status::InvalidArgument("The value for column '" + Utf16ToUtf8(c.name) + "' is too long.");
        return EncodeText(text, (c.extFlags & fmt::kColExtCompressed) != 0);
    }
    if (c.type == ColumnType::kBinary && v.Is<Bytes>()) {
        if (v.As<Bytes>().size() > c.length)
            return Status::InvalidArgument("The value for column '" + Utf16ToUtf8(c.name) + "' is too long.");
        return v.As<Bytes>();
    }
    if (c.IsLongValue())
        return Status::NotSupported("Long values cannot be stored in a new database's system rows.");
    return WrongValue(c);
}

} // namespace

Result<std::vector<uint8_t>> EncodePlainRow(const std::vector<ColumnLayout>& columns, uint16_t varColumns,
                                            const std::vector<Value>& valuesByNumber)
{
    uint32_t columnCount = 0;
    uint32_t fixedSize = 0;
    for (const auto& c : columns) {
        columnCount = std::max<uint32_t>(columnCount, c.number + 1u);
        if (c.IsFixed() && c.type != ColumnType::kBoolean)
            fixedSize = std::max<uint32_t>(fixedSize, c.fixedOffset + c.length);
    }
    if (valuesByNumber.size() != columnCount)
        return Status::InvalidArgument("The row has " + std::to_string(valuesByNumber.size()) + " values for "
                                       + std::to_string(columnCount) + " columns.");

    std::vector<uint8_t> mask((columnCount + 7) / 8, 0);
    std::vector<uint8_t> row(2 + fixedSize, 0);
    StoreU16(row.data(), static_cast<uint16_t>(columnCount));
    std::vector<const ColumnLayout*> byVarIndex(varColumns, nullptr);
    for (const auto& c : columns) {
        const Value& v = valuesByNumber[c.number];
        if (c.type == ColumnType::kBoolean) {
            if (!v.IsNull() && !v.Is<bool>())
                return WrongValue(c);
            if (!v.IsNull() && v.As<bool>())
                mask[c.number / 8] |= static_cast<uint8_t>(1u << (c.number % 8));
            continue;
        }
        if (!c.IsFixed()) {
            if (c.varIndex >= varColumns)
                return Status::InvalidArgument("Column '" + Utf16ToUtf8(c.name) + "' has no variable slot.");
            byVarIndex[c.varIndex] = &c;
            continue;
        }
        if (v.IsNull())
            continue;
        JET_RETURN_IF_ERROR(StoreFixed(c, v, row.data() + 2 + c.fixedOffset));
        mask[c.number / 8] |= static_cast<uint8_t>(1u << (c.number % 8));
    }

    if (varColumns > 0) {
        std::vector<uint16_t> offsets(varColumns);
        for (uint16_t j = 0; j < varColumns; ++j) {
            offsets[j] = static_cast<uint16_t>(std::min<size_t>(row.size(), 0xFFFF));
            const ColumnLayout* c = byVarIndex[j];
            if (c == nullptr || valuesByNumber[c->number].IsNull())
                continue;
            auto bytes = VariableBytes(*c, valuesByNumber[c->number]);
            if (!bytes.ok())
                return bytes.status();
            row.insert(row.end(), bytes->begin(), bytes->end());
            mask[c->number / 8] |= static_cast<uint8_t>(1u << (c->number % 8));
        }
        const size_t eod = row.size();
        if (eod + 2 + 2 * varColumns + 2 + mask.size() > fmt::kMaxRowSize)
            return Status::InvalidArgument("The record is too large.");
        row.resize(eod + 2 + 2 * varColumns + 2);
        uint8_t* p = row.data() + eod;
        StoreU16(p, static_cast<uint16_t>(eod));
        p += 2;
        for (int j = varColumns - 1; j >= 0; --j, p += 2)
            StoreU16(p, offsets[static_cast<size_t>(j)]);
        StoreU16(p, varColumns);
    }
    row.insert(row.end(), mask.begin(), mask.end());
    if (row.size() > fmt::kMaxRowSize)
        return Status::InvalidArgument("The record is too large.");
    return row;
}

} // namespace jet
