// The write side of Table: adding and replacing rows with their long values,
// usage maps, indexes and definition counters.
//
// Every row write has the same shape. First everything that can refuse the
// row is checked with nothing changed: each value against its column (the
// row codec), the row's size, null rules and unique keys of every index.
// Then the change runs as one unit under a RowWriteGuard: long values, the
// row on a data page, each index entry, the definition's counters. From
// there on only the file can fail, and a failure puts every page back.
#include "table/Table.h"

#include "index/IndexKey.h"
#include "page/DataPage.h"
#include "table/Text.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <set>

namespace jet {
namespace {

// Long values up to this size stay in the row when it has room, as Access
// keeps them: a short memo then costs no page of its own.
constexpr uint32_t kInlineLimit = 64;
// The largest long value stored as one row on a shared long-value page;
// longer ones are chained over pages of their own.
constexpr uint32_t kSingleRowLimit = 3816;
// One piece of a chained value: what a page of its own holds next to its
// header, its slot and the 4-byte pointer to the next piece, as Access
// writes it.
constexpr uint32_t kChainPiece = 4072;
// Access stores memo text compressed only up to this many characters.
constexpr size_t kCompressibleMemoChars = 1024;

Status TypeMismatch(const ColumnDef& column)
{
    return Errors::TypeMismatch(Utf16ToUtf8(column.name));
}

// A data page with no rows. `owner` is the table's definition page, or
// kLongValueOwner for a page of long values, which belong to no table row
// scan (readers skip them by that owner).
Page EmptyDataPage(uint32_t owner)
{
    Page p{};
    p[0] = static_cast<uint8_t>(fmt::PageType::kData);
    p[1] = 0x01;
    StoreU16(p.data() + fmt::kDataFreeSpace, static_cast<uint16_t>(fmt::kEmptyDataFree));
    StoreU32(p.data() + fmt::kDataOwner, owner);
    return p;
}

// The name an error gives for a real index: that of its first logical
// index (several logical indexes may share one real index).
std::u16string IndexName(const TableDef& def, size_t realIndex)
{
    for (const auto& li : def.logicalIndexes) {
        if (li.realIndex == realIndex)
            return li.name;
    }
    return u"#" + Utf8ToUtf16(std::to_string(realIndex));
}

} // namespace

const std::vector<bool>& Table::KeyColumns()
{
    if (m_keyColumns.size() != m_def.columns.size()) {
        m_keyColumns.assign(m_def.columns.size(), false);
        for (const auto& ix : m_def.realIndexes) {
            for (const auto& kc : ix.columns) {
                for (size_t i = 0; i < m_def.columns.size(); ++i)
                    m_keyColumns[i] = m_keyColumns[i] || m_def.columns[i].number == kc.columnNumber;
            }
        }
    }
    return m_keyColumns;
}

Status Table::CheckWritable() const
{
    if (m_allocator == nullptr || m_pager.IsReadOnly())
        return Errors::ReadOnly();
    return Status::OK();
}

// The bytes a long value stores: OLE as given, Memo as text, compressed
// only while it is short. A value long enough to need a chain of pages is
// stored uncompressed.
Result<std::vector<uint8_t>> Table::LongValueData(const ColumnDef& column, const Value& value) const
{
    if (column.type == ColumnType::kOle)
        return value.As<Bytes>();
    const auto& text = value.As<std::u16string>();
    std::vector<uint8_t> data = EncodeText(text, column.IsCompressible() && text.size() <= kCompressibleMemoChars);
    if (data.size() > kSingleRowLimit && !data.empty() && data[0] == 0xFF)
        data = EncodeText(text, false); // a chained value is never stored compressed
    if (data.empty() && !text.empty())
        return TypeMismatch(column);
    return data;
}

// A long value's descriptor is a placeholder of its final size here: where
// the value goes (in the row or on pages of its own) depends on the rest of
// the row, and it is written only once the whole row has been checked.
Status Table::EncodeField(size_t column, const Value& value, FieldBytes& field, std::vector<LongValuePlan>& plans) const
{
    const ColumnDef& c = m_def.columns[column];
    if (c.IsLongValue()) {
        if (value.IsNull())
            return Status::OK();
        auto data = LongValueData(c, value);
        if (!data.ok())
            return data.status();
        field.present = true;
        field.bytes.assign(fmt::kLongValueDescriptorSize, 0);
        plans.push_back({column, std::move(data).value(), false});
        return Status::OK();
    }
    auto encoded = EncodeValue(c, value);
    if (!encoded.ok())
        return encoded.status();
    field = std::move(encoded).value();
    return Status::OK();
}

Status Table::PlanRowLayout(const std::vector<FieldBytes>& fields, std::vector<LongValuePlan>& plans) const
{
    const size_t baseSize = EncodedRowSize(m_def.columns, m_def.varColumns, fields, m_byVarIndex);
    PlanLongValues(plans, baseSize);
    size_t size = baseSize;
    for (const auto& p : plans)
        size += p.isInline ? p.data.size() : 0;
    return size > fmt::kMaxRowSize ? Errors::RecordTooLarge() : Status::OK();
}

// Short long values stay in the row, in column order, while the row still
// fits a page; the rest go to long-value pages. A short memo then costs no
// page of its own.
void Table::PlanLongValues(std::vector<LongValuePlan>& plans, size_t fixedPart) const
{
    size_t size = fixedPart;
    for (auto& p : plans) {
        if (p.data.size() <= kInlineLimit && size + p.data.size() <= fmt::kMaxRowSize) {
            p.isInline = true;
            size += p.data.size();
        }
    }
}

std::vector<Value> Table::IndexKeyValues(const RealIndexDef& index, const RowValues& values) const
{
    std::vector<Value> keyValues;
    for (const auto& kc : index.columns) {
        size_t position = 0;
        while (position < m_def.columns.size() && m_def.columns[position].number != kc.columnNumber)
            ++position;
        keyValues.push_back(position < values.size() ? values[position] : Value());
    }
    return keyValues;
}

// The key the row will have in each index, or none where the index leaves
// the row out (ignore-nulls). Refuses the row when a required or primary
// key column is null, or when a unique index already holds the key for
// another row (`self`, when replacing, may hold it). A key whose columns
// are all null collides with nothing, even in a unique index.
Status Table::CheckIndexes(const RowValues& values, std::optional<RowId> self,
                           std::vector<std::optional<std::vector<uint8_t>>>& keys)
{
    keys.assign(m_def.realIndexes.size(), std::nullopt);
    for (size_t i = 0; i < m_def.realIndexes.size(); ++i) {
        const RealIndexDef& ix = m_def.realIndexes[i];
        const std::vector<Value> keyValues = IndexKeyValues(ix, values);
        const bool anyNull = std::any_of(keyValues.begin(), keyValues.end(), [](const Value& v) { return v.IsNull(); });
        bool primary = false;
        for (const auto& li : m_def.logicalIndexes)
            primary = primary || (li.realIndex == i && li.IsPrimaryKey());
        const IndexNullRule rule = ClassifyNulls(ix, keyValues);
        if (rule == IndexNullRule::kReject || (primary && anyNull))
            return Errors::NullInIndex(Utf16ToUtf8(IndexName(m_def, i)));
        if (rule == IndexNullRule::kSkip)
            continue;
        auto key = EncodeIndexKey(ix.columns, keyValues);
        if (!key.ok())
            return key.status();
        if (m_def.IsUniqueIndex(i) && !IsExemptFromUnique(keyValues)) {
            auto found = IndexTree(i).FindFirst(*key);
            if (!found.ok())
                return found.status();
            if (*found && (!self || **found != *self))
                return Errors::DuplicateKey(Utf16ToUtf8(IndexName(m_def, i)));
        }
        keys[i] = std::move(key).value();
    }
    return Status::OK();
}

// A fresh page for rows or long values, listed in the owner's usage maps.
// The page allocator has already marked it used in the global map.
Result<PageNumber> Table::NewDataPage(uint32_t owner, std::optional<MapLocation> ownedMap,
                                      std::optional<MapLocation> freeMap)
{
    auto page = m_allocator->AllocatePage(EmptyDataPage(owner));
    if (!page.ok())
        return page.status();
    if (ownedMap)
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, *ownedMap, *page, true));
    if (freeMap) {
        // The free-space map only names the page new rows go to.
        JET_RETURN_IF_ERROR(ClearMap(m_pager, *freeMap));
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, *freeMap, *page, true));
    }
    return page;
}

