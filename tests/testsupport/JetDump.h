#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <QString>
#include <jet/Value.h>

#include <vector>

namespace pafdm::test {

// A value as the fixture dumps write it: text as strings, integer types as
// numbers, Currency and Decimal as numbers, dates as "yyyy-MM-ddTHH:mm:ss",
// binary as "hex:...", null as null.
QJsonValue FixtureJson(const jet::Value& value);

// Every row of `table` in table order as JSON objects, values as the fixture
// dumps write them (text as strings, integers as numbers, null as null).
// Fails the calling test when the file or table cannot be read.
std::vector<QJsonObject> ReadTableRows(const QString& path, const QString& password, const QString& table);

// The rows of `table` in a fixture dump file (lines of {"table":..,"row":{..}}).
std::vector<QJsonObject> ReadExpectedRows(const QString& jsonlPath, const QString& table);

} // namespace pafdm::test

#include <gtest/gtest.h>

namespace pafdm::test {

// Row lists equal in order; numbers compared by value, so 3 and 3.0 agree.
::testing::AssertionResult SameRows(const std::vector<QJsonObject>& actual, const std::vector<QJsonObject>& expected);

} // namespace pafdm::test
