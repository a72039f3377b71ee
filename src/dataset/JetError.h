#pragma once

#include "support/AppContext.h"
#include "support/Error.h"
#include "support/Logging.h"

#include <jet/Database.h>
#include <jet/Status.h>

namespace pafdm {

// The engine's failure as the application passes it on (number and description unchanged).
inline Error FromJet(const jet::Status& status)
{
    return Error{status.number(), QString::fromStdString(status.description())};
}

// Records in the activity log what opening `db` did about a write to it that
// was interrupted (a journal played back or removed), if anything.
inline void LogRecovery(AppContext& ctx, const jet::Database& db)
{
    if (db.recovery().resolved)
        LogActivity(ctx, QString::fromStdString(db.recovery().Describe(db.path())));
}

} // namespace pafdm