// The reverse of NewDataPage: out of the owner's maps first, so that no map
// ever names a page the global map calls free.
Status Table::ReleasePage(PageNumber page, std::optional<MapLocation> ownedMap, std::optional<MapLocation> freeMap)
{
    if (ownedMap)
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, *ownedMap, page, false));
    if (freeMap)
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, *freeMap, page, false));
    return m_allocator->ReleasePage(page);
}

// Finds room for a row: the page the last row went to, then a few of the
// pages the free-space map names (a page found full leaves the map, so the
// search stays short), then a new page. `avoid` keeps a moved row off the
// page it is leaving.
Result<RowId> Table::PlaceRow(const std::vector<uint8_t>& row, uint16_t flags, std::optional<PageNumber> avoid)
{
    auto pages = DataPages();
    if (!pages.ok())
        return pages.status();
    auto tryPage = [&](PageNumber n) -> Result<std::optional<RowId>> {
        if (avoid && *avoid == n)
            return std::optional<RowId>();
        auto view = m_pager.View(n);
        if (!view.ok())
            return view.status();
        if (!OwnsPage(**view, m_def.tdefPage) || DataPageFreeSpace(**view) < row.size() + 2
            || LoadU16((**view).data() + fmt::kDataRowCount) >= fmt::kMaxSlots)
            return std::optional<RowId>();
        auto page = m_pager.Modify(n);
        if (!page.ok())
            return page.status();
        auto slot = AppendRow(**page, row, flags);
        if (!slot)
            return std::optional<RowId>();
        return std::optional<RowId>(RowId{n, static_cast<uint8_t>(*slot)});
    };
    if (m_insertPage) {
        auto placed = tryPage(*m_insertPage);
        if (!placed.ok() || *placed)
            return placed.ok() ? Result<RowId>(**placed) : Result<RowId>(placed.status());
    }
    // The free-space map's pages, newest first; a few tries at most.
    const MapLocation freeMap = MapLocation::FromPointer(m_def.freeMap);
    auto candidates = ReadUsageMap(m_pager, freeMap, m_pager.PageCount());
    if (!candidates.ok())
        return candidates.status();
    int tries = 0;
    for (auto it = candidates->rbegin(); it != candidates->rend() && tries < 4; ++it, ++tries) {
        if (!std::binary_search((*pages)->begin(), (*pages)->end(), *it))
            continue;
        auto placed = tryPage(*it);
        if (!placed.ok())
            return placed.status();
        if (*placed) {
            m_insertPage = *it;
            return **placed;
        }
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, freeMap, *it, false));
    }
    auto fresh = NewDataPage(m_def.tdefPage, MapLocation::FromPointer(m_def.ownedMap), freeMap);
    if (!fresh.ok())
        return fresh.status();
    m_pages.insert(std::upper_bound(m_pages.begin(), m_pages.end(), *fresh), *fresh);
    m_pagesAdded.push_back(*fresh);
    m_insertPage = *fresh;
    auto placed = tryPage(*fresh);
    if (!placed.ok())
        return placed.status();
    if (!*placed)
        return Errors::RecordTooLarge();
    return **placed;
}

