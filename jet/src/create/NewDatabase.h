#pragma once

#include "io/PageStore.h"

#include <jet/Status.h>

#include <string>
#include <vector>

namespace jet {

// The pages of a new, empty Jet 4.0 database: header, global free-page map,
// the four system tables with their usage maps, index pages and the initial
// catalog and permission rows. `created` (an Access date) is stored as the
// creation date, seeds the password mask and dates the catalog rows.
// Returns InvalidArgument when `password` has more than 20 characters or
// contains U+0000.
Result<std::vector<Page>> BuildEmptyDatabase(std::u16string_view password, double created);

// The current local time as an Access date (days since 1899-12-30).
double CurrentAccessDate();

} // namespace jet
