#include "db/Check.h"

#include "db/DatabaseImpl.h"
#include "index/BTree.h"
#include "index/IndexKey.h"
#include "io/MemoryFile.h"
#include "io/Replacement.h"
#include "page/DataPage.h"
#include "page/UsageMap.h"
#include "table/RowCursor.h"
#include "util/FormatConstants.h"

#include <jet/Database.h>

#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>

namespace jet {
namespace {

// A badly damaged file would give a problem per row; the first few hundred
// say what is wrong, and the bound keeps the report's memory small.
constexpr size_t kMaxProblems = 500;

class Checker {
public:
    Checker(DatabaseImpl& db, CheckReport& report)
        : m_db(db)
        , m_pager(db.pager())
        , m_report(report)
    { }

    void Run()
    {
        CheckHeader();
        CheckPageTypes();
        ReadGlobalMap();
        CheckCatalog();
        for (const auto& entry : m_db.catalog()) {
            if (entry.IsTable())
                CheckTable(entry);
        }
        CheckGlobalMap();
        if (m_dropped > 0)
            m_report.problems.push_back("... and " + std::to_string(m_dropped) + " more problems");
    }

private:
    void Problem(const std::string& text)
    {
        if (m_report.problems.size() < kMaxProblems)
            m_report.problems.push_back(text);
        else
            ++m_dropped;
    }
    void Warning(const std::string& text)
    {
        if (m_report.warnings.size() < kMaxProblems)
            m_report.warnings.push_back(text);
    }
    // Records that `page` belongs to `owner`; a page claimed twice is a problem.
    void Claim(PageNumber page, const std::string& owner)
    {
        auto [it, inserted] = m_owners.emplace(page, owner);
        if (!inserted && it->second != owner)
            Problem("page " + std::to_string(page) + " is used by " + it->second + " and by " + owner);
    }

    void CheckHeader()
    {
        const Page& plain = m_db.header().plain;
        if (LoadU32(plain.data() + 0x18) != 0x100 || LoadU32(plain.data() + 0x1C) != 0x101)
            Warning("header constants at 0x18/0x1C differ from the usual values");
        for (uint32_t i = 0; i < 4; ++i) {
            if (LoadU32(plain.data() + 0x20 + 4 * i) != 2 + i)
                Warning("header does not name the system table pages 2-5");
        }
        for (uint32_t slot = 0; slot < 256; ++slot) {
            if (LoadU16(plain.data() + fmt::kHeaderCommitSlots + 2 * slot) == 0) {
                Problem("header commit slot " + std::to_string(slot) + " is 00 00 (marks the file as suspect)");
                break;
            }
        }
        Claim(0, "the header");
    }

    void CheckPageTypes()
    {
        for (PageNumber n = 1; n < m_pager.PageCount(); ++n) {
            auto view = m_pager.View(n);
            if (!view.ok()) {
                Problem("page " + std::to_string(n) + ": " + view.status().description());
                continue;
            }
            const Page& p = **view;
            const uint8_t type = p[0];
            if (type == 0) {
                if (std::any_of(p.begin(), p.end(), [](uint8_t b) { return b != 0; }))
                    Problem("page " + std::to_string(n) + " has type 0 but is not empty");
                continue;
            }
            const bool known = (type >= 1 && type <= 5) || type == 8 || type == 9;
            if (!known || p[1] != 0x01)
                Problem("page " + std::to_string(n) + " has an unknown page type " + std::to_string(type));
        }
    }

    void ReadGlobalMap()
    {
        Claim(1, "the free-page map");
        auto free = ReadUsageMap(m_pager, MapLocation{1, 0}, m_pager.PageCount());
        if (!free.ok()) {
            Problem("global free-page map: " + free.status().description());
            return;
        }
        m_freePages.insert(free->begin(), free->end());
    }

    void CheckGlobalMap()
    {
        for (const auto& [page, owner] : m_owners) {
            if (m_freePages.count(page) != 0)
                Problem("page " + std::to_string(page) + " (" + owner + ") is marked free in the global map");
        }
    }

    void CheckCatalog()
    {
        std::vector<const CatalogEntry*> tables;
        for (const auto& e : m_db.catalog()) {
            if (!e.IsTable())
                continue;
            for (const auto* other : tables) {
                if (NamesEqual(other->name, e.name))
                    Problem("two catalog tables are named " + Utf16ToUtf8(e.name));
                if (other->id == e.id)
                    Problem("two catalog tables use definition page " + std::to_string(e.id));
            }
            tables.push_back(&e);
        }
    }