// Stores a long value and returns its 12-byte descriptor: the length with
// the kind in its top bits, then a row pointer (and, inline, the bytes
// themselves). Three kinds, as Access writes them: inline in the row; one
// row on a long-value page shared with other values of the column; or a
// chain of pages of its own.
Result<std::vector<uint8_t>> Table::WriteLongValue(const ColumnDef& column, const std::vector<uint8_t>& data,
                                                   bool isInline)
{
    std::vector<uint8_t> descriptor(fmt::kLongValueDescriptorSize, 0);
    const uint32_t length = static_cast<uint32_t>(data.size());
    if (isInline) {
        StoreU32(descriptor.data(), length | fmt::kLongValueInline);
        descriptor.insert(descriptor.end(), data.begin(), data.end());
        return descriptor;
    }
    const LongValueMaps* maps = m_def.MapsOfColumn(column.number);
    if (maps == nullptr)
        return Errors::CorruptPage(m_def.tdefPage, "long-value column without usage maps");
    const MapLocation owned = MapLocation::FromPointer(maps->ownedMap);
    const std::optional<MapLocation> freeMap =
        maps->freeMap != 0 ? std::optional<MapLocation>(MapLocation::FromPointer(maps->freeMap)) : std::nullopt;

    if (length <= kSingleRowLimit) {
        std::optional<RowId> placed;
        auto hint = m_longValuePage.find(column.number);
        if (hint != m_longValuePage.end()) {
            auto page = m_pager.Modify(hint->second);
            if (!page.ok())
                return page.status();
            if (IsDataPage(**page) && LoadU32((**page).data() + fmt::kDataOwner) == fmt::kLongValueOwner) {
                if (auto slot = AppendRow(**page, data))
                    placed = RowId{hint->second, static_cast<uint8_t>(*slot)};
            }
        }
        if (!placed) {
            auto fresh = NewDataPage(fmt::kLongValueOwner, owned, freeMap);
            if (!fresh.ok())
                return fresh.status();
            m_longValuePage[column.number] = *fresh;
            auto page = m_pager.Modify(*fresh);
            if (!page.ok())
                return page.status();
            auto slot = AppendRow(**page, data);
            if (!slot)
                return Errors::RecordTooLarge();
            placed = RowId{*fresh, static_cast<uint8_t>(*slot)};
        }
        StoreU32(descriptor.data(), length | fmt::kLongValueSingle);
        StoreU32(descriptor.data() + 4, (placed->page << 8) | placed->row);
        return descriptor;
    }

    // A chain of pieces, one fresh page each, written last to first so each
    // piece knows its successor. The chain stamp is zero in the descriptor
    // and on the first page.
    const size_t pieces = (data.size() + kChainPiece - 1) / kChainPiece;
    uint32_t next = 0;
    for (size_t k = pieces; k-- > 0;) {
        const size_t begin = k * kChainPiece;
        const size_t end = std::min(data.size(), begin + kChainPiece);
        std::vector<uint8_t> row(4 + (end - begin));
        StoreU32(row.data(), next);
        std::copy(data.begin() + static_cast<long>(begin), data.begin() + static_cast<long>(end), row.begin() + 4);
        Page page = EmptyDataPage(fmt::kLongValueOwner);
        if (!AppendRow(page, row))
            return Errors::RecordTooLarge();
        auto allocated = m_allocator->AllocatePage(page);
        if (!allocated.ok())
            return allocated.status();
        JET_RETURN_IF_ERROR(SetMapPage(*m_allocator, owned, *allocated, true));
        next = *allocated << 8;
    }
    StoreU32(descriptor.data(), length);
    StoreU32(descriptor.data() + 4, next);
    return descriptor;
}

