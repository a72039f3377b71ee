#pragma once

#include <jet/Value.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace jet::test {

using Json = nlohmann::json;

// A value as the fixture dumps write it: text as strings, integer types as
// numbers, Currency and Decimal as numbers, dates as "yyyy-MM-ddTHH:mm:ss",
// binary as "hex:...", null as null.
Json FixtureJson(const jet::Value& value);

// Every row of `table` in table order as JSON objects, values as the fixture
// dumps write them. Fails the calling test when the file or table cannot be
// read.
std::vector<Json> ReadTableRows(const std::string& path, const std::string& password, const std::string& table);

// The rows of `table` (letter case aside) in a fixture dump file: lines of
// {"table": ..., "row": {...}}.
std::vector<Json> ReadExpectedRows(const std::string& jsonlPath, const std::string& table);

// The table names of a fixture dump file, in first-appearance order.
std::vector<std::string> ExpectedTables(const std::string& jsonlPath);

// Row lists equal in order; numbers compared by value, so 3 and 3.0 agree.
::testing::AssertionResult SameRows(const std::vector<Json>& actual, const std::vector<Json>& expected);

} // namespace jet::test
