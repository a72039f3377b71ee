#pragma once

#include "io/Pager.h"

#include <jet/Status.h>

#include <string>
#include <vector>

namespace jet {

// One row of the system catalog (MSysObjects) as far as the engine uses it.
struct CatalogEntry {
    std::u16string name;
    int32_t id = 0; // for tables: the table definition page
    int32_t parentId = 0;
    int16_t type = 0;
    uint32_t flags = 0;

    // A local table of the user: in the Tables container, not a system object.
    bool IsUserTable() const;
    bool IsTable() const;
};

// Reads every row of the catalog, in table order.
Result<std::vector<CatalogEntry>> ReadCatalog(Pager& pager);

} // namespace jet
