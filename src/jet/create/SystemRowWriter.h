#pragma once

#include "index/IndexDef.h"
#include "io/Pager.h"

#include <jet/Status.h>
#include <jet/Value.h>

#include <vector>

namespace jet {

// Appends pages and rows for table creation: pages are marked used in the
// global free-page map, and rows of the engine's own tables (the catalog,
// the permissions table) go in with their index entries, usage maps, row
// count and unique-entry counts kept current. Rows hold no long values.
class SystemRowWriter {
public:
    explicit SystemRowWriter(Pager& pager)
        : m_pager(pager)
    {
    }

    // Appends a page with `content` at the end of the file and marks it used.
    Result<PageNumber> AllocatePage(const Page& content);

    // Appends `rows` (values by column number) to the table whose definition
    // starts at `tdefPage`. Every row is encoded and checked against every
    // index (required columns, duplicate keys, keys the encoder cannot
    // build) and every usage-map change is checked before anything is
    // written; a refusal changes nothing. Returns the row ids in order. With
    // `checkOnly` it stops after the checks (and returns no row ids).
    Result<std::vector<RowId>> Append(PageNumber tdefPage, const std::vector<std::vector<Value>>& rows,
                                      bool checkOnly = false);

private:
    Pager& m_pager;
};

} // namespace jet
