#pragma once

#include "dataset/ZSundryVars.h"
#include "dataset/zManager.h"
#include "net/frmInternetAccessForm.h"
#include "net/zInternet.h"

namespace pafdm {

class AppContext;

// The program's single instances of its stateful classes, made once by its
// entry point (the desktop program, the command line) for its context and
// handed to whoever needs them: the state file, the data-set manager that
// records into it, the transfers and the update-service client.
struct Program {
    explicit Program(AppContext& ctx)
        : sundry(ctx)
        , manager(ctx, sundry)
        , internet(ctx, transfers)
    { }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ZSundryVars sundry;
    zManager manager;
    Transfers transfers;
    zInternet internet;
};

} // namespace pafdm
