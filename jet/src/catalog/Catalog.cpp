#include "catalog/Catalog.h"

#include "page/DataPage.h"
#include "table/RowCursor.h"
#include "table/Table.h"
#include "table/TableDef.h"
#include "util/FormatConstants.h"

namespace jet {
namespace {

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    return text.size() >= prefix.size() && NamesEqual(text.substr(0, prefix.size()), prefix);
}

} // namespace

bool CatalogEntry::IsTable() const
{
    return (type & 0x7F) == fmt::kObjectTypeTable && parentId == fmt::kTablesContainerId;
}

bool CatalogEntry::IsUserTable() const
{
    return IsTable() && (flags & fmt::kSystemObjectFlags) == 0 && !StartsWithNoCase(name, u"MSys");
}

Result<std::vector<CatalogEntry>> ReadCatalog(Pager& pager)
{
    auto def = ReadTableDef(pager, fmt::kCatalogPage);
    if (!def.ok())
        return def.status();
    Table table(pager, std::move(def).value(), u"MSysObjects");
    const ColumnDef* idCol = table.def().FindColumn(u"Id");
    const ColumnDef* parentCol = table.def().FindColumn(u"ParentId");
    const ColumnDef* nameCol = table.def().FindColumn(u"Name");
    const ColumnDef* typeCol = table.def().FindColumn(u"Type");
    const ColumnDef* flagsCol = table.def().FindColumn(u"Flags");
    if (!idCol || !parentCol || !nameCol || !typeCol || !flagsCol || idCol->type != ColumnType::kLong
        || parentCol->type != ColumnType::kLong || nameCol->type != ColumnType::kText
        || typeCol->type != ColumnType::kInteger || flagsCol->type != ColumnType::kLong)
        return Errors::CorruptPage(fmt::kCatalogPage, "the catalog lacks its columns");

    std::vector<CatalogEntry> entries;
    RowCursor cursor(table);
    for (cursor.SeekToFirst(); cursor.Valid(); cursor.Next()) {
        const LoadedRow& row = cursor.row();
        CatalogEntry e;
        auto id = table.ReadField(row, *idCol);
        auto parent = table.ReadField(row, *parentCol);
        auto name = table.ReadField(row, *nameCol);
        auto type = table.ReadField(row, *typeCol);
        auto flags = table.ReadField(row, *flagsCol);
        for (const auto* r : {&id, &parent, &name, &type, &flags}) {
            if (!r->ok())
                return r->status();
        }
        if (id->Is<int32_t>())
            e.id = id->As<int32_t>();
        if (parent->Is<int32_t>())
            e.parentId = parent->As<int32_t>();
        if (name->IsText())
            e.name = name->As<std::u16string>();
        if (type->Is<int16_t>())
            e.type = type->As<int16_t>();
        if (flags->Is<int32_t>())
            e.flags = static_cast<uint32_t>(flags->As<int32_t>());
        entries.push_back(std::move(e));
    }
    JET_RETURN_IF_ERROR(cursor.status());
    return entries;
}

} // namespace jet
