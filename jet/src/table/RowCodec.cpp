#include "table/RowCodec.h"

#include "page/DataPage.h"
#include "table/Text.h"
#include "util/FormatConstants.h"
#include "util/Numbers.h"

#include <jet/Errors.h>

#include <cmath>
#include <set>

namespace jet {
namespace {

Status BadRow(PageNumber page, const std::string& what)
{
    return Errors::CorruptPage(page, "row " + what);
}

uint16_t VarOffset(const RowLayout& layout, uint32_t j)
{
    return LoadU16(layout.row.data() + layout.maskOffset - 4 - 2 * j);
}

} // namespace

Result<RowLayout> ParseRowLayout(const TableDef& def, ByteView row, PageNumber page)
{
    RowLayout layout;
    layout.row = row;
    if (row.size() < 3)
        return BadRow(page, "too short");
    layout.columnCount = LoadU16(row.data());
    const uint32_t maskBytes = (layout.columnCount + 7u) / 8u;
    if (layout.columnCount == 0 || layout.columnCount > def.maxColumns || 2u + maskBytes > row.size())
        return BadRow(page, "has a bad column count");
    layout.maskOffset = static_cast<uint32_t>(row.size() - maskBytes);
    if (def.varColumns == 0) {
        layout.fixedEnd = layout.maskOffset;
        return layout;
    }
    if (layout.maskOffset < 2u + 2u)
        return BadRow(page, "too short for its offset table");
    layout.varCount = LoadU16(row.data() + layout.maskOffset - 2);
    const uint32_t trailer = 2u + 2u * layout.varCount + 2u; // V, offsets, EOD
    if (layout.varCount > def.varColumns || 2u + trailer > layout.maskOffset)
        return BadRow(page, "has a bad variable column count");
    const uint32_t trailerStart = layout.maskOffset - trailer;
    // Offsets of index 0..V-1 and the end of data must rise and stay inside
    // the space between the row header and the trailer.
    uint32_t previous = 2;
    for (uint32_t j = 0; j <= layout.varCount; ++j) {
        const uint32_t off = VarOffset(layout, j);
        if (off < previous || off > trailerStart)
            return BadRow(page, "has a bad variable offset");
        previous = off;
    }
    layout.fixedEnd = layout.varCount > 0 ? VarOffset(layout, 0) : trailerStart;
    return layout;
}

Result<FieldRef> LocateField(const TableDef& def, const RowLayout& layout, const ColumnDef& column, PageNumber page)
{
    (void)def;
    FieldRef field;
    if (column.number >= layout.columnCount)
        return field;
    field.present = (layout.row[layout.maskOffset + column.number / 8] & (1u << (column.number % 8))) != 0;
    if (column.type == ColumnType::kBoolean || !field.present)
        return field;
    if (column.IsFixed()) {
        const uint32_t start = 2u + column.fixedOffset;
        if (start + column.length > layout.fixedEnd)
            return BadRow(page, "is too short for fixed column " + std::to_string(column.number));
        field.data = layout.row.subspan(start, column.length);
        return field;
    }
    if (column.varIndex >= layout.varCount) {
        field.present = false;
        return field;
    }
    const uint32_t start = VarOffset(layout, column.varIndex);
    const uint32_t end = VarOffset(layout, column.varIndex + 1u);
    field.data = layout.row.subspan(start, end - start);
    return field;
}

Result<Bytes> ReadLongValue(PageStore& store, ByteView descriptor, PageNumber page)
{
    if (descriptor.empty())
        return Bytes{};
    if (descriptor.size() < fmt::kLongValueDescriptorSize)
        return BadRow(page, "holds a short long-value descriptor");
    const uint32_t word = LoadU32(descriptor.data());
    const uint32_t length = word & fmt::kLongValueLengthMask;
    const uint32_t kind = word & ~fmt::kLongValueLengthMask;
    const uint32_t pointer = LoadU32(descriptor.data() + 4);
    if (kind == fmt::kLongValueInline) {
        if (length > descriptor.size() - fmt::kLongValueDescriptorSize)
            return BadRow(page, "holds a bad inline long value");
        const auto* p = descriptor.data() + fmt::kLongValueDescriptorSize;
        return Bytes(p, p + length);
    }
    if (kind != fmt::kLongValueSingle && kind != 0)
        return BadRow(page, "holds an unknown long-value kind");
    if (length > static_cast<uint64_t>(store.PageCount()) * kPageSize)
        return BadRow(page, "holds a long value larger than the file");

    Bytes out;
    out.reserve(length);
    uint32_t next = pointer;
    std::set<uint32_t> visited;
    while (out.size() < length) {
        const PageNumber lvalPage = RowPointerPage(next);
        if (next == 0 || lvalPage >= store.PageCount() || (kind == 0 && !visited.insert(next).second))
            return BadRow(page, "has a broken long-value chain");
        auto view = store.ViewPage(lvalPage);
        if (!view.ok())
            return view.status();
        const Page& lval = **view;
        if (!IsDataPage(lval))
            return Errors::CorruptPage(lvalPage, "long-value page is not a data page");
        auto slot = DataPageSlot(lval, lvalPage, RowPointerRow(next));
        if (!slot.ok())
            return slot.status();
        if (slot->IsDeleted())
            return Errors::CorruptPage(lvalPage, "long-value row is deleted");
        ByteView piece(lval.data() + slot->start, slot->length());
        if (kind == fmt::kLongValueSingle) {
            if (piece.size() < length)
                return Errors::CorruptPage(lvalPage, "long-value row shorter than its value");
            out.assign(piece.begin(), piece.begin() + length);
            break;
        }
        if (piece.size() < 4)
            return Errors::CorruptPage(lvalPage, "long-value chain row too short");
        next = LoadU32(piece.data());
        const size_t take = std::min<size_t>(piece.size() - 4, length - out.size());
        out.insert(out.end(), piece.begin() + 4, piece.begin() + 4 + take);
        if (out.size() < length && next == 0)
            return Errors::CorruptPage(lvalPage, "long-value chain ends early");
    }
    return out;
}

Result<Value> DecodeField(PageStore& store, const ColumnDef& column, const FieldRef& field, PageNumber page)
{
    if (column.type == ColumnType::kBoolean)
        return Value(field.present);
    if (!field.present)
        return Value::Null();
    const ByteView d = field.data;
    const uint8_t* p = d.data();
    auto need = [&](size_t n) -> bool { return d.size() >= n; };
    switch (column.type) {
    case ColumnType::kByte:
        if (need(1))
            return Value(static_cast<uint8_t>(p[0]));
        break;
    case ColumnType::kInteger:
        if (need(2))
            return Value(static_cast<int16_t>(LoadU16(p)));
        break;
    case ColumnType::kLong:
        if (need(4))
            return Value(static_cast<int32_t>(LoadU32(p)));
        break;
    case ColumnType::kCurrency:
        if (need(8))
            return Value(Currency{static_cast<int64_t>(LoadU64(p))});
        break;
    case ColumnType::kSingle:
        if (need(4))
            return Value(LoadFloat(p));
        break;
    case ColumnType::kDouble:
        if (need(8))
            return Value(LoadDouble(p));
        break;
    case ColumnType::kDateTime:
        if (need(8))
            return Value(DateTime{LoadDouble(p)});
        break;
    case ColumnType::kText: return Value(DecodeText(d));
    case ColumnType::kMemo: {
        auto bytes = ReadLongValue(store, d, page);
        if (!bytes.ok())
            return bytes.status();
        return Value(DecodeText(*bytes));
    }
    case ColumnType::kOle: {
        auto bytes = ReadLongValue(store, d, page);
        if (!bytes.ok())
            return bytes.status();
        return Value(std::move(bytes).value());
    }
    case ColumnType::kGuid:
        if (d.size() == 16) {
            Guid g;
            std::copy(d.begin(), d.end(), g.bytes.begin());
            return Value(g);
        }
        break;
    case ColumnType::kNumeric:
        if (d.size() == 17) {
            Decimal dec;
            dec.negative = (p[0] & 0x80) != 0;
            dec.precision = column.precision;
            dec.scale = column.scale;
            if (LoadU32(p + 1) != 0)
                return BadRow(page, "holds a decimal out of range");
            dec.magnitude[2] = LoadU32(p + 5);
            dec.magnitude[1] = LoadU32(p + 9);
            dec.magnitude[0] = LoadU32(p + 13);
            return Value(dec);
        }
        break;
    default: return Value(Bytes(d.begin(), d.end()));
    }
    if (column.type == ColumnType::kBinary)
        return Value(Bytes(d.begin(), d.end()));
    return BadRow(page, "holds a field of the wrong size in column " + std::to_string(column.number));
}

// ---- Encoding ----

namespace {

Status TypeMismatch(const ColumnDef& column)
{
    return Errors::TypeMismatch(Utf16ToUtf8(column.name));
}

Status TooSmall(const ColumnDef& column)
{
    return Errors::FieldTooSmall(Utf16ToUtf8(column.name));
}

// Byte, Integer and Long take whole numbers in their range; a Double that
// holds a whole number counts as one, as Access converts it.
Result<Value> CoerceInteger(const ColumnDef& column, const Value& value)
{
    auto i = IntegerOf(value);
    if (!i && value.Is<double>() && std::nearbyint(value.As<double>()) == value.As<double>()
        && std::fabs(value.As<double>()) < 1e10)
        i = static_cast<int64_t>(value.As<double>());
    if (!i)
        return TypeMismatch(column);
    if (column.type == ColumnType::kByte) {
        if (*i < 0 || *i > 255)
            return TooSmall(column);
        return Value(static_cast<uint8_t>(*i));
    }
    if (column.type == ColumnType::kInteger) {
        if (*i < INT16_MIN || *i > INT16_MAX)
            return TooSmall(column);
        return Value(static_cast<int16_t>(*i));
    }
    if (*i < INT32_MIN || *i > INT32_MAX)
        return TooSmall(column);
    return Value(static_cast<int32_t>(*i));
}

// Text and Memo take text, Binary and OLE bytes, each no longer than the
// column (Text, Binary) or a long value's length field (Memo, OLE) allows.
Result<Value> CoerceVariable(const ColumnDef& column, const Value& value)
{
    const bool isText = column.type == ColumnType::kText || column.type == ColumnType::kMemo;
    if (isText ? !value.IsText() : !value.Is<Bytes>())
        return TypeMismatch(column);
    const size_t bytes = isText ? value.As<std::u16string>().size() * 2 : value.As<Bytes>().size();
    if (!column.IsLongValue() && bytes > column.length)
        return TooSmall(column);
    if (bytes > fmt::kLongValueLengthMask)
        return TooSmall(column);
    return value;
}

// A Decimal keeps the column's scale and has at most `precision` digits.
Result<Value> CoerceDecimal(const ColumnDef& column, const Value& value)
{
    if (!value.Is<Decimal>())
        return TypeMismatch(column);
    Decimal d = value.As<Decimal>();
    if (d.scale != column.scale)
        return TypeMismatch(column);
    // Counted exactly: a long double rounds 10^27 - 1 up to 10^27.
    const unsigned __int128 magnitude = (static_cast<unsigned __int128>(d.magnitude[2]) << 64)
        | (static_cast<unsigned __int128>(d.magnitude[1]) << 32) | d.magnitude[0];
    unsigned __int128 limit = 1;
    for (int i = 0; i < column.precision; ++i)
        limit *= 10;
    if (magnitude >= limit)
        return TooSmall(column);
    d.precision = column.precision;
    return Value(d);
}

// Fixed-size numbers in their little-endian stored form.
void StoreNumber(const ColumnDef& column, const Value& value, std::vector<uint8_t>& b)
{
    b.assign(FixedValueSize(column.type), 0);
    switch (column.type) {
    case ColumnType::kByte: b[0] = value.As<uint8_t>(); break;
    case ColumnType::kInteger: StoreU16(b.data(), static_cast<uint16_t>(value.As<int16_t>())); break;
    case ColumnType::kLong: StoreU32(b.data(), static_cast<uint32_t>(value.As<int32_t>())); break;
    case ColumnType::kCurrency: StoreU64(b.data(), static_cast<uint64_t>(value.As<Currency>().scaled)); break;
    case ColumnType::kSingle: StoreFloat(b.data(), value.As<float>()); break;
    case ColumnType::kDouble: StoreDouble(b.data(), value.As<double>()); break;
    case ColumnType::kDateTime: StoreDouble(b.data(), value.As<DateTime>().days); break;
    case ColumnType::kGuid: std::copy(value.As<Guid>().bytes.begin(), value.As<Guid>().bytes.end(), b.begin()); break;
    case ColumnType::kNumeric: {
        // Sign byte, then the 96-bit magnitude as three 32-bit words, most
        // significant first, after an unused one.
        const Decimal& d = value.As<Decimal>();
        b[0] = d.negative ? 0x80 : 0x00;
        StoreU32(b.data() + 5, d.magnitude[2]);
        StoreU32(b.data() + 9, d.magnitude[1]);
        StoreU32(b.data() + 13, d.magnitude[0]);
        break;
    }
    default: break;
    }
}

} // namespace

Result<Value> CoerceValue(const ColumnDef& column, const Value& value)
{
    if (value.IsNull())
        return column.type == ColumnType::kBoolean ? Value(false) : Value();
    switch (column.type) {
    case ColumnType::kBoolean:
        if (value.Is<bool>())
            return value;
        if (auto i = IntegerOf(value))
            return Value(*i != 0);
        return TypeMismatch(column);
    case ColumnType::kByte:
    case ColumnType::kInteger:
    case ColumnType::kLong: return CoerceInteger(column, value);
    case ColumnType::kCurrency:
        if (value.Is<Currency>())
            return value;
        if (auto i = IntegerOf(value))
            return Value(Currency{*i * 10000});
        return TypeMismatch(column);
    case ColumnType::kSingle:
        if (value.Is<float>())
            return value;
        if (auto r = NumberOf(value, NumberKinds::kIntegersAndReals))
            return Value(static_cast<float>(*r));
        return TypeMismatch(column);
    case ColumnType::kDouble:
        if (auto r = NumberOf(value, NumberKinds::kIntegersAndReals))
            return Value(*r);
        return TypeMismatch(column);
    case ColumnType::kDateTime:
        if (value.Is<DateTime>())
            return value;
        if (value.Is<double>())
            return Value(DateTime{value.As<double>()});
        return TypeMismatch(column);
    case ColumnType::kText:
    case ColumnType::kMemo:
    case ColumnType::kBinary:
    case ColumnType::kOle: return CoerceVariable(column, value);
    case ColumnType::kGuid:
        if (value.Is<Guid>())
            return value;
        return TypeMismatch(column);
    case ColumnType::kNumeric: return CoerceDecimal(column, value);
    }
    // A type the engine does not know: its bytes as they are, when they fit.
    if (value.Is<Bytes>() && value.As<Bytes>().size() <= column.length)
        return value;
    return TypeMismatch(column);
}

Result<FieldBytes> EncodeValue(const ColumnDef& column, const Value& value)
{
    FieldBytes f;
    if (column.type == ColumnType::kBoolean) {
        f.present = value.Is<bool>() && value.As<bool>();
        return f;
    }
    if (value.IsNull())
        return f;
    f.present = true;
    auto& b = f.bytes;
    if (column.type == ColumnType::kText) {
        std::u16string text = value.As<std::u16string>();
        if (column.IsFixed()) {
            // A fixed-length Text column is padded with spaces and never compressed.
            text.resize(column.length / 2u, u' ');
            b = EncodeText(text, false);
        } else {
            b = EncodeText(text, column.IsCompressible());
        }
        if (b.empty() && !text.empty())
            return TypeMismatch(column);
    } else if (FixedValueSize(column.type) > 0) {
        StoreNumber(column, value, b);
    } else {
        b = value.As<Bytes>();
        if (column.IsFixed())
            b.resize(column.length, 0);
    }
    if (column.IsFixed() && b.size() != column.length)
        return TypeMismatch(column);
    return f;
}

size_t EncodedRowSize(const std::vector<ColumnDef>& columns, uint16_t varColumns, const std::vector<FieldBytes>& fields,
                      std::vector<const FieldBytes*>& byVarIndex)
{
    const uint16_t columnCount = static_cast<uint16_t>(columns.back().number + 1);
    byVarIndex.assign(varColumns, nullptr);
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        if (c.type != ColumnType::kBoolean && fields[i].present && !c.IsFixed() && c.varIndex < byVarIndex.size())
            byVarIndex[c.varIndex] = &fields[i];
    }
    size_t size = 2 + FixedAreaSize(columns) + (columnCount + 7) / 8;
    if (varColumns > 0)
        size += 2 + 2u * varColumns + 2;
    for (const FieldBytes* f : byVarIndex)
        size += f != nullptr ? f->bytes.size() : 0;
    return size;
}

