#pragma once

#include <jet/Status.h>
#include <jet/Value.h>

#include <string>
#include <vector>

namespace jet {

// ---- Value text forms used by the inspection tool ----

// Civil date and time of a Date/Time value (days since 1899-12-30, the
// fraction the time of day, also for negative days), rounded to the millisecond.
struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};
// False when the value is not finite or lies outside years 1..9999.
bool SplitDateTime(DateTime value, DateTimeParts& parts);

// "YYYY-MM-DDTHH:MM:SS", with ".fff" only when there are milliseconds.
std::string FormatDateTime(DateTime value);

// A JSON string literal of UTF-8 `text`: quote, backslash, CR, LF and tab
// escaped as \" \\ \r \n \t, other characters below U+0020 as \u00XX.
std::string JsonQuote(std::string_view text);

// One value as JSON: null, true/false, integers, Single/Double as the
// shortest number text that reads back the same value, Currency and Decimal
// as decimal strings with their scale's digits, Date/Time as FormatDateTime,
// Text and Memo as strings, binary as base64, GUID as "{XXXXXXXX-XXXX-...}".
std::string ValueToJson(const Value& value);

// Access's name of a column type ("Text", "Long Integer", "Memo", ...).
std::string ColumnTypeName(ColumnType type);

// ---- Integrity check ----

struct CheckReport {
    std::vector<std::string> problems; // one line each; empty when consistent
    std::vector<std::string> warnings; // findings that Access itself leaves in files
    int tablesChecked = 0;
    int64_t rowsChecked = 0;
    int64_t indexEntriesChecked = 0;
};

// Opens `path` read-only and checks its structures: pages and their types,
// the global free-page map, every table definition, every row reachable and
// decodable, row counts, usage maps against page ownership, long-value
// chains, and every index (entries in order, each pointing at a live row
// holding that key, one entry per row, no duplicates in unique indexes).
// Fails only when the file cannot be opened (missing, not Jet 4.0, wrong
// password); every problem found afterwards goes into the report.
Result<CheckReport> CheckDatabase(const std::string& path, const std::string& password);

// What this process's databases have written since it started, for
// benchmarks: bytes of pages handed to their files, bytes written to their
// journals, and transactions committed.
struct WriteCounters {
    uint64_t fileBytes = 0;
    uint64_t journalBytes = 0;
    uint64_t commits = 0;
    uint64_t copyBytes = 0; // copied into private copies of files, for transactions written beside them
};
WriteCounters ProcessWriteCounters();

} // namespace jet
