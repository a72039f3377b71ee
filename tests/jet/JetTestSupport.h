#pragma once

#include "testsupport/JetDump.h"

#include <jet/Database.h>
#include <jet/Value.h>

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pafdm::test {

// A database file of the shared fixtures with its password and expected dump.
struct FixtureFile {
    std::string relative; // under the fixtures folder, e.g. "fixtures/jet4/dataset/PAF_FULL.dat"
    std::string password;
    std::string expected; // .jsonl path under the fixtures folder, empty when none
    std::string Name() const; // a gtest-safe name
};
void PrintTo(const FixtureFile& f, std::ostream* os);

// Every fixture database with an expected dump (Access-made and jet4 files).
std::vector<FixtureFile> DumpedFixtures();
// Every database file of the fixtures and samples, with its password.
std::vector<FixtureFile> AllFixtureDatabases();

// Absolute path of a fixture file as a std::string.
std::string FixtureFilePath(const std::string& relative);


// Table names of an expected dump, in first-appearance order.
std::vector<QString> ExpectedTables(const std::string& jsonlRelative);

// Every table of the file holds the same rows (as a multiset) as mdb-export
// prints for it.
::testing::AssertionResult MatchesMdbExport(const std::string& path, const std::string& password);

// Reads the whole file into memory.
std::vector<uint8_t> ReadFileBytes(const std::string& path);

} // namespace pafdm::test
