#pragma once

#include "io/Journal.h"

#include <jet/Database.h>

namespace jet {

// Before a database is opened: deals with a journal beside `path` as
// `options` ask (plays back a hot one, removes a stale or foreign one, or
// refuses). Opens the file for writing for as long as it takes; when it may
// only read it, a hot journal fails with NeedsRecovery.
Result<JournalState> RecoverBeforeOpen(const std::string& path, JournalLocation& location, const OpenOptions& options);

} // namespace jet