// Gives back what a long value held: its row on a shared page, or every
// page of its chain. The chain is followed with a set of visited pointers,
// so a damaged file with a loop cannot keep us here.
Status Table::FreeLongValue(const ColumnDef& column, ByteView descriptor)
{
    if (descriptor.size() < fmt::kLongValueDescriptorSize)
        return Status::OK();
    const uint32_t word = LoadU32(descriptor.data());
    const uint32_t kind = word & ~fmt::kLongValueLengthMask;
    if (kind == fmt::kLongValueInline)
        return Status::OK();
    const LongValueMaps* maps = m_def.MapsOfColumn(column.number);
    if (maps == nullptr)
        return Status::OK();
    const MapLocation owned = MapLocation::FromPointer(maps->ownedMap);
    const std::optional<MapLocation> freeMap =
        maps->freeMap != 0 ? std::optional<MapLocation>(MapLocation::FromPointer(maps->freeMap)) : std::nullopt;
    uint32_t pointer = LoadU32(descriptor.data() + 4);
    std::set<uint32_t> visited;
    while (pointer != 0 && visited.insert(pointer).second) {
        const PageNumber n = RowPointerPage(pointer);
        const uint16_t row = RowPointerRow(pointer);
        if (n == 0 || n >= m_pager.PageCount())
            return Errors::CorruptPage(n, "long-value pointer out of range");
        auto view = m_pager.View(n);
        if (!view.ok())
            return view.status();
        if (!IsDataPage(**view) || LoadU32((**view).data() + fmt::kDataOwner) != fmt::kLongValueOwner)
            return Errors::CorruptPage(n, "long value is not on a long-value page");
        auto slot = DataPageSlot(**view, n, row);
        if (!slot.ok())
            return slot.status();
        uint32_t next = 0;
        if (kind == 0 && slot->length() >= 4)
            next = LoadU32((**view).data() + slot->start);
        const uint16_t slots = LoadU16((**view).data() + fmt::kDataRowCount);
        if (kind == 0 && slots == 1) {
            // A chain page holds only its piece: the whole page is given back.
            m_longValuePage.erase(column.number);
            JET_RETURN_IF_ERROR(ReleasePage(n, owned, freeMap));
        } else {
            auto page = m_pager.Modify(n);
            if (!page.ok())
                return page.status();
            RepackDataPage(**page, SlotChange{row, std::nullopt, fmt::kSlotDeleted});
        }
        if (kind == fmt::kLongValueSingle)
            break;
        pointer = next;
    }
    return Status::OK();
}

