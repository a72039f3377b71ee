#pragma once

#include <jet/Database.h>
#include <jet/Status.h>
#include <jet/Value.h>

#include <memory>
#include <string>
#include <vector>

namespace jet {

// A column of a table to create. Names (of tables, columns and indexes) have
// 1 to 64 characters, no control characters, no leading space and none of
// . ! ` [ ]; they are compared without regard to case.
struct ColumnSpec {
    std::string name; // UTF-8
    ColumnType type = ColumnType::kText;
    // Text: maximum length in characters (1..255). Binary: in bytes (1..510).
    // Ignored for other types.
    uint16_t maxLength = 50;
    // Text and Memo: values may be stored compressed (as Access does by default).
    bool compressedUnicode = true;
    // Long: an AutoNumber column.
    bool autoNumber = false;
    // Decimal: total digits (1..28) and digits after the point (0..precision).
    uint8_t precision = 18;
    uint8_t scale = 0;
};

// An index of a table to create. Yes/No and OLE columns cannot be indexed,
// nor Decimal columns in descending order: the engine could not keep such
// an index in order.
struct IndexSpec {
    std::string name;
    std::vector<IndexColumnInfo> columns; // 1 to 10, each column at most once
    bool primaryKey = false;              // implies unique and required; one per table
    bool unique = false;
    bool ignoreNulls = false;
    bool required = false;
};

struct TableSpec {
    std::string name;                // not starting with "MSys", which marks system tables
    std::vector<ColumnSpec> columns; // 1 to 255, numbered in this order
    std::vector<IndexSpec> indexes;  // at most 32
};

// Creates a new, empty Jet 4.0 database at `path` (which must not exist) with
// the system tables Access and other readers expect and the database
// password `password` (UTF-8; empty for none; at most 20 characters). The
// returned database is open for writing. Returns InvalidArgument for an
// existing path (left untouched), read-only `options` or a bad password; on
// an I/O error no partial file is left behind.
Result<std::unique_ptr<Database>> CreateDatabase(const std::string& path, const std::string& password,
                                                 const OpenOptions& options = {});

// Adds an empty user table with its indexes: its definition, usage maps and
// index root pages, and its catalog and permission rows. Fails without
// changing the file when the name is taken (InvalidArgument), a column or
// index is described wrongly (InvalidArgument, naming the first fault), the
// name cannot be keyed in the catalog's index (NotSupported) or `db` is
// read-only or closed. REQUIRES: `db` was opened by this engine.
Status CreateTable(Database& db, const TableSpec& design);

} // namespace jet
