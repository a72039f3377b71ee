#include "create/TableCreator.h"

#include "create/NewDatabase.h"
#include "create/PageBuilder.h"
#include "create/SystemTables.h"
#include "db/DatabaseImpl.h"
#include "index/BTree.h"
#include "index/IndexKey.h"
#include "page/DataPage.h"
#include "table/RowCursor.h"
#include "table/Table.h"
#include "table/TableDef.h"
#include "util/FormatConstants.h"

#include <algorithm>
#include <functional>

namespace jet {
namespace {

constexpr size_t kMaxNameLength = 64;
constexpr size_t kMaxColumns = 255;
constexpr size_t kMaxIndexes = 32;
constexpr uint16_t kMaxTextLength = 255;
constexpr uint16_t kMaxBinaryLength = 510;
constexpr uint8_t kMaxDecimalPrecision = 28;
// A usage-map holder page takes this many 69-byte records (with their slots).
constexpr uint32_t kRecordsPerHolder = fmt::kEmptyDataFree / (fmt::kMapRecordSize + 2);

Status Refuse(const std::string& text)
{
    return Status::InvalidArgument(text);
}

std::string Quoted(std::u16string_view name)
{
    return "'" + Utf16ToUtf8(name) + "'";
}

bool SupportedType(ColumnType type)
{
    switch (type) {
    case ColumnType::kBoolean:
    case ColumnType::kByte:
    case ColumnType::kInteger:
    case ColumnType::kLong:
    case ColumnType::kCurrency:
    case ColumnType::kSingle:
    case ColumnType::kDouble:
    case ColumnType::kDateTime:
    case ColumnType::kBinary:
    case ColumnType::kText:
    case ColumnType::kOle:
    case ColumnType::kMemo:
    case ColumnType::kGuid:
    case ColumnType::kNumeric: return true;
    }
    return false;
}

Result<ColumnDef> PrepareColumn(const ColumnSpec& design)
{
    ColumnDef c;
    c.name = Utf8ToUtf16(design.name);
    JET_RETURN_IF_ERROR(CheckObjectName(c.name, "field"));
    if (!SupportedType(design.type))
        return Refuse("Field " + Quoted(c.name) + " has a data type the engine cannot create.");
    c.type = design.type;
    c.flags = fmt::kColFlagUpdatable;
    if (IsFixedType(design.type))
        c.flags |= fmt::kColFlagFixed;
    switch (design.type) {
    case ColumnType::kText:
        if (design.maxLength < 1 || design.maxLength > kMaxTextLength)
            return Refuse("The size of text field " + Quoted(c.name) + " must be between 1 and 255 characters.");
        c.length = static_cast<uint16_t>(2 * design.maxLength);
        break;
    case ColumnType::kBinary:
        if (design.maxLength < 1 || design.maxLength > kMaxBinaryLength)
            return Refuse("The size of binary field " + Quoted(c.name) + " must be between 1 and 510 bytes.");
        c.length = design.maxLength;
        break;
    case ColumnType::kMemo:
    case ColumnType::kOle: c.length = 0; break;
    case ColumnType::kBoolean: c.length = 1; break;
    case ColumnType::kNumeric:
        if (design.precision < 1 || design.precision > kMaxDecimalPrecision || design.scale > design.precision)
            return Refuse("Decimal field " + Quoted(c.name)
                          + " needs a precision of 1 to 28 and a scale no larger than the precision.");
        c.precision = design.precision;
        c.scale = design.scale;
        c.length = FixedValueSize(design.type);
        break;
    default: c.length = FixedValueSize(design.type); break;
    }
    if (design.autoNumber) {
        if (design.type != ColumnType::kLong)
            return Refuse("Only a Long Integer field can be an AutoNumber field (" + Quoted(c.name) + ").");
        c.flags |= fmt::kColFlagAutoLong;
    }
    if (design.compressedUnicode && (design.type == ColumnType::kText || design.type == ColumnType::kMemo))
        c.extFlags = fmt::kColExtCompressed;
    return c;
}

Result<PreparedIndex> PrepareIndex(const IndexSpec& design, const std::vector<ColumnDef>& columns)
{
    PreparedIndex ix;
    ix.name = Utf8ToUtf16(design.name);
    JET_RETURN_IF_ERROR(CheckObjectName(ix.name, "index"));
    if (design.columns.empty())
        return Refuse("Index " + Quoted(ix.name) + " has no fields.");
    if (design.columns.size() > fmt::kMaxIndexColumns)
        return Refuse("Index " + Quoted(ix.name) + " has more than 10 fields.");
    for (const auto& key : design.columns) {
        const std::u16string name = Utf8ToUtf16(key.column);
        auto it =
            std::find_if(columns.begin(), columns.end(), [&](const ColumnDef& c) { return NamesEqual(c.name, name); });
        if (it == columns.end())
            return Refuse("Index " + Quoted(ix.name) + " names field " + Quoted(name) + ", which the table lacks.");
        for (const auto& earlier : ix.columns) {
            if (earlier.columnNumber == it->number)
                return Refuse("Index " + Quoted(ix.name) + " names field " + Quoted(name) + " twice.");
        }
        // The key encoder cannot order these; an index over them could not be kept.
        if (it->type == ColumnType::kBoolean || it->type == ColumnType::kOle)
            return Refuse("Field " + Quoted(it->name) + " cannot be indexed.");
        if (it->type == ColumnType::kNumeric && !key.ascending)
            return Refuse("Decimal field " + Quoted(it->name) + " cannot be indexed in descending order.");
        IndexKeyColumn column;
        column.columnNumber = it->number;
        column.type = it->type;
        column.ascending = key.ascending;
        ix.columns.push_back(column);
    }
    if (design.primaryKey && design.ignoreNulls)
        return Refuse("Primary key " + Quoted(ix.name) + " cannot ignore nulls.");
    ix.flags = 0x80;
    if (design.unique || design.primaryKey)
        ix.flags |= 0x01;
    if (design.ignoreNulls)
        ix.flags |= 0x02;
    if (design.required || design.primaryKey)
        ix.flags |= 0x08;
    ix.kind = design.primaryKey ? 1 : 0;
    return ix;
}

} // namespace

Status CheckObjectName(std::u16string_view name, std::string_view what)
{
    const std::string kind(what);
    if (name.empty())
        return Refuse("The " + kind + " name is empty.");
    if (name.size() > kMaxNameLength)
        return Refuse("The " + kind + " name " + Quoted(name) + " is longer than 64 characters.");
    if (name.front() == u' ')
        return Refuse("The " + kind + " name " + Quoted(name) + " starts with a space.");
    for (char16_t c : name) {
        if (c < 0x20 || c == 0x7F || c == u'.' || c == u'!' || c == u'`' || c == u'[' || c == u']')
            return Refuse("The " + kind + " name " + Quoted(name) + " contains a character names may not contain.");
    }
    return Status::OK();
}

Result<PreparedTable> PrepareTable(const TableSpec& design)
{
    PreparedTable table;
    table.name = Utf8ToUtf16(design.name);
    JET_RETURN_IF_ERROR(CheckObjectName(table.name, "table"));
    if (table.name.size() >= 4 && NamesEqual(table.name.substr(0, 4), u"MSys"))
        return Refuse("The table name " + Quoted(table.name) + " is reserved for system tables.");
    if (design.columns.empty())
        return Refuse("Table " + Quoted(table.name) + " has no fields.");
    if (design.columns.size() > kMaxColumns)
        return Refuse("Table " + Quoted(table.name) + " has more than 255 fields.");

    bool autoNumberSeen = false;
    for (const auto& columnSpec : design.columns) {
        auto column = PrepareColumn(columnSpec);
        if (!column.ok())
            return column.status();
        for (const auto& earlier : table.columns) {
            if (NamesEqual(earlier.name, column->name))
                return Refuse("Field " + Quoted(column->name) + " is defined more than once.");
        }
        if (columnSpec.autoNumber) {
            if (autoNumberSeen)
                return Refuse("Table " + Quoted(table.name) + " has more than one AutoNumber field.");
            autoNumberSeen = true;
        }
        table.columns.push_back(std::move(column).value());
    }
    table.varColumns = AssignColumnPositions(table.columns);
    for (auto& c : table.columns)
        c.ordinal = c.number;

    // The smallest row (every value null) must fit a data page.
    uint32_t fixedArea = 0;
    for (const auto& c : table.columns) {
        if (c.IsFixed() && c.type != ColumnType::kBoolean)
            fixedArea = std::max<uint32_t>(fixedArea, c.fixedOffset + c.length);
    }
    const uint32_t trailer = (table.varColumns > 0 ? 4u + 2u * table.varColumns : 0u) + (table.columns.size() + 7) / 8;
    if (2 + fixedArea + trailer > fmt::kMaxRowSize)
        return Refuse("The fields of table " + Quoted(table.name) + " do not fit in one record.");

    if (design.indexes.size() > kMaxIndexes)
        return Refuse("Table " + Quoted(table.name) + " has more than 32 indexes.");
    bool primarySeen = false;
    for (const auto& indexSpec : design.indexes) {
        auto index = PrepareIndex(indexSpec, table.columns);
        if (!index.ok())
            return index.status();
        for (const auto& earlier : table.indexes) {
            if (NamesEqual(earlier.name, index->name))
                return Refuse("Index " + Quoted(index->name) + " is defined more than once.");
        }
        if (indexSpec.primaryKey) {
            if (primarySeen)
                return Refuse("Table " + Quoted(table.name) + " has more than one primary key.");
            primarySeen = true;
        }
        table.indexes.push_back(std::move(index).value());
    }
    return table;
}

namespace {

// The definition of `table` with its usage maps in `holders` and its index
// roots in `roots`; with both empty the page references are zero, which is
// enough to measure it.
TableDef LayOutDefinition(const PreparedTable& table, const std::vector<PageNumber>& holders, uint32_t& recordCount,
                          const std::vector<PageNumber>& roots)
{
    auto pointer = [&](uint32_t record) -> uint32_t {
        const size_t h = record / kRecordsPerHolder;
        const PageNumber page = h < holders.size() ? holders[h] : 0;
        return (page << 8) | (record % kRecordsPerHolder);
    };
    TableDef layout;
    layout.tableType = 0x4E; // 'N'
    layout.maxColumns = static_cast<uint16_t>(table.columns.size());
    layout.varColumns = table.varColumns;
    layout.columns = table.columns;
    uint32_t record = 0;
    layout.ownedMap = pointer(record++);
    layout.freeMap = pointer(record++);
    for (const auto& c : table.columns) {
        if (!c.IsLongValue())
            continue;
        LongValueMaps m;
        m.columnNumber = c.number;
        m.ownedMap = pointer(record++);
        m.freeMap = pointer(record++);
        layout.longValueMaps.push_back(m);
    }
    for (size_t i = 0; i < table.indexes.size(); ++i) {
        const PreparedIndex& ix = table.indexes[i];
        RealIndexDef real;
        real.columns = ix.columns;
        real.SetUsageMap(pointer(record++));
        real.rootPage = roots.empty() ? 0 : roots[i];
        real.flags = ix.flags;
        layout.realIndexes.push_back(std::move(real));

        LogicalIndexDef logical;
        logical.name = ix.name;
        logical.number = static_cast<uint32_t>(i);
        logical.realIndex = static_cast<uint32_t>(i);
        logical.kind = ix.kind;
        layout.logicalIndexes.push_back(std::move(logical));
    }
    // Access keeps the logical index blocks sorted by name.
    std::stable_sort(layout.logicalIndexes.begin(), layout.logicalIndexes.end(),
                     [](const LogicalIndexDef& a, const LogicalIndexDef& b) { return NameOrderLess(a.name, b.name); });
    recordCount = record;
    return layout;
}

} // namespace

TablePagePlan PlanTablePages(const PreparedTable& table)
{
    uint32_t records = 0;
    const auto layout = LayOutDefinition(table, {}, records, {});
    TablePagePlan plan;
    plan.definitionPages = DefinitionPageCount(EncodeTableDef(layout).size());
    plan.holderPages = (records + kRecordsPerHolder - 1) / kRecordsPerHolder;
    plan.rootPages = static_cast<uint32_t>(table.indexes.size());
    return plan;
}

Result<std::vector<std::pair<PageNumber, Page>>> BuildTablePages(const PreparedTable& table,
                                                                 const std::vector<PageNumber>& allocated)
{
    const TablePagePlan plan = PlanTablePages(table);
    if (allocated.size() != plan.Total())
        return Status::InvalidArgument("wrong number of pages for the new table");
    const std::vector<PageNumber> definitionPages(allocated.begin(), allocated.begin() + plan.definitionPages);
    const std::vector<PageNumber> holderPages(allocated.begin() + plan.definitionPages,
                                              allocated.begin() + plan.definitionPages + plan.holderPages);
    const std::vector<PageNumber> rootPages(allocated.begin() + plan.definitionPages + plan.holderPages,
                                            allocated.end());
    const PageNumber tdef = definitionPages.front();

    uint32_t records = 0;
    const TableDef layout = LayOutDefinition(table, holderPages, records, rootPages);
    std::vector<std::pair<PageNumber, Page>> out;
    const auto stream = EncodeTableDef(layout);
    if (DefinitionPageCount(stream.size()) != definitionPages.size())
        return Status::InvalidArgument("the definition of the new table changed size");
    const auto split = SplitDefinition(stream, definitionPages);
    for (size_t i = 0; i < split.size(); ++i)
        out.emplace_back(definitionPages[i], split[i]);

    // Holder records in the order LayOutDefinition numbered them. Empty maps
    // start at the window of the definition page, near the pages the table
    // will be given.
    std::vector<std::vector<uint8_t>> recordBytes;
    const PageNumber emptyStart = UsageMapWindowFor(tdef);
    recordBytes.push_back(InlineUsageMap(emptyStart, {}));
    recordBytes.push_back(InlineUsageMap(emptyStart, {}));
    for (size_t i = 0; i < layout.longValueMaps.size(); ++i) {
        recordBytes.push_back(InlineUsageMap(emptyStart, {}));
        recordBytes.push_back(InlineUsageMap(emptyStart, {}));
    }
    for (PageNumber root : rootPages)
        recordBytes.push_back(InlineUsageMap(UsageMapWindowFor(root), {root}));
    for (size_t h = 0; h < holderPages.size(); ++h) {
        DataPageBuilder holder(0);
        for (size_t r = h * kRecordsPerHolder; r < recordBytes.size() && r < (h + 1) * kRecordsPerHolder; ++r)
            holder.Append(recordBytes[r]);
        out.emplace_back(holderPages[h], holder.page());
    }

    for (PageNumber root : rootPages) {
        auto leaf = BuildLeafPage(tdef, {});
        if (!leaf.ok())
            return leaf.status();
        out.emplace_back(root, *leaf);
    }
    return out;
}

} // namespace jet