Status Table::StoreDefinitionCounters(uint32_t rowCount, uint32_t autoNumber, const std::vector<uint32_t>& uniqueCounts)
{
    // Most replaced rows change no counter: the definition page is then left
    // as it is rather than rewritten with the same bytes.
    auto current = m_pager.View(m_def.tdefPage);
    if (!current.ok())
        return current.status();
    const uint8_t* now = (**current).data();
    bool same = LoadU32(now + fmt::kTdefRowCount) == rowCount && LoadU32(now + fmt::kTdefAutoNumber) == autoNumber;
    for (size_t i = 0; same && i < uniqueCounts.size(); ++i) {
        const size_t at = m_def.statsOffset + fmt::kStatsBlockSize * i + 4;
        same = at + 4 > kPageSize || LoadU32(now + at) == uniqueCounts[i];
    }
    if (same)
        return Status::OK();
    auto page = m_pager.Modify(m_def.tdefPage);
    if (!page.ok())
        return page.status();
    uint8_t* p = (**page).data();
    StoreU32(p + fmt::kTdefRowCount, rowCount);
    StoreU32(p + fmt::kTdefAutoNumber, autoNumber);
    for (size_t i = 0; i < uniqueCounts.size(); ++i) {
        const size_t at = m_def.statsOffset + fmt::kStatsBlockSize * i + 4;
        if (at + 4 <= kPageSize)
            StoreU32(p + at, uniqueCounts[i]);
    }
    return Status::OK();
}

void Table::ForgetAddedPages()
{
    for (PageNumber page : m_pagesAdded) {
        auto it = std::lower_bound(m_pages.begin(), m_pages.end(), page);
        if (it != m_pages.end() && *it == page)
            m_pages.erase(it);
    }
    m_pagesAdded.clear();
}

// One row write as a unit: the pager's change and the table's own notes of
// where rows and long values go. Unless Commit() is called, leaving the
// scope puts the pages back and forgets the notes, so a write that fails
// half-way leaves the table as it was.
class Table::RowWriteGuard {
public:
    explicit RowWriteGuard(Table& table)
        : m_table(table)
        , m_insertPage(table.m_insertPage)
        , m_longValuePage(table.m_longValuePage)
    {
        m_table.m_pagesAdded.clear();
    }
    RowWriteGuard(const RowWriteGuard&) = delete;
    RowWriteGuard& operator=(const RowWriteGuard&) = delete;

    ~RowWriteGuard()
    {
        if (m_committed)
            return;
        m_table.m_allocator->RollbackChange();
        m_table.ForgetAddedPages();
        m_table.m_insertPage = m_insertPage;
        m_table.m_longValuePage = std::move(m_longValuePage);
    }

    // Starts the change (which may first commit the transaction before it).
    Status Begin() { return m_table.m_allocator->BeginChange(); }

