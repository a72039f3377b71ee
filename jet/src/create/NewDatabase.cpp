#include "create/NewDatabase.h"

#include "create/PageBuilder.h"
#include "create/SystemTables.h"
#include "db/DatabaseImpl.h"
#include "index/IndexKey.h"
#include "io/Header.h"
#include "table/RowCodec.h"
#include "table/TableDef.h"
#include "util/Coding.h"
#include "util/FormatConstants.h"

#include <jet/Create.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>

namespace jet {
namespace {

// The header keeps room for 20 UTF-16 password characters.
constexpr uint32_t kMaxPasswordLength = 20;
constexpr uint32_t kHeaderUnknownConstant = 0x000011A6;
constexpr uint16_t kWindowsLatin1 = 1252;

// Where one system table's pieces go in the new file.
struct SystemTablePlan {
    const SystemTableSpec* design = nullptr;
    std::vector<ColumnDef> columns; // by column number
    uint16_t varColumns = 0;
    PageNumber holderPage = 0;
    std::vector<PageNumber> rootPages;
    PageNumber dataPage = 0; // 0: the table starts empty
    std::vector<std::vector<Value>> rows;
};

Page BuildHeaderPage(std::u16string_view password, double created)
{
    Page h{};
    h[1] = 0x01;
    std::memcpy(h.data() + fmt::kHeaderMagicOffset, "Standard Jet DB", 15);
    h[fmt::kHeaderVersionOffset] = fmt::kVersionJet4;
    StoreU32(h.data() + 0x18, 0x00000100);
    StoreU32(h.data() + 0x1C, 0x00000101);
    for (uint32_t i = 0; i < 4; ++i)
        StoreU32(h.data() + 0x20 + 4 * i, 2 + i);
    StoreU16(h.data() + fmt::kHeaderCodePage, kWindowsLatin1);
    const auto field = EncodePasswordField(password, created);
    std::copy(field.begin(), field.end(), h.begin() + fmt::kHeaderPassword);
    StoreU32(h.data() + 0x6A, kHeaderUnknownConstant);
    StoreU32(h.data() + fmt::kHeaderSortOrder, 0x00000409); // General (legacy): LCID 1033, sort id 0, version 0
    StoreDouble(h.data() + fmt::kHeaderCreationDate, created);
    ApplyHeaderMask(h);
    StoreU32(h.data() + 0x98, 0x00000654);
    std::memcpy(h.data() + 0x9C, "4.0", 4);
    // Every commit slot "not in use"; a 00 00 slot would mark the file as suspect.
    for (uint32_t slot = 0; slot < 256; ++slot)
        StoreU16(h.data() + fmt::kHeaderCommitSlots + 2 * slot, 0x0100);
    return h;
}

std::vector<IndexKeyColumn> KeyColumns(const SystemTablePlan& plan, const SystemIndexSpec& index)
{
    std::vector<IndexKeyColumn> key;
    for (uint16_t number : index.columns)
        key.push_back({number, plan.columns[number].type, true, kGeneralLegacySortOrder});
    return key;
}

// The rows a system table starts with, on its one data page.
Result<std::vector<RowId>> BuildSystemRows(const SystemTablePlan& plan, std::vector<Page>& pages)
{
    std::vector<RowId> rowIds;
    if (plan.rows.empty())
        return rowIds;
    DataPageBuilder data(plan.design->tdefPage);
    for (const auto& values : plan.rows) {
        auto row = EncodePlainRow(plan.columns, plan.varColumns, values);
        if (!row.ok())
            return row.status();
        if (!data.Fits(row->size()))
            return Status::InvalidArgument("The initial rows of " + Utf16ToUtf8(plan.design->name)
                                           + " do not fit one page.");
        rowIds.push_back({plan.dataPage, data.Append(*row)});
    }
    pages[plan.dataPage] = data.page();
    return rowIds;
}

// Real index `i` of a system table, its entries for the initial rows on its
// one leaf page (the root). Its usage map is left to the caller.
Result<RealIndexDef> BuildSystemIndex(const SystemTablePlan& plan, size_t i, const std::vector<RowId>& rowIds,
                                      std::vector<Page>& pages)
{
    const SystemIndexSpec& index = plan.design->indexes[i];
    RealIndexDef real;
    real.columns = KeyColumns(plan, index);
    std::vector<LeafEntry> entries;
    std::set<std::vector<uint8_t>> distinct;
    for (size_t r = 0; r < plan.rows.size(); ++r) {
        std::vector<Value> keyValues;
        for (uint16_t number : index.columns)
            keyValues.push_back(plan.rows[r][number]);
        auto key = EncodeIndexKey(real.columns, keyValues);
        if (!key.ok())
            return key.status();
        distinct.insert(*key);
        entries.push_back({std::move(key).value(), rowIds[r]});
    }
    auto leaf = BuildLeafPage(plan.design->tdefPage, std::move(entries));
    if (!leaf.ok())
        return leaf.status();
    real.rootPage = plan.rootPages[i];
    pages[real.rootPage] = *leaf;
    real.flags = index.flags;
    real.uniqueEntryCount = static_cast<uint32_t>(distinct.size());
    return real;
}

// The definition page of a system table. The engine stores its own tables'
// columns and index names sorted by name; the long-value map list follows
// the column order.
Status WriteSystemDefinition(const SystemTablePlan& plan, TableDef& def, const std::vector<LongValueMaps>& maps,
                             std::vector<Page>& pages)
{
    def.columns = plan.columns;
    std::stable_sort(def.columns.begin(), def.columns.end(),
                     [](const ColumnDef& a, const ColumnDef& b) { return NameOrderLess(a.name, b.name); });
    std::stable_sort(def.logicalIndexes.begin(), def.logicalIndexes.end(),
                     [](const LogicalIndexDef& a, const LogicalIndexDef& b) { return NameOrderLess(a.name, b.name); });
    for (const auto& c : def.columns) {
        for (const auto& m : maps) {
            if (m.columnNumber == c.number)
                def.longValueMaps.push_back(m);
        }
    }
    const PageNumber tdef = plan.design->tdefPage;
    const auto stream = EncodeTableDef(def);
    if (DefinitionPageCount(stream.size()) != 1)
        return Status::InvalidArgument("The definition of " + Utf16ToUtf8(plan.design->name)
                                       + " does not fit one page.");
    pages[tdef] = SplitDefinition(stream, {tdef}).front();
    return Status::OK();
}

// Lays out every page of one system table: definition, usage-map holder,
// index leaves and (when it has rows) its data page.
Status BuildSystemTable(const SystemTablePlan& plan, std::vector<Page>& pages)
{
    auto rowIds = BuildSystemRows(plan, pages);
    if (!rowIds.ok())
        return rowIds.status();

    TableDef def;
    def.tableType = 0x53; // 'S'
    def.rowCount = static_cast<uint32_t>(plan.rows.size());
    def.maxColumns = static_cast<uint16_t>(plan.columns.size());
    def.varColumns = plan.varColumns;

    // Holder rows: the table's owned and free-space maps, two maps per long
    // value column, then one map per index.
    DataPageBuilder holder(0);
    const std::vector<PageNumber> dataPages =
        plan.dataPage != 0 ? std::vector<PageNumber>{plan.dataPage} : std::vector<PageNumber>{};
    auto addMap = [&](const std::vector<PageNumber>& mapped) {
        const PageNumber start = mapped.empty() ? 0 : UsageMapWindowFor(mapped.front());
        const auto record = InlineUsageMap(start, mapped);
        return (plan.holderPage << 8) | holder.Append(record);
    };
    def.ownedMap = addMap(dataPages);
    def.freeMap = addMap(dataPages);
    std::vector<LongValueMaps> longValueMaps;
    for (const auto& c : plan.columns) {
        if (c.IsLongValue())
            longValueMaps.push_back({c.number, addMap({}), addMap({})});
    }
    for (size_t i = 0; i < plan.design->indexes.size(); ++i) {
        auto real = BuildSystemIndex(plan, i, *rowIds, pages);
        if (!real.ok())
            return real.status();
        real->SetUsageMap(addMap({real->rootPage}));
        def.realIndexes.push_back(std::move(real).value());

        LogicalIndexDef logical;
        logical.name = std::u16string(plan.design->indexes[i].name);
        logical.number = static_cast<uint32_t>(i);
        logical.realIndex = static_cast<uint32_t>(i);
        logical.kind = plan.design->indexes[i].kind;
        def.logicalIndexes.push_back(std::move(logical));
    }
    pages[plan.holderPage] = holder.page();
    return WriteSystemDefinition(plan, def, longValueMaps, pages);
}

} // namespace

double CurrentAccessDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Days since 1899-12-30 of the local calendar date and time.
    const std::time_t asUtc = timegm(&local);
    return 25569.0 + static_cast<double>(asUtc) / 86400.0;
}

