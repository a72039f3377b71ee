#pragma once

#include "table/TableDef.h"

#include <jet/Value.h>

#include <string_view>
#include <vector>

namespace jet {

// The four tables every Jet 4.0 database starts with, as the engine itself
// writes them: MSysObjects (the catalog), MSysACEs (permissions),
// MSysQueries and MSysRelationships.
struct SystemColumnSpec {
    std::u16string_view name;
    ColumnType type;
    uint8_t flags;
};

struct SystemIndexSpec {
    std::u16string_view name;
    std::vector<uint16_t> columns; // column numbers, all ascending
    uint8_t flags;
    uint8_t kind; // 1 primary key
};

struct SystemTableSpec {
    std::u16string_view name;
    PageNumber tdefPage;
    std::vector<SystemColumnSpec> columns; // in column-number order
    std::vector<SystemIndexSpec> indexes;  // in real-index order
};

// In definition-page order (pages 2 to 5).
const std::vector<SystemTableSpec>& SystemTables();

// Catalog column numbers the engine fills in.
namespace catalog_column {
constexpr uint16_t kId = 0;
constexpr uint16_t kParentId = 1;
constexpr uint16_t kName = 2;
constexpr uint16_t kType = 3;
constexpr uint16_t kDateCreate = 4;
constexpr uint16_t kDateUpdate = 5;
constexpr uint16_t kOwner = 6;
constexpr uint16_t kFlags = 7;
constexpr uint16_t kCount = 17;
} // namespace catalog_column

namespace ace_column {
constexpr uint16_t kObjectId = 0;
constexpr uint16_t kSid = 1;
constexpr uint16_t kAcm = 2;
constexpr uint16_t kInheritable = 3;
constexpr uint16_t kCount = 4;
} // namespace ace_column

// Catalog ids of the objects of a new database.
namespace catalog_id {
constexpr int32_t kRoot = 0x0F000000;
constexpr int32_t kTables = 0x0F000001;
constexpr int32_t kDatabases = 0x0F000002;
constexpr int32_t kRelationships = 0x0F000003;
constexpr int32_t kMSysDb = 0x10000000;
} // namespace catalog_id

// Columns of a system table laid out as its definition states them, in
// column-number order.
std::vector<ColumnDef> SystemColumnDefs(const SystemTableSpec& table, uint16_t& varColumns);

// A catalog row: values by column number.
std::vector<Value> CatalogRow(int32_t id, int32_t parentId, std::u16string_view name, int16_t type, uint32_t flags,
                              const Bytes& owner, double created);

// A permissions row: values by column number.
std::vector<Value> AceRow(int32_t objectId, const Bytes& sid, int32_t accessMask, bool inheritable);

// The rows a new database's catalog and permissions table start with.
std::vector<std::vector<Value>> InitialCatalogRows(double created);
std::vector<std::vector<Value>> InitialAceRows();

// Access mask Access gives the table owners on a new table.
constexpr int32_t kNewTableAccessMask = 0x000FFEFF;

} // namespace jet
