#pragma once

#include "table/Table.h"

#include <jet/Status.h>

namespace jet {

struct RowCursorOptions {
    // Load each row (following an overflow pointer) as the cursor reaches
    // it; a row that fails to load ends the walk with that status. Off, the
    // cursor yields row ids only: the checker loads each row itself so that
    // one unreadable row is reported and the walk goes on, and counting needs
    // no row bytes.
    bool loadRows = true;
};

// Walks the live rows of a table in table order: the data pages its
// owned-pages map lists, ascending, then each page's row slots. Deleted
// slots and the hidden targets of moved rows are skipped (a moved row is
// reached through its own slot). Data pages the map lists that another
// table owns now are passed over, as a scan of Jet does; any other page
// there stops the walk with a corruption status.
//
// Usage:
//   RowCursor c(table);
//   for (c.SeekToFirst(); c.Valid(); c.Next()) { ... c.row() ... }
//   JET_RETURN_IF_ERROR(c.status());
//
// The cursor holds no page between calls, so rows may be written between
// steps; each step starts from the slot after the last row it returned.
class RowCursor {
public:
    explicit RowCursor(Table& table, RowCursorOptions options = {});
    RowCursor(const RowCursor&) = delete;
    RowCursor& operator=(const RowCursor&) = delete;

    void SeekToFirst() { Seek(RowId{0, 0}); }
    // The first live row at or after `from`.
    void Seek(RowId from);
    // REQUIRES: Valid()
    void Next();

    // False at the end and after a failure; status() tells them apart.
    bool Valid() const { return m_valid; }
    const Status& status() const { return m_status; }
    // REQUIRES: Valid()
    RowId id() const { return m_id; }
    // REQUIRES: Valid() and options.loadRows
    const LoadedRow& row() const { return m_row; }

    // The position just after `id` in table order (slot 255 ends a page).
    static RowId After(RowId id);

private:
    void Stop(Status status);

    Table& m_table;
    RowCursorOptions m_options;
    bool m_valid = false;
    Status m_status;
    RowId m_id{0, 0};
    LoadedRow m_row;
};

} // namespace jet
