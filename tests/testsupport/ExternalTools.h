#pragma once

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace pafdm::test {

struct ProcessResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program to its end (at most two minutes) and collects its output.
ProcessResult RunProgram(const QString& program, const QStringList& arguments);

// The engine's inspection tool from this build.
QString JetToolPath();

// True when Debian's mdbtools are installed; under CI (CI set) their
// absence fails the calling test instead.
bool MdbToolsAvailable();

// `pafdm-jet check` on a file; passes when it reports the file consistent.
::testing::AssertionResult JetCheckPasses(const QString& path, const QString& password);

// Row count of a table as `mdb-export` reads it (header line excluded), or
// -1 when mdb-export fails.
int MdbExportRowCount(const QString& path, const QString& table);

} // namespace pafdm::test