std::vector<uint8_t> EncodeRow(const std::vector<ColumnDef>& columns, uint16_t varColumns,
                               const std::vector<FieldBytes>& fields, std::vector<const FieldBytes*>& byVarIndex)
{
    const size_t size = EncodedRowSize(columns, varColumns, fields, byVarIndex);
    const uint16_t columnCount = static_cast<uint16_t>(columns.back().number + 1);
    const uint32_t fixedSize = FixedAreaSize(columns);
    const size_t maskBytes = (columnCount + 7u) / 8u;
    std::vector<uint8_t> row(size, 0);
    StoreU16(row.data(), columnCount);
    // The null mask is last; a set bit means "has a value" (for Boolean
    // columns, the value itself).
    uint8_t* const mask = row.data() + size - maskBytes;
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        const FieldBytes& f = fields[i];
        if (f.present)
            mask[c.number / 8] = static_cast<uint8_t>(mask[c.number / 8] | (1u << (c.number % 8)));
        if (c.type == ColumnType::kBoolean || !f.present)
            continue;
        if (c.IsFixed())
            std::copy(f.bytes.begin(), f.bytes.end(), row.begin() + 2 + c.fixedOffset);
    }
    if (varColumns > 0) {
        // Variable data after the fixed area, then (backwards from the mask)
        // the column count, the offsets and the end of the data. A null
        // variable column has an offset equal to the next one: no bytes.
        size_t at = 2 + fixedSize;
        uint8_t* trailer = mask - 2;
        StoreU16(trailer, varColumns);
        for (size_t j = 0; j < byVarIndex.size(); ++j) {
            trailer -= 2;
            StoreU16(trailer, static_cast<uint16_t>(at));
            if (byVarIndex[j] != nullptr) {
                std::copy(byVarIndex[j]->bytes.begin(), byVarIndex[j]->bytes.end(), row.begin() + at);
                at += byVarIndex[j]->bytes.size();
            }
        }
        trailer -= 2;
        StoreU16(trailer, static_cast<uint16_t>(at));
    }
    return row;
}