namespace jet {
namespace {

// Calls `visit` with every live row of a table, in table order.
Status ForEachRow(Table& table, const std::function<Status(const LoadedRow&)>& visit)
{
    RowCursor cursor(table);
    for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next())
        JET_RETURN_IF_ERROR(visit(cursor.row()));
    return cursor.status();
}

// A row of `def`, one value per column in def.columns order, from values by
// column name; columns not named are null.
Result<std::vector<Value>> RowByName(const TableDef& def,
                                     const std::vector<std::pair<std::u16string_view, Value>>& values)
{
    std::vector<Value> row(def.columns.size());
    for (const auto& [name, value] : values) {
        const ColumnDef* c = def.FindColumn(name);
        if (c == nullptr)
            return Errors::CorruptPage(def.tdefPage, "system table lacks column " + Utf16ToUtf8(name));
        row[static_cast<size_t>(c - def.columns.data())] = value;
    }
    return row;
}

Result<Value> ReadNamed(Table& table, const LoadedRow& row, std::u16string_view name)
{
    const ColumnDef* c = table.def().FindColumn(name);
    if (c == nullptr)
        return Errors::CorruptPage(table.def().tdefPage, "system table lacks column " + Utf16ToUtf8(name));
    return table.ReadField(row, *c);
}

// What a new table inherits from the database: the owner of the database
// object and the users and groups holding rights on the Tables container.
struct Inheritance {
    Table* catalog = nullptr;
    Table* aces = nullptr;
    Value owner;
    std::vector<Bytes> containerSids;
};

Result<Inheritance> ReadInheritance(DatabaseImpl& db)
{
    Inheritance out;
    PageNumber aceTable = 0;
    for (const auto& e : db.catalog()) {
        if (e.IsTable() && NamesEqual(e.name, u"MSysACEs") && e.id > 0)
            aceTable = static_cast<PageNumber>(e.id);
    }
    if (aceTable == 0)
        return Status::NotSupported("The database has no permissions table (MSysACEs).");
    auto catalog = db.TableAt(fmt::kCatalogPage, u"MSysObjects");
    if (!catalog.ok())
        return catalog.status();
    auto aces = db.TableAt(aceTable, u"MSysACEs");
    if (!aces.ok())
        return aces.status();
    out.catalog = *catalog;
    out.aces = *aces;

    JET_RETURN_IF_ERROR(ForEachRow(*out.catalog, [&](const LoadedRow& row) -> Status {
        auto id = ReadNamed(*out.catalog, row, u"Id");
        if (!id.ok())
            return id.status();
        if (id->Is<int32_t>() && id->As<int32_t>() == catalog_id::kMSysDb) {
            auto owner = ReadNamed(*out.catalog, row, u"Owner");
            if (!owner.ok())
                return owner.status();
            out.owner = *owner;
        }
        return Status::OK();
    }));
    JET_RETURN_IF_ERROR(ForEachRow(*out.aces, [&](const LoadedRow& row) -> Status {
        auto objectId = ReadNamed(*out.aces, row, u"ObjectId");
        auto sid = ReadNamed(*out.aces, row, u"SID");
        if (!objectId.ok())
            return objectId.status();
        if (!sid.ok())
            return sid.status();
        if (objectId->Is<int32_t>() && objectId->As<int32_t>() == catalog_id::kTables && sid->Is<Bytes>()
            && std::find(out.containerSids.begin(), out.containerSids.end(), sid->As<Bytes>())
                == out.containerSids.end())
            out.containerSids.push_back(sid->As<Bytes>());
        return Status::OK();
    }));
    return out;
}

struct SystemRows {
    std::vector<Value> catalog;
    std::vector<std::vector<Value>> aces;
};

Result<SystemRows> RowsFor(const Inheritance& inherited, const std::u16string& name, PageNumber tdefPage, double now)
{
    SystemRows rows;
    const auto id = static_cast<int32_t>(tdefPage);
    const auto type = static_cast<int16_t>(fmt::kObjectTypeTable);
    auto catalogRow = RowByName(inherited.catalog->def(),
                                {{u"Id", Value(id)},
                                 {u"ParentId", Value(catalog_id::kTables)},
                                 {u"Name", Value(name)},
                                 {u"Type", Value(type)},
                                 {u"DateCreate", Value(DateTime{now})},
                                 {u"DateUpdate", Value(DateTime{now})},
                                 {u"Owner", inherited.owner},
                                 {u"Flags", Value(int32_t{0})}});
    if (!catalogRow.ok())
        return catalogRow.status();
    rows.catalog = std::move(catalogRow).value();
    for (const auto& sid : inherited.containerSids) {
        auto ace = RowByName(inherited.aces->def(),
                             {{u"ObjectId", Value(id)},
                              {u"SID", Value(sid)},
                              {u"ACM", Value(kNewTableAccessMask)},
                              {u"FInheritable", Value(false)}});
        if (!ace.ok())
            return ace.status();
        rows.aces.push_back(std::move(ace).value());
    }
    return rows;
}

// The checks the catalog's indexes will make of the new row, made before the
// table's pages are written: the name must be keyable and free.
Status CheckIndexKeys(Table& table, const std::vector<Value>& row)
{
    const TableDef& def = table.def();
    for (size_t i = 0; i < def.realIndexes.size(); ++i) {
        const RealIndexDef& index = def.realIndexes[i];
        std::vector<Value> keyValues;
        for (const auto& k : index.columns) {
            const ColumnDef* c = def.ColumnByNumber(k.columnNumber);
            if (c == nullptr)
                return Errors::CorruptPage(def.tdefPage, "index names a missing column");
            keyValues.push_back(row[static_cast<size_t>(c - def.columns.data())]);
        }
        const IndexNullRule rule = ClassifyNulls(index, keyValues);
        if (rule == IndexNullRule::kReject)
            return Errors::NullInIndex();
        if (rule == IndexNullRule::kSkip)
            continue;
        auto key = EncodeIndexKey(index.columns, keyValues);
        if (!key.ok())
            return key.status();
        if (!def.IsUniqueIndex(i) || IsExemptFromUnique(keyValues))
            continue;
        auto found = table.IndexTree(i).FindFirst(*key);
        if (!found.ok())
            return found.status();
        if (found->has_value())
            return Errors::DuplicateKey();
    }
    return Status::OK();
}

} // namespace