    void Commit()
    {
        m_table.m_allocator->CommitChange();
        m_committed = true;
    }

private:
    Table& m_table;
    std::optional<PageNumber> m_insertPage;
    std::map<uint16_t, PageNumber> m_longValuePage;
    bool m_committed = false;
};

Status Table::WriteLongValues(const std::vector<LongValuePlan>& plans, std::vector<FieldBytes>& fields)
{
    for (const auto& p : plans) {
        auto descriptor = WriteLongValue(m_def.columns[p.column], p.data, p.isInline);
        if (!descriptor.ok())
            return descriptor.status();
        fields[p.column].bytes = std::move(descriptor).value();
    }
    return Status::OK();
}

// Index entries change only where the key bytes do, which for most
// replaced rows is no index at all. The count of distinct keys in each
// index's statistics goes up with a new key; a removal leaves it, so it
// never claims fewer distinct keys than the index may hold.
Status Table::UpdateIndexes(RowId id, const IndexKeys& oldKeys, const IndexKeys& newKeys, uint32_t rowCount,
                            uint32_t autoNumber)
{
    std::vector<uint32_t> uniqueCounts;
    for (size_t i = 0; i < m_def.realIndexes.size(); ++i) {
        uint32_t count = m_def.realIndexes[i].uniqueEntryCount;
        if (oldKeys[i] != newKeys[i]) {
            if (oldKeys[i])
                JET_RETURN_IF_ERROR(IndexTree(i).Remove(*oldKeys[i], id));
            if (newKeys[i]) {
                bool keyWasNew = false;
                JET_RETURN_IF_ERROR(IndexTree(i).Insert(*newKeys[i], id, &keyWasNew));
                count += keyWasNew ? 1 : 0;
            }
        }
        uniqueCounts.push_back(count);
    }
    JET_RETURN_IF_ERROR(StoreDefinitionCounters(rowCount, autoNumber, uniqueCounts));
    for (size_t i = 0; i < uniqueCounts.size(); ++i)
        m_def.realIndexes[i].uniqueEntryCount = uniqueCounts[i];
    return Status::OK();
}

// AutoNumber columns left null get the next number after the highest one
// handed out; a value given explicitly moves that mark up.
Result<RowId> Table::InsertRow(RowValues values)
{
    JET_RETURN_IF_ERROR(CheckWritable());
    if (values.size() != m_def.columns.size())
        return Status::InvalidArgument("wrong number of values for the row");

    uint32_t autoNumber = m_def.autoNumber;
    std::vector<FieldBytes> fields(m_def.columns.size());
    std::vector<LongValuePlan> plans;
    for (size_t i = 0; i < m_def.columns.size(); ++i) {
        const ColumnDef& c = m_def.columns[i];
        if (c.IsAutoNumber() && c.type == ColumnType::kLong) {
            if (values[i].IsNull()) {
                const int64_t next = static_cast<int64_t>(static_cast<int32_t>(autoNumber)) + m_def.autoIncrement;
                if (next > INT32_MAX || next < INT32_MIN)
                    return Errors::AutoNumberExhausted();
                values[i] = Value(static_cast<int32_t>(next));
            }
        } else if ((c.flags & fmt::kColFlagAutoGuid) != 0 && c.type == ColumnType::kGuid && values[i].IsNull()) {
            static std::mt19937_64 rng{std::random_device{}()};
            Guid g;
            for (size_t k = 0; k < 16; k += 8)
                StoreU64(g.bytes.data() + k, rng());
            g.bytes[7] = static_cast<uint8_t>((g.bytes[7] & 0x0F) | 0x40);
            g.bytes[8] = static_cast<uint8_t>((g.bytes[8] & 0x3F) | 0x80);
            values[i] = Value(g);
        }
        auto coerced = CoerceValue(c, values[i]);
        if (!coerced.ok())
            return coerced.status();
        values[i] = std::move(coerced).value();
        if (c.IsAutoNumber() && c.type == ColumnType::kLong && values[i].Is<int32_t>()
            && values[i].As<int32_t>() > static_cast<int32_t>(autoNumber))
            autoNumber = static_cast<uint32_t>(values[i].As<int32_t>());
        JET_RETURN_IF_ERROR(EncodeField(i, values[i], fields[i], plans));
    }
    JET_RETURN_IF_ERROR(PlanRowLayout(fields, plans));

    IndexKeys keys;
    JET_RETURN_IF_ERROR(CheckIndexes(values, std::nullopt, keys));

    // Everything is checked: from here on a failure can only come from the
    // file, and the change is rolled back as a whole.
    RowWriteGuard guard(*this);
    JET_RETURN_IF_ERROR(guard.Begin());
    JET_RETURN_IF_ERROR(WriteLongValues(plans, fields));
    auto id = PlaceRow(EncodeRow(fields), 0, std::nullopt);
    if (!id.ok())
        return id;
    JET_RETURN_IF_ERROR(UpdateIndexes(*id, IndexKeys(keys.size()), keys, m_def.rowCount + 1, autoNumber));
    guard.Commit();
    m_def.rowCount += 1;
    m_def.autoNumber = autoNumber;
    return id;
}