Result<std::vector<Page>> BuildEmptyDatabase(std::u16string_view password, double created)
{
    if (password.size() > kMaxPasswordLength)
        return Status::InvalidArgument("The database password may have at most 20 characters.");
    if (password.find(u'\0') != std::u16string_view::npos)
        return Status::InvalidArgument("The database password may not contain a null character.");

    // Page plan: header, free-page map, the four definitions, then per table
    // its usage-map holder and index roots, then the data pages.
    const auto& specs = SystemTables();
    std::vector<SystemTablePlan> plans(specs.size());
    PageNumber next = 2 + static_cast<PageNumber>(specs.size());
    for (size_t t = 0; t < specs.size(); ++t) {
        SystemTablePlan& plan = plans[t];
        plan.design = &specs[t];
        plan.columns = SystemColumnDefs(specs[t], plan.varColumns);
        plan.holderPage = next++;
        for (size_t i = 0; i < specs[t].indexes.size(); ++i)
            plan.rootPages.push_back(next++);
    }
    plans[0].rows = InitialCatalogRows(created);
    plans[1].rows = InitialAceRows();
    for (auto& plan : plans) {
        if (!plan.rows.empty())
            plan.dataPage = next++;
    }
    const PageNumber pageCount = next;

    std::vector<Page> pages(pageCount);
    pages[0] = BuildHeaderPage(password, created);
    for (const auto& plan : plans)
        JET_RETURN_IF_ERROR(BuildSystemTable(plan, pages));

    // Page 1: the global free-page map (a set bit means free), then a second
    // record the engine keeps empty.
    DataPageBuilder global(1);
    std::vector<PageNumber> freePages;
    for (PageNumber p = pageCount; p < kUsageMapWindow; ++p)
        freePages.push_back(p);
    global.Append(InlineUsageMap(0, freePages));
    global.Append(std::vector<uint8_t>(fmt::kMapRecordSize, 0));
    pages[1] = global.page();
    return pages;
}