Status CreateTable(Database& db, const TableSpec& design)
{
    auto* impl = dynamic_cast<DatabaseImpl*>(&db);
    if (impl == nullptr)
        return Status::InvalidArgument("The database was not opened by this engine.");
    if (!impl->IsOpen())
        return impl->ClosedError();
    Pager& pager = impl->pager();
    if (pager.IsReadOnly() || impl->allocator() == nullptr)
        return Errors::ReadOnly();

    auto table = PrepareTable(design);
    if (!table.ok())
        return table.status();
    for (const auto& e : impl->catalog()) {
        if (e.parentId == catalog_id::kTables && NamesEqual(e.name, table->name))
            return Errors::TableExists(Utf16ToUtf8(table->name));
    }
    auto inherited = ReadInheritance(*impl);
    if (!inherited.ok())
        return inherited.status();

    // Whatever could refuse the catalog rows is checked before the first page
    // is allocated; the id is only a stand-in here.
    const double now = CurrentAccessDate();
    auto trial = RowsFor(*inherited, table->name, pager.PageCount(), now);
    if (!trial.ok())
        return trial.status();
    JET_RETURN_IF_ERROR(CheckIndexKeys(*inherited->catalog, trial->catalog));
    for (const auto& ace : trial->aces)
        JET_RETURN_IF_ERROR(CheckIndexKeys(*inherited->aces, ace));

    // The table's own pages go in as one change: a failure leaves no trace.
    const TablePagePlan plan = PlanTablePages(*table);
    PageAllocator& allocator = *impl->allocator();
    JET_RETURN_IF_ERROR(allocator.BeginChange());
    auto written = [&]() -> Result<PageNumber> {
        std::vector<PageNumber> allocated;
        for (uint32_t i = 0; i < plan.Total(); ++i) {
            auto page = allocator.AllocatePage(Page{});
            if (!page.ok())
                return page.status();
            allocated.push_back(*page);
        }
        auto pages = BuildTablePages(*table, allocated);
        if (!pages.ok())
            return pages.status();
        for (const auto& [number, content] : *pages)
            JET_RETURN_IF_ERROR(pager.WritePage(number, content));
        return allocated.front();
    }();
    if (!written.ok()) {
        allocator.RollbackChange();
        return written.status();
    }
    allocator.CommitChange();

    auto rows = RowsFor(*inherited, table->name, *written, now);
    if (!rows.ok())
        return rows.status();
    if (auto id = inherited->catalog->InsertRow(rows->catalog); !id.ok())
        return id.status();
    for (auto& ace : rows->aces) {
        if (auto id = inherited->aces->InsertRow(std::move(ace)); !id.ok())
            return id.status();
    }
    return impl->ReloadCatalog();
}

} // namespace jet
