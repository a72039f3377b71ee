#pragma once

#include <jet/Database.h>
#include <jet/Status.h>
#include <jet/Value.h>

#include <memory>
#include <string>
#include <vector>

namespace jet {

// A column of a table to create.
struct ColumnSpec {
    std::string name;
    ColumnType type = ColumnType::kText;
    // Text: maximum length in characters (1..255). Ignored for other types.
    uint16_t maxLength = 50;
    // Text and Memo: values may be stored compressed (as Access does by default).
    bool compressedUnicode = true;
    // Long: an AutoNumber column.
    bool autoNumber = false;
    // Decimal: total digits (1..28) and digits after the point (0..precision).
    uint8_t precision = 18;
    uint8_t scale = 0;
};

// An index of a table to create.
struct IndexSpec {
    std::string name;
    std::vector<IndexColumnInfo> columns; // at most 10
    bool primaryKey = false;              // implies unique and required
    bool unique = false;
    bool ignoreNulls = false;
    bool required = false;
};

struct TableSpec {
    std::string name;
    std::vector<ColumnSpec> columns;
    std::vector<IndexSpec> indexes;
};

// Creates a new, empty Jet 4.0 database at `path` (which must not exist) with
// the system tables Access and other readers expect and the database
// password `password` (empty for none; at most 20 characters). The returned
// database is open for writing.
Result<std::unique_ptr<Database>> CreateDatabase(const std::string& path, const std::string& password,
                                                 const OpenOptions& options = {});

// Adds an empty user table with its indexes. Fails without changing the file
// when the name is taken or the specification is invalid.
Status CreateTable(Database& db, const TableSpec& spec);

} // namespace jet