// What ReplaceRow works from: the row's current values where they are
// needed, the stored bytes of the columns it keeps, and the long values it
// gives up.
struct Table::RowChange {
    std::vector<bool> changed;                        // per column
    RowValues values;                                 // new values of changed and key columns
    RowValues oldValues;                              // old values of key columns
    std::vector<FieldBytes> fields;                   // the row's stored form, changed columns encoded
    std::vector<std::vector<uint8_t>> oldDescriptors; // long values the row holds now
    std::vector<LongValuePlan> plans;
};

Status Table::TakeChanges(const std::vector<std::pair<size_t, Value>>& changes, RowChange& r) const
{
    r.changed.assign(m_def.columns.size(), false);
    r.values.assign(m_def.columns.size(), Value());
    for (const auto& [position, value] : changes) {
        if (position >= m_def.columns.size())
            return Status::InvalidArgument("no such column");
        const ColumnDef& c = m_def.columns[position];
        if (c.IsAutoNumber() || (c.flags & fmt::kColFlagAutoGuid) != 0)
            return Errors::FieldNotUpdatable(Utf16ToUtf8(c.name));
        auto coerced = CoerceValue(c, value);
        if (!coerced.ok())
            return coerced.status();
        r.values[position] = std::move(coerced).value();
        r.changed[position] = true;
    }
    return Status::OK();
}

Status Table::EncodeChange(const LoadedRow& row, RowChange& r)
{
    // Old values are decoded only for key columns (long values only when
    // they are keys): the others keep their stored bytes unread.
    const std::vector<bool>& isKey = KeyColumns();
    r.oldValues.assign(m_def.columns.size(), Value());
    r.fields.assign(m_def.columns.size(), FieldBytes());
    r.oldDescriptors.assign(m_def.columns.size(), {});
    for (size_t i = 0; i < m_def.columns.size(); ++i) {
        const ColumnDef& c = m_def.columns[i];
        auto located = LocateField(m_def, row.layout, c, row.dataAt.page);
        if (!located.ok())
            return located.status();
        if (isKey[i]) {
            auto old = DecodeField(m_pager, c, *located, row.dataAt.page);
            if (!old.ok())
                return old.status();
            r.oldValues[i] = std::move(old).value();
            if (!r.changed[i])
                r.values[i] = r.oldValues[i];
        }
        if (c.IsLongValue() && located->present)
            r.oldDescriptors[i].assign(located->data.begin(), located->data.end());
        if (!r.changed[i]) {
            r.fields[i].present = located->present;
            r.fields[i].bytes.assign(located->data.begin(), located->data.end());
            continue;
        }
        JET_RETURN_IF_ERROR(EncodeField(i, r.values[i], r.fields[i], r.plans));
    }
    return PlanRowLayout(r.fields, r.plans);
}