Result<std::unique_ptr<Database>> CreateDatabase(const std::string& path, const std::string& password,
                                                 const OpenOptions& options)
{
    if (options.readOnly)
        return Status::InvalidArgument("A new database cannot be opened read-only.");
    if (path.empty())
        return Status::InvalidArgument("The database path is empty.");
    const std::u16string password16 = Utf8ToUtf16(password);
    auto pages = BuildEmptyDatabase(password16, CurrentAccessDate());
    if (!pages.ok())
        return pages.status();

    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found)
        return Errors::DatabaseExists();
    auto file = CreatePosixFile(path);
    if (!file.ok())
        return file.status();
    Status written = Status::OK();
    for (size_t n = 0; n < pages->size() && written.ok(); ++n)
        written = (*file)->Write(static_cast<uint64_t>(n) * kPageSize, (*pages)[n].data(), kPageSize);
    if (written.ok())
        written = (*file)->Sync();
    file->reset();
    if (!written.ok()) {
        std::filesystem::remove(path, ec);
        return written;
    }

    auto reopened = OpenPosixFile(path, true);
    if (!reopened.ok())
        return reopened.status();
    auto db = DatabaseImpl::OpenWith(std::move(reopened).value(), path, password16, options,
                                     options.journal ? JournalBeside(path) : nullptr);
    if (!db.ok()) {
        std::filesystem::remove(path, ec);
        return db.status();
    }
    return std::unique_ptr<Database>(std::move(db).value());
}

} // namespace jet