    // Pages of a usage map, with its holder page claimed.
    std::optional<std::vector<PageNumber>> MapPages(uint32_t pointer, const std::string& what)
    {
        const MapLocation where = MapLocation::FromPointer(pointer);
        auto pages = ReadUsageMap(m_pager, where, m_pager.PageCount());
        if (!pages.ok()) {
            Problem(what + ": " + pages.status().description());
            return std::nullopt;
        }
        Claim(where.page, "usage-map records");
        std::vector<uint8_t> record;
        if (ReadUsageMapRecord(m_pager, where, record).ok() && record[0] == fmt::kMapReference) {
            for (size_t k = 0; k + 5 <= record.size() && k < fmt::kReferenceSlots; ++k) {
                const PageNumber bitmap = LoadU32(record.data() + 1 + 4 * k);
                if (bitmap != 0)
                    Claim(bitmap, what + " bitmap");
            }
        }
        return std::move(pages).value();
    }

    void CheckDataPageLayout(const Page& page, PageNumber n, const std::string& what)
    {
        auto count = DataPageSlotCount(page, n);
        if (!count.ok()) {
            Problem(what + ": " + count.status().description());
            return;
        }
        uint32_t lowest = kPageSize;
        for (uint16_t slot = 0; slot < *count; ++slot) {
            auto s = DataPageSlot(page, n, slot);
            if (!s.ok()) {
                Problem(what + ": " + s.status().description());
                return;
            }
            lowest = s->start;
        }
        const uint32_t expected = *count == 0 ? fmt::kEmptyDataFree : lowest - fmt::kDataSlots - 2u * *count;
        const uint16_t stored = LoadU16(page.data() + fmt::kDataFreeSpace);
        if (stored != expected)
            Problem(what + ": page " + std::to_string(n) + " records " + std::to_string(stored) + " bytes free but has "
                    + std::to_string(expected));
    }

    void CheckTable(const CatalogEntry& entry)
    {
        const std::string name = Utf16ToUtf8(entry.name);
        const bool system = !entry.IsUserTable();
        if (entry.id <= 0 || static_cast<uint32_t>(entry.id) >= m_pager.PageCount()) {
            Problem("table " + name + ": definition page " + std::to_string(entry.id) + " out of range");
            return;
        }
        auto opened = m_db.TableAt(static_cast<PageNumber>(entry.id), entry.name);
        if (!opened.ok()) {
            Problem("table " + name + ": " + opened.status().description());
            return;
        }
        Table& table = **opened;
        const TableDef& def = table.def();
        ++m_report.tablesChecked;
        for (PageNumber p : def.pages)
            Claim(p, "definition of " + name);
        if (!CheckDataPages(def, name))
            return;
        CheckLongValuePages(def, name);
        std::vector<RowId> rows = CheckRows(table, name, system);
        for (const auto& ix : def.realIndexes)
            CheckIndex(table, name, ix, rows, system);
    }

    // The table's owned-pages and free-space maps and its data pages; false
    // when the owned pages cannot be read.
    bool CheckDataPages(const TableDef& def, const std::string& name)
    {
        auto owned = MapPages(def.ownedMap, "table " + name + " owned-pages map");
        auto freeMap = MapPages(def.freeMap, "table " + name + " free-space map");
        if (!owned)
            return false;
        std::set<PageNumber> ownedSet(owned->begin(), owned->end());
        if (freeMap) {
            for (PageNumber p : *freeMap) {
                if (ownedSet.count(p) == 0)
                    Problem("table " + name + ": free-space map lists page " + std::to_string(p)
                            + " that the table does not own");
            }
        }
        for (PageNumber p : *owned) {
            auto view = m_pager.View(p);
            if (!view.ok())
                continue;
            const Page& page = **view;
            if (page[0] == static_cast<uint8_t>(fmt::PageType::kReleasedData) || page[0] == 0)
                continue; // emptied pages Access leaves listed
            if (!Table::OwnsPage(page, def.tdefPage)) {
                Problem("table " + name + ": owned-pages map lists page " + std::to_string(p)
                        + " that is not one of its data pages");
                continue;
            }
            Claim(p, "data of " + name);
            Page copy = page;
            CheckDataPageLayout(copy, p, "table " + name);
        }
        return true;
    }

    // The long-value pages of each Memo/OLE column and their maps.
    void CheckLongValuePages(const TableDef& def, const std::string& name)
    {
        for (const auto& column : def.columns) {
            if (!column.IsLongValue())
                continue;
            const LongValueMaps* maps = def.MapsOfColumn(column.number);
            if (maps == nullptr) {
                Problem("table " + name + ": long-value column " + Utf16ToUtf8(column.name) + " has no usage maps");
                continue;
            }
            const std::string what = "long values of " + name + "." + Utf16ToUtf8(column.name);
            auto lvalPages = MapPages(maps->ownedMap, what);
            if (lvalPages) {
                for (PageNumber p : *lvalPages) {
                    Page page;
                    if (!m_pager.ReadPage(p, page).ok())
                        continue;
                    if (page[0] == static_cast<uint8_t>(fmt::PageType::kReleasedData))
                        continue;
                    if (!IsDataPage(page) || LoadU32(page.data() + fmt::kDataOwner) != fmt::kLongValueOwner) {
                        Problem(what + ": page " + std::to_string(p) + " is not a long-value page");
                        continue;
                    }
                    Claim(p, what);
                    CheckDataPageLayout(page, p, what);
                }
            }
            if (maps->freeMap != 0) {
                auto freePages = MapPages(maps->freeMap, what + " free map");
                if (freePages && lvalPages) {
                    for (PageNumber p : *freePages) {
                        if (!std::binary_search(lvalPages->begin(), lvalPages->end(), p))
                            Problem(what + ": free map lists page " + std::to_string(p) + " it does not own");
                    }
                }
            }
        }
    }