Status Table::OldIndexKeys(const RowChange& r, const IndexKeys& newKeys, IndexKeys& oldKeys) const
{
    oldKeys.assign(m_def.realIndexes.size(), std::nullopt);
    for (size_t i = 0; i < m_def.realIndexes.size(); ++i) {
        const RealIndexDef& ix = m_def.realIndexes[i];
        // Key columns left alone hold their old values: the old key is the new one.
        const bool keyChanged = std::any_of(ix.columns.begin(), ix.columns.end(), [&](const IndexKeyColumn& kc) {
            const ColumnDef* column = m_def.ColumnByNumber(kc.columnNumber);
            return column == nullptr || r.changed[static_cast<size_t>(column - m_def.columns.data())];
        });
        if (!keyChanged) {
            oldKeys[i] = newKeys[i];
            continue;
        }
        const std::vector<Value> keyValues = IndexKeyValues(ix, r.oldValues);
        if (ClassifyNulls(ix, keyValues) == IndexNullRule::kSkip)
            continue;
        auto key = EncodeIndexKey(ix.columns, keyValues);
        if (!key.ok())
            return key.status();
        oldKeys[i] = std::move(key).value();
    }
    return Status::OK();
}

Status Table::StoreReplacedRow(RowId id, RowId at, std::vector<uint8_t>& bytes)
{
    auto page = m_pager.Modify(at.page);
    if (!page.ok())
        return page.status();
    auto slot = DataPageSlot(**page, at.page, at.row);
    if (!slot.ok())
        return slot.status();
    if (bytes.size() <= slot->length()) {
        // Same place: padded to the old length, the page's other rows stay put.
        PadRow(bytes, m_def.varColumns > 0, slot->length());
        std::copy(bytes.begin(), bytes.end(), (**page).begin() + slot->start);
        return Status::OK();
    }
    if (RepackDataPage(**page, SlotChange{at.row, ByteView(bytes), std::nullopt}))
        return Status::OK();
    // No room on its page: the data moves and the row's own slot points to
    // it, so index entries keep naming the row.
    auto target = PlaceRow(bytes, fmt::kSlotHidden, at.page);
    if (!target.ok())
        return target.status();
    std::vector<uint8_t> pointer(4);
    StoreU32(pointer.data(), (target->page << 8) | target->row);
    auto own = m_pager.Modify(id.page);
    if (!own.ok())
        return own.status();
    if (!RepackDataPage(**own, SlotChange{id.row, ByteView(pointer), fmt::kSlotOverflow}))
        return Errors::CorruptPage(id.page, "cannot store an overflow pointer");
    if (at != id) {
        // The row had moved before: its previous hidden copy goes.
        auto old = m_pager.Modify(at.page);
        if (!old.ok())
            return old.status();
        RepackDataPage(**old, SlotChange{at.row, std::nullopt, fmt::kSlotDeleted});
    }
    return Status::OK();
}

Status Table::ReplaceRow(RowId id, const std::vector<std::pair<size_t, Value>>& changes)
{
    JET_RETURN_IF_ERROR(CheckWritable());
    LoadedRow& row = m_writeRow;
    JET_RETURN_IF_ERROR(LoadRow(id, row));
    RowChange r;
    JET_RETURN_IF_ERROR(TakeChanges(changes, r));
    JET_RETURN_IF_ERROR(EncodeChange(row, r));

    // Index entries whose key bytes change.
    IndexKeys newKeys;
    JET_RETURN_IF_ERROR(CheckIndexes(r.values, id, newKeys));
    IndexKeys oldKeys;
    JET_RETURN_IF_ERROR(OldIndexKeys(r, newKeys, oldKeys));

    RowWriteGuard guard(*this);
    JET_RETURN_IF_ERROR(guard.Begin());
    JET_RETURN_IF_ERROR(WriteLongValues(r.plans, r.fields));
    for (size_t i = 0; i < m_def.columns.size(); ++i) {
        if (r.changed[i] && !r.oldDescriptors[i].empty())
            JET_RETURN_IF_ERROR(FreeLongValue(m_def.columns[i], r.oldDescriptors[i]));
    }
    std::vector<uint8_t> bytes = EncodeRow(r.fields);
    JET_RETURN_IF_ERROR(StoreReplacedRow(id, row.dataAt, bytes));
    JET_RETURN_IF_ERROR(UpdateIndexes(id, oldKeys, newKeys, m_def.rowCount, m_def.autoNumber));
    guard.Commit();
    return Status::OK();
}

} // namespace jet
