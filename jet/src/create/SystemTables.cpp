#include "create/SystemTables.h"

#include "util/FormatConstants.h"

namespace jet {
namespace {

// Column flags of the engine's own tables: fixed (0x01), updatable (0x02) and
// the replication bit 0x10; owner columns carry 0x20 as well.
constexpr uint8_t kFixed = 0x13;
constexpr uint8_t kVariable = 0x12;
constexpr uint8_t kOwnerColumn = 0x32;

constexpr uint8_t kUniqueIndex = 0x81;
constexpr uint8_t kRequiredIndex = 0x88;
constexpr uint8_t kIgnoreNullsIndex = 0x82;

// Security ids of a database written without a workgroup: the engine's
// built-in users and groups, in their two-byte short form.
const Bytes kSidCreator = {0x06, 0xED};
const Bytes kSidAdmin = {0x07, 0xE8};
const Bytes kSidUsers = {0x06, 0xE8};
const Bytes kSidEngine = {0x06, 0xEA};

uint16_t DefaultLength(ColumnType type)
{
    switch (type) {
    case ColumnType::kText:
    case ColumnType::kBinary: return 510;
    case ColumnType::kMemo:
    case ColumnType::kOle: return 0;
    case ColumnType::kBoolean: return 1;
    default: return FixedValueSize(type);
    }
}

} // namespace

const std::vector<SystemTableSpec>& SystemTables()
{
    using T = ColumnType;
    static const std::vector<SystemTableSpec> tables = {
        {u"MSysObjects",
         2,
         {{u"Id", T::kLong, kFixed},
          {u"ParentId", T::kLong, kFixed},
          {u"Name", T::kText, kVariable},
          {u"Type", T::kInteger, kFixed},
          {u"DateCreate", T::kDateTime, kFixed},
          {u"DateUpdate", T::kDateTime, kFixed},
          {u"Owner", T::kBinary, kOwnerColumn},
          {u"Flags", T::kLong, kFixed},
          {u"Database", T::kMemo, kVariable},
          {u"Connect", T::kMemo, kVariable},
          {u"ForeignName", T::kText, kVariable},
          {u"RmtInfoShort", T::kBinary, kVariable},
          {u"RmtInfoLong", T::kOle, kVariable},
          {u"Lv", T::kOle, kVariable},
          {u"LvProp", T::kOle, kVariable},
          {u"LvModule", T::kOle, kVariable},
          {u"LvExtra", T::kOle, kVariable}},
         {{u"ParentIdName", {1, 2}, kUniqueIndex, 0}, {u"Id", {0}, kUniqueIndex, 1}}},
        {u"MSysACEs",
         3,
         {{u"ObjectId", T::kLong, kFixed},
          {u"SID", T::kBinary, kOwnerColumn},
          {u"ACM", T::kLong, kFixed},
          {u"FInheritable", T::kBoolean, kFixed}},
         {{u"ObjectId", {0}, kRequiredIndex, 0}}},
        {u"MSysQueries",
         4,
         {{u"ObjectId", T::kLong, kFixed},
          {u"Attribute", T::kByte, kFixed},
          {u"Order", T::kBinary, kVariable},
          {u"Name1", T::kText, kVariable},
          {u"Name2", T::kText, kVariable},
          {u"Expression", T::kMemo, kVariable},
          {u"Flag", T::kInteger, kFixed},
          {u"LvExtra", T::kLong, kFixed}},
         {{u"ObjectIdAttribute", {0, 1, 2}, kUniqueIndex, 1}}},
        {u"MSysRelationships",
         5,
         {{u"szRelationship", T::kText, kVariable},
          {u"grbit", T::kLong, kFixed},
          {u"ccolumn", T::kLong, kFixed},
          {u"icolumn", T::kLong, kFixed},
          {u"szObject", T::kText, kVariable},
          {u"szColumn", T::kText, kVariable},
          {u"szReferencedObject", T::kText, kVariable},
          {u"szReferencedColumn", T::kText, kVariable}},
         {{u"szRelationship", {0}, kIgnoreNullsIndex, 0},
          {u"szObject", {4}, kIgnoreNullsIndex, 0},
          {u"szReferencedObject", {6}, kIgnoreNullsIndex, 0}}},
    };
    return tables;
}

std::vector<ColumnDef> SystemColumnDefs(const SystemTableSpec& table, uint16_t& varColumns)
{
    std::vector<ColumnDef> columns;
    for (const auto& design : table.columns) {
        ColumnDef c;
        c.name = std::u16string(design.name);
        c.type = design.type;
        c.flags = design.flags;
        c.length = DefaultLength(design.type);
        columns.push_back(std::move(c));
    }
    varColumns = AssignColumnPositions(columns);
    return columns;
}

std::vector<Value> CatalogRow(int32_t id, int32_t parentId, std::u16string_view name, int16_t type, uint32_t flags,
                              const Bytes& owner, double created)
{
    std::vector<Value> row(catalog_column::kCount);
    row[catalog_column::kId] = Value(id);
    row[catalog_column::kParentId] = Value(parentId);
    row[catalog_column::kName] = Value(std::u16string(name));
    row[catalog_column::kType] = Value(type);
    row[catalog_column::kDateCreate] = Value(DateTime{created});
    row[catalog_column::kDateUpdate] = Value(DateTime{created});
    row[catalog_column::kOwner] = Value(owner);
    row[catalog_column::kFlags] = Value(static_cast<int32_t>(flags));
    return row;
}

std::vector<Value> AceRow(int32_t objectId, const Bytes& sid, int32_t accessMask, bool inheritable)
{
    std::vector<Value> row(ace_column::kCount);
    row[ace_column::kObjectId] = Value(objectId);
    row[ace_column::kSid] = Value(sid);
    row[ace_column::kAcm] = Value(accessMask);
    row[ace_column::kInheritable] = Value(inheritable);
    return row;
}

std::vector<std::vector<Value>> InitialCatalogRows(double created)
{
    using namespace catalog_id;
    constexpr uint32_t kSystem = 0x80000000;
    return {
        CatalogRow(kTables, kRoot, u"Tables", 3, kSystem, kSidEngine, created),
        CatalogRow(kDatabases, kRoot, u"Databases", 3, kSystem, kSidEngine, created),
        CatalogRow(kRelationships, kRoot, u"Relationships", 3, kSystem, kSidEngine, created),
        CatalogRow(kMSysDb, kDatabases, u"MSysDb", 2, kSystem, kSidAdmin, created),
        CatalogRow(2, kTables, u"MSysObjects", 1, kSystem, kSidEngine, created),
        CatalogRow(3, kTables, u"MSysACEs", 1, kSystem, kSidEngine, created),
        CatalogRow(4, kTables, u"MSysQueries", 1, kSystem, kSidEngine, created),
        CatalogRow(5, kTables, u"MSysRelationships", 1, kSystem, kSidEngine, created),
    };
}

std::vector<std::vector<Value>> InitialAceRows()
{
    using namespace catalog_id;
    // The permissions the engine grants in a new unsecured database, in the
    // order it writes them.
    return {
        AceRow(2, kSidAdmin, 0x00060000, false),
        AceRow(3, kSidAdmin, 0x00060000, false),
        AceRow(4, kSidAdmin, 0x00060000, false),
        AceRow(5, kSidAdmin, 0x000E0000, false),
        AceRow(kTables, kSidCreator, 0x000F00FE, true),
        AceRow(kTables, kSidAdmin, 0x00060001, false),
        AceRow(kRelationships, kSidCreator, 0x000F00FE, true),
        AceRow(kRelationships, kSidAdmin, 0x00060001, false),
        AceRow(kDatabases, kSidAdmin, 0x00060000, false),
        AceRow(kMSysDb, kSidAdmin, 0x0006000E, false),
        AceRow(kMSysDb, kSidUsers, 0x0000000E, false),
        AceRow(4, kSidUsers, 0x00000014, false),
        AceRow(5, kSidUsers, 0x00000014, false),
        AceRow(2, kSidUsers, 0x00000014, false),
        AceRow(kTables, kSidUsers, 0x000FFEFF, true),
        AceRow(kRelationships, kSidUsers, 0x000FFFFF, true),
    };
}

} // namespace jet
