#include "create/SystemRowWriter.h"

#include "FormatConstants.h"
#include "catalog/TableDef.h"
#include "create/MapEditor.h"
#include "create/PageBuilder.h"
#include "create/RowBuilder.h"
#include "index/BTree.h"
#include "index/IndexKey.h"
#include "page/UsageMap.h"
#include "table/Table.h"
#include "util/Coding.h"

#include <set>

namespace jet {
namespace {

constexpr int32_t kErrDuplicateKey = 3022;
constexpr int32_t kErrNullInIndex = 3058;

struct PendingEntry {
    size_t index = 0;
    size_t row = 0;
    std::vector<uint8_t> key;
};

std::vector<ColumnLayout> LayoutsOf(const TableDef& def)
{
    std::vector<ColumnLayout> columns;
    for (const auto& c : def.columns) {
        ColumnLayout l;
        l.name = c.name;
        l.type = c.type;
        l.number = c.number;
        l.varIndex = c.varIndex;
        l.fixedOffset = c.fixedOffset;
        l.length = c.length;
        l.flags = c.flags;
        l.extFlags = c.extFlags;
        l.precision = c.precision;
        l.scale = c.scale;
        columns.push_back(std::move(l));
    }
    return columns;
}

// Where the rows go: the table's last data page while it has room, then
// fresh pages numbered `fresh` (one per entry, in order).
struct Placement {
    PageNumber tail = 0;
    Page tailPage{};
    bool tailUsed = false;
    std::vector<Page> freshPages;
    std::vector<RowId> rowIds;
};

Result<Placement> PlaceRows(const std::optional<std::pair<PageNumber, Page>>& tail, PageNumber tdefPage,
                            const std::vector<std::vector<uint8_t>>& rows, const std::vector<PageNumber>& fresh)
{
    Placement out;
    if (tail) {
        out.tail = tail->first;
        out.tailPage = tail->second;
    }
    bool onTail = tail.has_value();
    for (const auto& row : rows) {
        if (onTail) {
            auto room = DataPageRoom(out.tailPage, out.tail);
            if (!room.ok())
                return room.status();
            if (*room >= row.size() + 2) {
                out.rowIds.push_back({out.tail, AppendRow(out.tailPage, row)});
                out.tailUsed = true;
                continue;
            }
            onTail = false;
        }
        const bool full = out.freshPages.empty() || DataPageRoom(out.freshPages.back(), 0).value() < row.size() + 2;
        if (full) {
            out.freshPages.push_back(DataPageBuilder(tdefPage).page());
            if (out.freshPages.size() > fresh.size())
                return Status::InvalidArgument("more data pages needed than planned");
        }
        const PageNumber page = fresh[out.freshPages.size() - 1];
        out.rowIds.push_back({page, AppendRow(out.freshPages.back(), row)});
    }
    return out;
}

} // namespace

Result<PageNumber> SystemRowWriter::AllocatePage(const Page& content)
{
    auto page = m_pager.AllocatePage(content);
    if (!page.ok())
        return page.status();
    JET_RETURN_IF_ERROR(MarkPageUsed(m_pager, *page));
    return *page;
}

Result<std::vector<RowId>> SystemRowWriter::Append(PageNumber tdefPage, const std::vector<std::vector<Value>>& rows,
                                                   bool checkOnly)
{
    auto def = ReadTableDef(m_pager, tdefPage);
    if (!def.ok())
        return def.status();
    const auto columns = LayoutsOf(*def);

    std::vector<std::vector<uint8_t>> encoded;
    for (const auto& values : rows) {
        auto row = EncodePlainRow(columns, def->varColumns, values);
        if (!row.ok())
            return row.status();
        encoded.push_back(std::move(row).value());
    }

    // Every index accepts every row, or nothing is written.
    std::vector<PendingEntry> entries;
    for (size_t i = 0; i < def->realIndexes.size(); ++i) {
        const RealIndexDef& index = def->realIndexes[i];
        std::set<std::vector<uint8_t>> batchKeys;
        for (size_t r = 0; r < rows.size(); ++r) {
            std::vector<Value> keyValues;
            for (const auto& k : index.columns) {
                if (k.columnNumber >= rows[r].size())
                    return Status::InvalidArgument("The row lacks indexed column " + std::to_string(k.columnNumber) + ".");
                keyValues.push_back(rows[r][k.columnNumber]);
            }
            const IndexNullRule rule = ClassifyNulls(index, keyValues);
            if (rule == IndexNullRule::kReject)
                return Status::InvalidArgument("Index or primary key cannot contain a Null value.", kErrNullInIndex);
            if (rule == IndexNullRule::kSkip)
                continue;
            auto key = EncodeIndexKey(index.columns, keyValues);
            if (!key.ok())
                return key.status();
            if (def->IsUniqueIndex(i) && !IsExemptFromUnique(keyValues)) {
                BTree tree(m_pager, index);
                auto found = tree.FindFirst(*key);
                if (!found.ok())
                    return found.status();
                if (found->has_value() || !batchKeys.insert(*key).second)
                    return Status::InvalidArgument(
                        "The changes you requested to the table were not successful because they would create "
                        "duplicate values in the index, primary key, or relationship.",
                        kErrDuplicateKey);
            }
            entries.push_back({i, r, std::move(key).value()});
        }
    }

    // The insertion tail: the last page of the owned map that is still the table's data page.
    auto owned = ReadUsageMap(m_pager, MapLocation::FromPointer(def->ownedMap), m_pager.PageCount());
    if (!owned.ok())
        return owned.status();
    std::optional<std::pair<PageNumber, Page>> tail;
    for (auto it = owned->rbegin(); it != owned->rend() && !tail; ++it) {
        Page page;
        JET_RETURN_IF_ERROR(m_pager.ReadPage(*it, page));
        if (Table::OwnsPage(page, tdefPage))
            tail.emplace(*it, page);
    }

    // Plan with the page numbers appending would give, check that the maps
    // can take them, then allocate and place for real.
    std::vector<PageNumber> predicted;
    for (uint32_t k = 0; k < rows.size(); ++k)
        predicted.push_back(m_pager.PageCount() + k);
    auto planned = PlaceRows(tail, tdefPage, encoded, predicted);
    if (!planned.ok())
        return planned.status();
    predicted.resize(planned->freshPages.size());
    const PageAllocator allocate = [this](const Page& content) { return AllocatePage(content); };
    JET_RETURN_IF_ERROR(AddToUsageMap(m_pager, def->ownedMap, predicted, allocate, true));
    if (!predicted.empty())
        JET_RETURN_IF_ERROR(AddToUsageMap(m_pager, def->freeMap, {predicted.back()}, allocate, true));
    if (checkOnly)
        return std::vector<RowId>();

    std::vector<PageNumber> fresh;
    for (size_t k = 0; k < predicted.size(); ++k) {
        auto page = AllocatePage(DataPageBuilder(tdefPage).page());
        if (!page.ok())
            return page.status();
        fresh.push_back(*page);
    }
    auto placed = PlaceRows(tail, tdefPage, encoded, fresh);
    if (!placed.ok())
        return placed.status();
    if (placed->tailUsed)
        JET_RETURN_IF_ERROR(m_pager.WritePage(placed->tail, placed->tailPage));
    for (size_t k = 0; k < fresh.size(); ++k)
        JET_RETURN_IF_ERROR(m_pager.WritePage(fresh[k], placed->freshPages[k]));
    if (!fresh.empty()) {
        JET_RETURN_IF_ERROR(AddToUsageMap(m_pager, def->ownedMap, fresh, allocate));
        if (tail)
            JET_RETURN_IF_ERROR(RemoveFromUsageMap(m_pager, def->freeMap, tail->first));
        JET_RETURN_IF_ERROR(AddToUsageMap(m_pager, def->freeMap, {fresh.back()}, allocate));
    }

    std::vector<uint32_t> uniqueCounts;
    for (const auto& index : def->realIndexes)
        uniqueCounts.push_back(index.uniqueEntryCount);
    for (const auto& entry : entries) {
        const RealIndexDef& index = def->realIndexes[entry.index];
        const uint32_t indexMap = (index.usageMapPage << 8) | index.usageMapRow;
        BTreePageHooks hooks;
        hooks.pageAdded = [this, indexMap, &allocate](PageNumber page) {
            JET_RETURN_IF_ERROR(MarkPageUsed(m_pager, page));
            return AddToUsageMap(m_pager, indexMap, {page}, allocate);
        };
        BTree tree(m_pager, index, hooks);
        bool keyWasNew = false;
        JET_RETURN_IF_ERROR(tree.Insert(entry.key, placed->rowIds[entry.row], &keyWasNew));
        if (keyWasNew)
            ++uniqueCounts[entry.index];
    }

    auto first = m_pager.Modify(tdefPage);
    if (!first.ok())
        return first.status();
    uint8_t* p = (*first)->data();
    StoreU32(p + fmt::kTdefRowCount, LoadU32(p + fmt::kTdefRowCount) + static_cast<uint32_t>(rows.size()));
    for (size_t i = 0; i < uniqueCounts.size(); ++i)
        StoreU32(p + def->statsOffset + fmt::kStatsBlockSize * i + 4, uniqueCounts[i]);
    return placed->rowIds;
}

} // namespace jet
