#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jet::test {

struct ProcessResult {
    int exitCode = -1; // -1 when it could not be started or did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` (found on PATH unless it holds a '/') with `arguments` and
// waits for it.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

// The engine's inspection tool as built with the tests.
std::string JetToolPath();

// True when mdbtools' mdb-export is installed; under CI (CI set) its
// absence fails the calling test instead.
bool MdbToolsAvailable();

// `pafdm-jet check` passes on the file.
::testing::AssertionResult JetCheckPasses(const std::string& path, const std::string& password);

// The number of records mdb-export prints for `table`, -1 when it fails.
int MdbExportRowCount(const std::string& path, const std::string& table);

// Text helpers for what the tools print.
inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
// The pieces of `text` between `separator`s, empty ones left out unless kept.
std::vector<std::string> Split(const std::string& text, char separator, bool keepEmpty = false);
// `text` without white space at either end.
std::string Trimmed(const std::string& text);

} // namespace jet::test
