#pragma once

#include "support/Error.h"

#include <jet/Status.h>

namespace pafdm {

// The engine's failure as the application passes it on (number and description unchanged).
inline Error FromJet(const jet::Status& status)
{
    return Error{status.number(), QString::fromStdString(status.description())};
}

} // namespace pafdm
