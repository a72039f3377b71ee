#pragma once

#include <jet/Diagnostics.h>

namespace jet {

class DatabaseImpl;

// Runs every integrity check on an open database and appends what it finds
// to `report`. Never fails: damage is reported, not returned.
void CheckOpenDatabase(DatabaseImpl& db, CheckReport& report);

} // namespace jet
