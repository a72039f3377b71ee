#pragma once

#include <jet/Status.h>

#include <cstdint>
#include <string>

namespace demo {

// The three kinds of data file a data set holds.
enum class Kind { kFull, kThoroughfare, kPostZon };

struct DataSetOptions {
    uint32_t rows = 2000; // rows of each data table
    std::string dataDate = "20070101";
    uint32_t seed = 1;
    // Each address memo holds this many addresses on average (one per line).
    uint32_t addressesPerPostcode = 3;
};

struct UpdateOptions {
    uint32_t rows = 200;       // rows of the update table
    double replaceShare = 0.5; // share of rows whose postcode is already in the data file
    uint32_t dataRows = 2000;  // rows of the data file the update is made for
    uint32_t seed = 2;
    uint32_t addressesPerPostcode = 3;
};

// File name ("PAF_FULL.dat", ...), table and key column of a kind.
const char* FileName(Kind kind);
const char* TableName(Kind kind);
char Letter(Kind kind);

// The i-th postcode of the generator's sequence ("AB1 0AA", ...); the data
// files hold postcodes 0..rows-1 in that order.
std::string PostcodeAt(uint32_t index);

// Writes a data file of `kind` at `path` (which must not exist) with its
// version table (row 2 holds the data date) and its address table and indexes.
jet::Status WriteDataFile(Kind kind, const std::string& path, const DataSetOptions& options);

// Writes an update database of `kind`: the address table alone, rows in a
// shuffled order, a share of them replacing postcodes of the data file.
jet::Status WriteUpdateDatabase(Kind kind, const std::string& path, const UpdateOptions& options);

// Packs `memberPath` into a new ZIP archive `zipPath` under its file name.
jet::Status ZipSingleFile(const std::string& memberPath, const std::string& zipPath);

} // namespace demo
