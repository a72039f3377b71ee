#include "table/RowCodec.h"

#include "db/FormatConstants.h"
#include "page/DataPage.h"
#include "table/Text.h"

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
    case ColumnType::kText:
        return Value(DecodeText(d));
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
    default:
        return Value(Bytes(d.begin(), d.end()));
    }
    if (column.type == ColumnType::kBinary)
        return Value(Bytes(d.begin(), d.end()));
    return BadRow(page, "holds a field of the wrong size in column " + std::to_string(column.number));
}

} // namespace jet
