#pragma once

#include "support/Error.h"

namespace pafdm {

class AppContext;

// Reads Brand.xml in the data directory into ctx.brand. The internet switch
// is first set to "ON"; when the file exists, all six values are taken from
// it, a missing element giving the empty value; without the file the other
// five values keep what they had. An Error (the data directory cannot be
// listed) leaves the values set so far in place.
Expected<Done> GetBrandSettings(AppContext& ctx);

} // namespace pafdm
