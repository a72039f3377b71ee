#pragma once

#include <jet/Status.h>
#include <jet/Value.h>

#include <optional>
#include <string>

namespace jet {

// What a record set is opened on: a table, optionally filtered by one
// equality "WHERE [column] = literal".
struct QuerySource {
    std::u16string table;
    struct Filter {
        std::u16string column;
        Value literal; // int32_t/double for numbers, u16string for quoted text
    };
    std::optional<Filter> filter;
};

// Parses a bare table name, "[table]", or "SELECT * From <table> [WHERE
// <column> = <literal>] [;]" (keywords in any case, names bracketed or
// plain). Anything else is refused with the syntax error Jet reports.
Result<QuerySource> ParseQuerySource(const std::string& source);

} // namespace jet
