#include "create/Definition.h"

#include "db/FormatConstants.h"
#include "util/Coding.h"

#include <algorithm>

namespace jet {
namespace {

constexpr uint32_t kReserve = 8; // zero bytes kept after the definition on its last page
constexpr uint32_t kContinuationCapacity = kPageSize - fmt::kTdefContinuationData;

class StreamWriter {
public:
    explicit StreamWriter(std::vector<uint8_t>& out)
        : m_out(out)
    {
    }
    void U8(uint8_t v) { m_out.push_back(v); }
    void U16(uint16_t v)
    {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void Zeros(size_t n) { m_out.insert(m_out.end(), n, 0); }
    void Name(const std::u16string& name)
    {
        U16(static_cast<uint16_t>(name.size() * 2));
        for (char16_t c : name)
            U16(static_cast<uint16_t>(c));
    }

private:
    std::vector<uint8_t>& m_out;
};

void WriteColumn(StreamWriter& w, const ColumnLayout& c)
{
    w.U8(static_cast<uint8_t>(c.type));
    w.U32(fmt::kTdefMagicValue);
    w.U16(c.number);
    w.U16(c.varIndex);
    w.U16(c.ordinal);
    if (c.type == ColumnType::kNumeric) {
        w.U8(c.precision);
        w.U8(c.scale);
        w.U16(0);
    } else {
        // General (legacy) sort order: LCID 1033, sort id 0, version 0.
        w.U32(0x00000409);
    }
    w.U8(c.flags);
    w.U8(c.extFlags);
    w.U32(0);
    w.U16(c.IsFixed() ? c.fixedOffset : 0);
    w.U16(c.length);
}

void WriteRealIndex(StreamWriter& w, const RealIndexLayout& ix)
{
    w.U32(fmt::kRealIndexMagicValue);
    for (uint32_t k = 0; k < fmt::kMaxIndexColumns; ++k) {
        if (k < ix.columns.size()) {
            w.U16(ix.columns[k].columnNumber);
            w.U8(ix.columns[k].ascending ? 0x01 : 0x00);
        } else {
            w.U16(0xFFFF);
            w.U8(0x00);
        }
    }
    w.U32(ix.usageMap);
    w.U32(ix.rootPage);
    w.U32(0);
    w.U8(ix.flags);
    w.Zeros(5);
}

void WriteLogicalIndex(StreamWriter& w, const LogicalIndexLayout& li)
{
    w.U32(fmt::kTdefMagicValue);
    w.U32(li.number);
    w.U32(li.realIndex);
    w.U8(0);           // no relationship
    w.U32(0xFFFFFFFF); // related index
    w.U32(0);          // related table
    // Access stores 04 04 in the cascade bytes of indexes that are not part of a relationship.
    w.U8(0x04);
    w.U8(0x04);
    w.U8(li.kind);
    w.U32(0);
}

} // namespace

bool NameOrderLess(const std::u16string& a, const std::u16string& b)
{
    auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char16_t x, char16_t y) { return upper(x) < upper(y); });
}

bool IsFixedType(ColumnType type)
{
    return type == ColumnType::kBoolean || FixedValueSize(type) > 0;
}

uint16_t AssignColumnPositions(std::vector<ColumnLayout>& columns)
{
    uint16_t variable = 0;
    uint16_t fixedEnd = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        ColumnLayout& c = columns[i];
        c.number = static_cast<uint16_t>(i);
        c.varIndex = variable;
        if (!c.IsFixed()) {
            ++variable;
            c.fixedOffset = 0;
        } else if (c.type == ColumnType::kBoolean) {
            c.fixedOffset = 0;
        } else {
            c.fixedOffset = fixedEnd;
            fixedEnd = static_cast<uint16_t>(fixedEnd + c.length);
        }
    }
    return variable;
}

std::vector<uint8_t> EncodeDefinition(const DefinitionLayout& layout)
{
    std::vector<uint8_t> out;
    StreamWriter w(out);
    w.U8(static_cast<uint8_t>(fmt::PageType::kTableDefinition));
    w.U8(0x01);
    w.U16(0); // free space: set per page by SplitDefinition
    w.U32(0); // next page: likewise
    w.U32(0); // length: patched below
    w.U32(fmt::kTdefMagicValue);
    w.U32(layout.rowCount);
    w.U32(0); // last AutoNumber handed out
    w.U32(1); // AutoNumber increment
    w.Zeros(12);
    w.U8(layout.tableType);
    w.U16(layout.maxColumns);
    w.U16(layout.varColumns);
    w.U16(static_cast<uint16_t>(layout.columns.size()));
    w.U32(static_cast<uint32_t>(layout.logicalIndexes.size()));
    w.U32(static_cast<uint32_t>(layout.realIndexes.size()));
    w.U32(layout.ownedMap);
    w.U32(layout.freeMap);

    for (const auto& ix : layout.realIndexes) {
        w.U32(0);
        w.U32(ix.uniqueEntryCount);
        w.U32(0);
    }
    for (const auto& c : layout.columns)
        WriteColumn(w, c);
    for (const auto& c : layout.columns)
        w.Name(c.name);
    for (const auto& ix : layout.realIndexes)
        WriteRealIndex(w, ix);
    for (const auto& li : layout.logicalIndexes)
        WriteLogicalIndex(w, li);
    for (const auto& li : layout.logicalIndexes)
        w.Name(li.name);
    for (const auto& m : layout.longValueMaps) {
        w.U16(m.columnNumber);
        w.U32(m.ownedMap);
        w.U32(m.freeMap);
    }
    w.U16(0xFFFF);
    StoreU32(out.data() + fmt::kTdefLength, static_cast<uint32_t>(out.size()));
    return out;
}

uint32_t DefinitionPageCount(size_t length)
{
    const size_t needed = length + kReserve;
    if (needed <= kPageSize)
        return 1;
    return 1 + static_cast<uint32_t>((needed - kPageSize + kContinuationCapacity - 1) / kContinuationCapacity);
}

std::vector<Page> SplitDefinition(const std::vector<uint8_t>& stream, const std::vector<PageNumber>& pages)
{
    std::vector<Page> out(pages.size());
    size_t pos = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        Page& page = out[i];
        page.fill(0);
        const size_t start = i == 0 ? 0 : fmt::kTdefContinuationData;
        const size_t n = std::min<size_t>(stream.size() - pos, kPageSize - start);
        std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(pos), n,
                    page.begin() + static_cast<std::ptrdiff_t>(start));
        pos += n;
        page[0] = static_cast<uint8_t>(fmt::PageType::kTableDefinition);
        page[1] = 0x01;
        const size_t used = start + n;
        const size_t free = used + kReserve <= kPageSize ? kPageSize - used - kReserve : 0;
        StoreU16(page.data() + 2, static_cast<uint16_t>(free));
        StoreU32(page.data() + fmt::kTdefNextPage, i + 1 < pages.size() ? pages[i + 1] : 0);
    }
    return out;
}

} // namespace jet