    // Every row: reachable, decodable, counted. Returns the live rows in
    // table order.
    std::vector<RowId> CheckRows(Table& table, const std::string& name, bool system)
    {
        const TableDef& def = table.def();
        std::vector<RowId> rows;
        int64_t maxAuto = 0;
        const ColumnDef* autoColumn = nullptr;
        for (const auto& c : def.columns) {
            if (c.IsAutoNumber() && c.type == ColumnType::kLong)
                autoColumn = &c;
        }
        // Ids only: a row that fails to load is reported and the walk goes on.
        LoadedRow row;
        RowCursor cursor(table, RowCursorOptions{.loadRows = false});
        for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next()) {
            const RowId id = cursor.id();
            Status loaded = table.LoadRow(id, row);
            if (!loaded.ok()) {
                Problem("table " + name + " row " + RowText(id) + ": " + loaded.description());
                continue;
            }
            if (row.bytes.size() > fmt::kMaxRowSize)
                Problem("table " + name + " row " + RowText(id) + " is longer than 4060 bytes");
            rows.push_back(id);
            ++m_report.rowsChecked;
            for (const auto& column : def.columns) {
                auto value = table.ReadField(row, column);
                if (!value.ok()) {
                    Problem("table " + name + " row " + RowText(id) + " column " + Utf16ToUtf8(column.name) + ": "
                            + value.status().description());
                } else if (&column == autoColumn && value->Is<int32_t>()) {
                    maxAuto = std::max<int64_t>(maxAuto, value->As<int32_t>());
                }
            }
        }
        if (!cursor.status().ok())
            Problem("table " + name + ": " + cursor.status().description());
        if (def.rowCount != rows.size()) {
            const std::string text = "table " + name + ": definition records " + std::to_string(def.rowCount)
                + " rows, " + std::to_string(rows.size()) + " found";
            if (system)
                Warning(text);
            else
                Problem(text);
        }
        if (autoColumn != nullptr && def.autoIncrement == 1 && maxAuto > static_cast<int64_t>(def.autoNumber))
            Problem("table " + name + ": AutoNumber " + std::to_string(def.autoNumber) + " is below the largest value "
                    + std::to_string(maxAuto));
        return rows;
    }

    static std::string RowText(RowId id) { return std::to_string(id.page) + ":" + std::to_string(id.row); }

    void CheckIndex(Table& table, const std::string& tableName, const RealIndexDef& ix, const std::vector<RowId>& rows,
                    bool system)
    {
        const TableDef& def = table.def();
        std::string name = "index " + std::to_string(ix.number);
        for (const auto& li : def.logicalIndexes) {
            if (li.realIndex == static_cast<uint32_t>(ix.number)) {
                name = "index " + Utf16ToUtf8(li.name);
                break;
            }
        }
        const std::string what = "table " + tableName + " " + name;
        auto indexPages = MapPages((ix.usageMapPage << 8) | ix.usageMapRow, what + " usage map");
        if (indexPages && !std::binary_search(indexPages->begin(), indexPages->end(), ix.rootPage))
            Problem(what + ": root page " + std::to_string(ix.rootPage) + " is not in its usage map");
        if (indexPages) {
            for (PageNumber p : *indexPages)
                Claim(p, what);
        }

        BTree tree(m_pager, ix);
        std::vector<std::string> structural;
        Status s = tree.Check(structural);
        for (const auto& p : structural)
            Problem(what + ": " + p);
        if (!s.ok()) {
            Problem(what + ": " + s.description());
            return;
        }
        if (!structural.empty())
            return; // the walk below would only repeat the damage

        std::vector<RowId> entries;
        if (!CheckIndexEntries(table, tree, ix, what, rows, system, entries))
            return;
        CheckEveryRowHasEntry(table, ix, what, rows, entries);
    }

