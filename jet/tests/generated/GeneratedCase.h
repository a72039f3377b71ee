#pragma once

// Generated test cases for the engine's writes: a random table, random rows
// and a random sequence of edits, run against the engine and read back by
// independent readers. A case is a plain value made from a seed, so the seed
// alone reproduces it, and a failing case can be made smaller and printed.

#include <jet/Create.h>
#include <jet/Value.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace jet::test::gen {

struct Step {
    enum class Kind {
        kAdd,     // a new row: `values`, one per column (null leaves an AutoNumber to the engine)
        kReplace, // the `target`-th row of the model takes `changes`
        kCommit,  // Flush()
        kAbandon, // an interrupted transaction: Abandon() and open the file again
        kReopen,  // Close() and open the file again
    };
    Kind kind = Kind::kAdd;
    std::vector<Value> values;
    size_t target = 0;
    std::vector<std::pair<size_t, Value>> changes;
};

struct Case {
    uint64_t seed = 0;
    TableSpec table;
    std::vector<Step> steps;
};

// The case made from `seed`; the same seed always makes the same case.
Case GenerateCase(uint64_t seed);

// The readers a case is checked with, besides the engine itself and its
// checker: mdbtools (mdb-export, mdb-schema) and mdb-reader under node.
struct Readers {
    bool mdbtools = false;
    std::string mdbReaderScript;  // the dump script; empty: mdb-reader not used
    std::string mdbReaderModules; // folder holding node_modules/mdb-reader
};

// Finds the readers installed here. `why` says what is missing.
Readers FindReaders(std::string& why);

struct Outcome {
    bool passed = true;
    std::string failure; // the first disagreement found
    size_t rows = 0;     // rows the table held at the end
    size_t refused = 0;  // rows and edits the engine refused, as the model expected
};

// Runs `c` in a fresh file under `folder` and checks every row and value with
// every oracle: the in-memory model, reading back after reopening, the
// checker, and the external readers of `readers`.
Outcome RunCase(const Case& c, const Readers& readers, const std::string& folder);

// A smaller case that still fails the way `c` does (same first words of the
// failure), found by dropping steps, indexes and columns and by shortening
// values, within `attempts` runs.
Case ShrinkCase(const Case& c, const Readers& readers, const std::string& folder, int attempts);

// The case as text a developer can read and turn into a regression test.
std::string DescribeCase(const Case& c);

} // namespace jet::test::gen
