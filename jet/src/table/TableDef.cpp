#include "table/TableDef.h"

#include "page/DataPage.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <unordered_set>

namespace jet {
namespace {

char16_t FoldCase(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<char16_t>(c - 32);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return static_cast<char16_t>(c - 32);
    if (c >= 0x430 && c <= 0x44F)
        return static_cast<char16_t>(c - 32);
    return c;
}

// The highest column type code any Access version writes (0x14, the
// extended Date/Time of Access 2019).
constexpr uint8_t kLastColumnTypeCode = 0x14;

bool KnownType(uint8_t code)
{
    return (code >= 0x01 && code <= 0x0C) || code == 0x0F || code == 0x10;
}

Status Bad(PageNumber tdef, const std::string& what)
{
    return Errors::CorruptPage(tdef, "table definition: " + what);
}

// Reads a name stored as its byte length (u16) and UTF-16 code units at
// `pos`, and moves `pos` past it. False when the length is not a valid one.
bool ReadName(ByteReader& r, size_t& pos, std::u16string& out)
{
    const uint16_t nameBytes = r.U16(pos);
    if (nameBytes > fmt::kMaxNameBytes || nameBytes % 2 != 0)
        return false;
    ByteView name = r.Bytes(pos + 2, nameBytes);
    out.resize(nameBytes / 2);
    for (size_t k = 0; k < out.size() && r.ok(); ++k)
        out[k] = static_cast<char16_t>(LoadU16(name.data() + 2 * k));
    pos += 2u + nameBytes;
    return true;
}

} // namespace

uint16_t FixedValueSize(ColumnType type)
{
    switch (type) {
    case ColumnType::kBoolean: return 0;
    case ColumnType::kByte: return 1;
    case ColumnType::kInteger: return 2;
    case ColumnType::kLong: return 4;
    case ColumnType::kCurrency: return 8;
    case ColumnType::kSingle: return 4;
    case ColumnType::kDouble: return 8;
    case ColumnType::kDateTime: return 8;
    case ColumnType::kGuid: return 16;
    case ColumnType::kNumeric: return 17;
    default: return 0;
    }
}

bool NamesEqual(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

const ColumnDef* TableDef::FindColumn(std::u16string_view name) const
{
    for (const auto& c : columns) {
        if (NamesEqual(c.name, name))
            return &c;
    }
    return nullptr;
}

const ColumnDef* TableDef::ColumnByNumber(uint16_t number) const
{
    for (const auto& c : columns) {
        if (c.number == number)
            return &c;
    }
    return nullptr;
}

const LongValueMaps* TableDef::MapsOfColumn(uint16_t number) const
{
    for (const auto& m : longValueMaps) {
        if (m.columnNumber == number)
            return &m;
    }
    return nullptr;
}

bool TableDef::IsUniqueIndex(size_t realIndex) const
{
    if (realIndex >= realIndexes.size())
        return false;
    if (realIndexes[realIndex].IsUnique())
        return true;
    for (const auto& li : logicalIndexes) {
        if (li.realIndex == realIndex && li.IsPrimaryKey())
            return true;
    }
    return false;
}

uint32_t TableDef::FixedAreaSize() const
{
    return jet::FixedAreaSize(columns);
}

uint32_t FixedAreaSize(const std::vector<ColumnDef>& columns)
{
    uint32_t size = 0;
    for (const auto& c : columns) {
        if (c.IsFixed() && c.type != ColumnType::kBoolean)
            size = std::max<uint32_t>(size, c.fixedOffset + c.length);
    }
    return size;
}

namespace {

// A table definition is read in five parts, in the order they lie in its
// stream: the header with the counts, the column descriptors and names, the
// real and logical indexes, and the long-value map list. Each part checks
// what a damaged file could make it read out of bounds or out of kind.

// Gathers the definition's stream over its page chain (a chain can never be
// longer than the file) and trims it to the length its header gives.
Status ReadStream(PageStore& store, TableDef& def)
{
    const PageNumber tdefPage = def.tdefPage;
    Page page;
    PageNumber current = tdefPage;
    std::unordered_set<PageNumber> seen;
    while (current != 0) {
        if (current >= store.PageCount() || !seen.insert(current).second)
            return Bad(tdefPage, "broken continuation chain");
        JET_RETURN_IF_ERROR(store.ReadPage(current, page));
        if (page[0] != static_cast<uint8_t>(fmt::PageType::kTableDefinition) || page[1] != 0x01)
            return Bad(tdefPage, "page " + std::to_string(current) + " is not a definition page");
        def.pages.push_back(current);
        if (def.stream.empty())
            def.stream.assign(page.begin(), page.end());
        else
            def.stream.insert(def.stream.end(), page.begin() + fmt::kTdefContinuationData, page.end());
        current = LoadU32(page.data() + fmt::kTdefNextPage);
        if (def.stream.size() >= LoadU32(def.stream.data() + fmt::kTdefLength) + 8u)
            break; // enough bytes; ignore a dangling next pointer past the definition
    }
    def.length = ByteReader(def.stream).U32(fmt::kTdefLength);
    if (def.length < fmt::kTdefBody + 2 || def.length > def.stream.size())
        return Bad(tdefPage, "bad definition length");
    def.stream.resize(def.length);
    return Status::OK();
}

// The counts the rest of the definition is read by.
struct DefinitionCounts {
    uint16_t columns = 0;
    uint32_t logicalIndexes = 0;
    uint32_t realIndexes = 0;
};

Status ReadHeader(ByteReader& r, TableDef& def, DefinitionCounts& counts)
{
    def.rowCount = r.U32(fmt::kTdefRowCount);
    def.autoNumber = r.U32(fmt::kTdefAutoNumber);
    def.autoIncrement = static_cast<int32_t>(r.U32(fmt::kTdefAutoIncrement));
    def.tableType = r.U8(fmt::kTdefTableType);
    def.maxColumns = r.U16(fmt::kTdefMaxColumns);
    def.varColumns = r.U16(fmt::kTdefVarColumns);
    counts.columns = r.U16(fmt::kTdefColumnCount);
    counts.logicalIndexes = r.U32(fmt::kTdefLogicalIndexCount);
    counts.realIndexes = r.U32(fmt::kTdefRealIndexCount);
    def.ownedMap = r.U32(fmt::kTdefOwnedMap);
    def.freeMap = r.U32(fmt::kTdefFreeMap);
    if (counts.columns == 0 || counts.columns > 255 || counts.columns > def.maxColumns
        || def.varColumns > def.maxColumns)
        return Bad(def.tdefPage, "bad column counts");
    // Access allows 32 indexes a table; 64 leaves room without letting a
    // damaged count make the reader walk far past the definition.
    if (counts.realIndexes > 64 || counts.logicalIndexes > 64)
        return Bad(def.tdefPage, "bad index counts");
    return Status::OK();
}

// Numbers unique and below the maximum; a type code some version of Access
// writes; fixed columns inside the largest row; variable indexes inside the
// variable table.
Status CheckColumns(TableDef& def)
{
    const PageNumber tdefPage = def.tdefPage;
    std::sort(def.columns.begin(), def.columns.end(),
              [](const ColumnDef& a, const ColumnDef& b) { return a.number < b.number; });
    for (size_t i = 0; i < def.columns.size(); ++i) {
        const ColumnDef& c = def.columns[i];
        if (c.number >= def.maxColumns || (i > 0 && def.columns[i - 1].number == c.number))
            return Bad(tdefPage, "bad column number " + std::to_string(c.number));
        // Codes of later Access versions read as raw bytes; 0 and codes no
        // version has used mean the definition itself is damaged, and reading
        // such a column as bytes would silently return wrong values.
        if (c.rawType == 0 || c.rawType > kLastColumnTypeCode)
            return Bad(tdefPage,
                       "column " + std::to_string(c.number) + " has no column type (" + std::to_string(c.rawType)
                           + ")");
        if (!KnownType(c.rawType))
            continue; // read as raw bytes, never as a typed value
        if (c.IsFixed()) {
            const uint16_t size = FixedValueSize(c.type);
            const bool sized = c.type == ColumnType::kBinary || c.type == ColumnType::kText;
            if (c.type != ColumnType::kBoolean && (sized ? c.length == 0 : c.length != size))
                return Bad(tdefPage, "bad length of fixed column " + std::to_string(c.number));
            if (c.fixedOffset + c.length > fmt::kMaxRowSize)
                return Bad(tdefPage, "fixed column " + std::to_string(c.number) + " outside the row");
        } else if (c.varIndex >= def.varColumns) {
            return Bad(tdefPage, "bad variable index of column " + std::to_string(c.number));
        }
    }
    return Status::OK();
}

Status ReadColumns(ByteReader& r, size_t& pos, TableDef& def, uint16_t count)
{
    def.columns.resize(count);
    for (auto& c : def.columns) {
        c.descriptorOffset = static_cast<uint32_t>(pos);
        c.rawType = r.U8(pos + fmt::kColType);
        c.type = static_cast<ColumnType>(c.rawType);
        c.number = r.U16(pos + fmt::kColNumber);
        c.varIndex = r.U16(pos + fmt::kColVarIndex);
        c.ordinal = r.U16(pos + fmt::kColOrdinal);
        c.precision = r.U8(pos + fmt::kColPrecision);
        c.scale = r.U8(pos + fmt::kColScale);
        for (int k = 0; k < 4; ++k)
            c.sortOrder[k] = r.U8(pos + fmt::kColSortOrder + k);
        c.flags = r.U8(pos + fmt::kColFlags);
        c.extFlags = r.U8(pos + fmt::kColExtFlags);
        c.fixedOffset = r.U16(pos + fmt::kColFixedOffset);
        c.length = r.U16(pos + fmt::kColLength);
        pos += fmt::kColumnBlockSize;
    }
    for (auto& c : def.columns) {
        if (!ReadName(r, pos, c.name))
            return Bad(def.tdefPage, "bad column name length");
    }
    if (!r.ok())
        return Bad(def.tdefPage, "column area runs past the end");
    return CheckColumns(def);
}

Status ReadRealIndexes(PageStore& store, ByteReader& r, size_t& pos, TableDef& def,
                       const std::vector<uint32_t>& uniqueCounts)
{
    const PageNumber tdefPage = def.tdefPage;
    def.realIndexes.resize(uniqueCounts.size());
    for (uint32_t i = 0; i < uniqueCounts.size(); ++i) {
        RealIndexDef& ix = def.realIndexes[i];
        def.realIndexBlockOffsets.push_back(static_cast<uint32_t>(pos));
        ix.number = static_cast<int>(i);
        ix.tdefPage = tdefPage;
        ix.uniqueEntryCount = uniqueCounts[i];
        // Ten slots of column number and order; 0xFFFF marks an empty slot.
        for (uint32_t k = 0; k < fmt::kMaxIndexColumns; ++k) {
            const uint16_t number = r.U16(pos + 4 + 3 * k);
            const uint8_t order = r.U8(pos + 6 + 3 * k);
            if (number == 0xFFFF)
                continue;
            const ColumnDef* col = def.ColumnByNumber(number);
            if (col == nullptr)
                return Bad(tdefPage, "index " + std::to_string(i) + " names missing column " + std::to_string(number));
            IndexKeyColumn key;
            key.columnNumber = number;
            key.type = col->type;
            key.ascending = order != 0;
            key.textSortOrder = LoadU32(col->sortOrder);
            ix.columns.push_back(key);
        }
        ix.SetUsageMap(r.U32(pos + 34));
        ix.rootPage = r.U32(pos + 38);
        ix.flags = r.U8(pos + 46);
        if (ix.rootPage == 0 || ix.rootPage >= store.PageCount())
            return Bad(tdefPage, "index " + std::to_string(i) + " root page out of range");
        pos += fmt::kRealIndexBlockSize;
    }
    return Status::OK();
}

Status ReadLogicalIndexes(ByteReader& r, size_t& pos, TableDef& def, uint32_t count)
{
    def.logicalIndexes.resize(count);
    for (auto& li : def.logicalIndexes) {
        li.number = r.U32(pos + 4);
        li.realIndex = r.U32(pos + 8);
        li.relationship = r.U8(pos + 12);
        li.kind = r.U8(pos + 23);
        if (li.realIndex >= def.realIndexes.size())
            return Bad(def.tdefPage, "logical index refers to missing real index");
        pos += fmt::kLogicalIndexBlockSize;
    }
    for (auto& li : def.logicalIndexes) {
        if (!ReadName(r, pos, li.name))
            return Bad(def.tdefPage, "bad index name length");
    }
    return Status::OK();
}

// The list of the long-value columns' own usage maps, ended by 0xFFFF (at
// most one entry a column).
void ReadLongValueMaps(ByteReader& r, size_t& pos, TableDef& def)
{
    for (size_t guard = 0; guard <= 255; ++guard) {
        const uint16_t number = r.U16(pos);
        if (!r.ok())
            break;
        if (number == 0xFFFF) {
            pos += 2;
            break;
        }
        def.longValueMaps.push_back(LongValueMaps{number, r.U32(pos + 2), r.U32(pos + 6)});
        pos += fmt::kLongValueMapEntrySize;
    }
}

} // namespace

Result<TableDef> ReadTableDef(PageStore& store, PageNumber tdefPage)
{
    TableDef def;
    def.tdefPage = tdefPage;
    if (tdefPage == 0 || tdefPage >= store.PageCount())
        return Bad(tdefPage, "page out of range");
    JET_RETURN_IF_ERROR(ReadStream(store, def));
    ByteReader r(def.stream);
    DefinitionCounts counts;
    JET_RETURN_IF_ERROR(ReadHeader(r, def, counts));

    // One statistics block a real index, holding its count of unique keys.
    size_t pos = fmt::kTdefBody;
    def.statsOffset = static_cast<uint32_t>(pos);
    std::vector<uint32_t> uniqueCounts(counts.realIndexes);
    for (uint32_t i = 0; i < counts.realIndexes; ++i) {
        uniqueCounts[i] = r.U32(pos + 4);
        pos += fmt::kStatsBlockSize;
    }
    JET_RETURN_IF_ERROR(ReadColumns(r, pos, def, counts.columns));
    JET_RETURN_IF_ERROR(ReadRealIndexes(store, r, pos, def, uniqueCounts));
    JET_RETURN_IF_ERROR(ReadLogicalIndexes(r, pos, def, counts.logicalIndexes));
    ReadLongValueMaps(r, pos, def);
    if (!r.ok() || pos > def.length)
        return Bad(tdefPage, "definition runs past its length");
    return def;
}

// ---- Writing ----

namespace {
constexpr uint32_t kReserve = 8; // zero bytes kept after the definition on its last page
constexpr uint32_t kContinuationCapacity = kPageSize - fmt::kTdefContinuationData;

class StreamWriter {
public:
    explicit StreamWriter(std::vector<uint8_t>& out)
        : m_out(out)
    { }
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

void WriteColumn(StreamWriter& w, const ColumnDef& c)
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
        for (uint8_t b : c.sortOrder)
            w.U8(b);
    }
    w.U8(c.flags);
    w.U8(c.extFlags);
    w.U32(0);
    w.U16(c.IsFixed() ? c.fixedOffset : 0);
    w.U16(c.length);
}

void WriteRealIndex(StreamWriter& w, const RealIndexDef& ix)
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
    w.U32(ix.UsageMap());
    w.U32(ix.rootPage);
    w.U32(0);
    w.U8(ix.flags);
    w.Zeros(5);
}

void WriteLogicalIndex(StreamWriter& w, const LogicalIndexDef& li)
{
    w.U32(fmt::kTdefMagicValue);
    w.U32(li.number);
    w.U32(li.realIndex);
    w.U8(li.relationship);
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

uint16_t AssignColumnPositions(std::vector<ColumnDef>& columns)
{
    uint16_t variable = 0;
    uint16_t fixedEnd = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        ColumnDef& c = columns[i];
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

std::vector<uint8_t> EncodeTableDef(const TableDef& def)
{
    std::vector<uint8_t> out;
    StreamWriter w(out);
    w.U8(static_cast<uint8_t>(fmt::PageType::kTableDefinition));
    w.U8(0x01);
    w.U16(0); // free space: set per page by SplitDefinition
    w.U32(0); // next page: likewise
    w.U32(0); // length: patched below
    w.U32(fmt::kTdefMagicValue);
    w.U32(def.rowCount);
    w.U32(def.autoNumber); // last AutoNumber handed out
    w.U32(static_cast<uint32_t>(def.autoIncrement));
    w.Zeros(12);
    w.U8(def.tableType);
    w.U16(def.maxColumns);
    w.U16(def.varColumns);
    w.U16(static_cast<uint16_t>(def.columns.size()));
    w.U32(static_cast<uint32_t>(def.logicalIndexes.size()));
    w.U32(static_cast<uint32_t>(def.realIndexes.size()));
    w.U32(def.ownedMap);
    w.U32(def.freeMap);

    for (const auto& ix : def.realIndexes) {
        w.U32(0);
        w.U32(ix.uniqueEntryCount);
        w.U32(0);
    }
    for (const auto& c : def.columns)
        WriteColumn(w, c);
    for (const auto& c : def.columns)
        w.Name(c.name);
    for (const auto& ix : def.realIndexes)
        WriteRealIndex(w, ix);
    for (const auto& li : def.logicalIndexes)
        WriteLogicalIndex(w, li);
    for (const auto& li : def.logicalIndexes)
        w.Name(li.name);
    for (const auto& m : def.longValueMaps) {
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
