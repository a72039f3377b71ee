#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace jet::test {

// A database file of the shared fixtures with its password and expected dump.
struct FixtureFile {
    std::string relative; // under the fixtures folder, e.g. "fixtures/jet4/dataset/PAF_FULL.dat"
    std::string password;
    std::string expected;     // .jsonl path under the fixtures folder, empty when none
    std::string Name() const; // a gtest-safe name
};
void PrintTo(const FixtureFile& f, std::ostream* os);

// Every fixture database with an expected dump (Access-made and jet4 files).
std::vector<FixtureFile> DumpedFixtures();
// Every database file of the fixtures and samples, with its password.
std::vector<FixtureFile> AllFixtureDatabases();

// Absolute path of a fixture file.
std::string FixtureFilePath(const std::string& relative);

// Every table of the file holds the same rows (as a multiset) as mdb-export
// prints for it (defined with the mdb-export tests).
::testing::AssertionResult MatchesMdbExport(const std::string& path, const std::string& password);

// Reads the whole file into memory.
std::vector<uint8_t> ReadFileBytes(const std::string& path);

} // namespace jet::test