void PadRow(std::vector<uint8_t>& row, bool hasVariableTable, size_t targetLength)
{
    if (row.size() >= targetLength)
        return;
    // The padding goes where readers never look: after the variable data
    // (before the end-of-data field) or, without variable columns, after the
    // fixed area.
    const uint16_t columnCount = LoadU16(row.data());
    const size_t maskBytes = (columnCount + 7u) / 8u;
    size_t at = row.size() - maskBytes;
    if (hasVariableTable) {
        const uint16_t varCount = LoadU16(row.data() + at - 2);
        at -= 2u + 2u * varCount + 2u;
    }
    row.insert(row.begin() + static_cast<long>(at), targetLength - row.size(), 0);
}

Result<std::vector<uint8_t>> EncodePlainRow(const std::vector<ColumnDef>& columns, uint16_t varColumns,
                                            const std::vector<Value>& valuesByNumber)
{
    if (columns.empty() || valuesByNumber.size() != columns.back().number + 1u)
        return Status::InvalidArgument("The row has " + std::to_string(valuesByNumber.size()) + " values for "
                                       + std::to_string(columns.empty() ? 0 : columns.back().number + 1u)
                                       + " columns.");
    std::vector<FieldBytes> fields(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        const Value& v = valuesByNumber[c.number];
        if (c.IsLongValue() && !v.IsNull())
            return Status::NotSupported("Long values cannot be stored in a row without long-value pages.");
        if (!c.IsFixed() && c.varIndex >= varColumns)
            return Status::InvalidArgument("Column '" + Utf16ToUtf8(c.name) + "' has no variable slot.");
        auto coerced = CoerceValue(c, v);
        if (!coerced.ok())
            return coerced.status();
        auto field = EncodeValue(c, *coerced);
        if (!field.ok())
            return field.status();
        fields[i] = std::move(field).value();
    }
    std::vector<const FieldBytes*> byVarIndex;
    std::vector<uint8_t> row = EncodeRow(columns, varColumns, fields, byVarIndex);
    if (row.size() > fmt::kMaxRowSize)
        return Status::InvalidArgument("The record is too large.");
    return row;
}

} // namespace jet