    // The key of every entry against its row's values; `entries` gets the
    // rows the entries name. False when the walk could not finish.
    bool CheckIndexEntries(Table& table, BTree& tree, const RealIndexDef& ix, const std::string& what,
                           const std::vector<RowId>& rows, bool system, std::vector<RowId>& entries)
    {
        const TableDef& def = table.def();
        LoadedRow row;
        std::vector<Value> values;
        bool reportedEncoding = false;
        Status walked = tree.Walk([&](const std::vector<uint8_t>& key, RowId id) -> Status {
            ++m_report.indexEntriesChecked;
            entries.push_back(id);
            if (!std::binary_search(rows.begin(), rows.end(), id)) {
                Problem(what + ": entry points at " + RowText(id) + ", which is not a live row");
                return Status::OK();
            }
            if (!table.LoadRow(id, row).ok())
                return Status::OK(); // already reported by the row scan
            values.clear();
            for (const auto& kc : ix.columns) {
                const ColumnDef* column = def.ColumnByNumber(kc.columnNumber);
                auto value = column ? table.ReadField(row, *column) : Result<Value>(Value());
                values.push_back(value.ok() ? std::move(value).value() : Value());
            }
            auto encoded = EncodeIndexKey(ix.columns, values);
            if (!encoded.ok()) {
                // A key this engine cannot build is a key nothing here has
                // verified: the file is not known to be consistent.
                if (!reportedEncoding) {
                    const std::string text = what + ": cannot verify the key of row " + RowText(id) + " ("
                        + encoded.status().description() + ")";
                    if (system)
                        Warning(text);
                    else
                        Problem(text);
                }
                reportedEncoding = true;
            } else if (*encoded != key) {
                const std::string text = what + ": entry for row " + RowText(id) + " does not hold the row's key";
                if (system)
                    Warning(text);
                else
                    Problem(text);
            }
            return Status::OK();
        });
        if (!walked.ok()) {
            Problem(what + ": " + walked.description());
            return false;
        }
        return true;
    }

    void CheckEveryRowHasEntry(Table& table, const RealIndexDef& ix, const std::string& what,
                               const std::vector<RowId>& rows, std::vector<RowId>& entries)
    {
        const TableDef& def = table.def();
        LoadedRow row;
        // One entry per row, except rows an ignore-nulls index leaves out.
        std::sort(entries.begin(), entries.end());
        for (size_t i = 1; i < entries.size(); ++i) {
            if (entries[i] == entries[i - 1])
                Problem(what + ": row " + RowText(entries[i]) + " has more than one entry");
        }
        for (RowId id : rows) {
            if (std::binary_search(entries.begin(), entries.end(), id))
                continue;
            if (ix.IgnoresNulls() && table.LoadRow(id, row).ok()) {
                bool allNull = true;
                for (const auto& kc : ix.columns) {
                    const ColumnDef* column = def.ColumnByNumber(kc.columnNumber);
                    auto value = column ? table.ReadField(row, *column) : Result<Value>(Value());
                    allNull = allNull && value.ok() && value->IsNull();
                }
                if (allNull)
                    continue;
            }
            Problem(what + ": row " + RowText(id) + " has no entry");
        }
    }

    DatabaseImpl& m_db;
    Pager& m_pager;
    CheckReport& m_report;
    std::map<PageNumber, std::string> m_owners;
    std::set<PageNumber> m_freePages;
    size_t m_dropped = 0;
};

} // namespace

void CheckOpenDatabase(DatabaseImpl& db, CheckReport& report)
{
    Checker(db, report).Run();
}

Result<CheckReport> CheckDatabase(const std::string& path, const std::string& password)
{
    CheckReport report;
    auto journal = InspectJournal(path);
    if (!journal.ok())
        return journal.status();
    if (journal->kind == JournalState::Kind::kHot) {
        // Until it is played back the file holds a half-made write: what a
        // check of its pages would find is what recovery puts right.
        report.problems.push_back(journal->Describe(path)
                                  + " Open it once with this engine, or recover it, "
                                    "before any other program uses it.");
        return report;
    }
    if (journal->kind != JournalState::Kind::kNone)
        report.warnings.push_back(journal->Describe(path));
    // A private copy that was never renamed over the file: the file is as
    // its last commit left it, and the copy takes room for nothing.
    if (const std::string copy = CopyPathFor(path); ::access(copy.c_str(), F_OK) == 0)
        report.warnings.push_back("The copy '" + copy + "' of '" + path
                                  + "' was left by a write that never completed. The file is whole; open it once "
                                    "with this engine for writing, or recover it, to remove the copy.");
    auto file = OpenPosixFile(path, false);
    if (!file.ok())
        return file.status();
    OpenOptions options;
    options.readOnly = true;
    options.cachePages = 4096;
    auto db = DatabaseImpl::OpenWith(std::move(file).value(), path, Utf8ToUtf16(password), options);
    if (!db.ok())
        return db.status();
    CheckOpenDatabase(**db, report);
    return report;
}

} // namespace jet
