// pafdm-demo: writes a demo data directory: the three data files and one
// update archive per kind.

#include "DemoData.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

void PrintUsage(std::FILE* to)
{
    std::fputs("Usage: pafdm-demo DIR [--rows N] [--update-rows M] [--seed S] [--unpacked]\n\n"
               "Writes a demo data set into DIR (created if needed): PAF_FULL.dat, PAF_THOURGHFARE.dat and\n"
               "PAF_POSTZON.dat with N rows each (default 2000, data date 20070101), and the update archives\n"
               "UPDATE_F_20070201.zip, UPDATE_T_20070201.zip and UPDATE_Z_20070201.zip of M rows each\n"
               "(default 200), half of them replacing existing postcodes. With --unpacked the update\n"
               "databases are also left unpacked beside their archives. Existing files are replaced.\n\n"
               "Exit status: 0 written, 1 a file could not be written, 2 usage error.\n",
               to);
}

bool ParseCount(const char* text, uint32_t& out)
{
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value > 50'000'000UL)
        return false;
    out = static_cast<uint32_t>(value);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dir;
    uint32_t rows = 2000;
    uint32_t updateRows = 200;
    uint32_t seed = 1;
    bool unpacked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout);
            return 0;
        }
        if ((arg == "--rows" || arg == "--update-rows" || arg == "--seed") && i + 1 < argc) {
            uint32_t& target = arg == "--rows" ? rows : arg == "--seed" ? seed : updateRows;
            if (!ParseCount(argv[++i], target)) {
                std::fprintf(stderr, "pafdm-demo: %s needs a number\n", arg.c_str());
                return 2;
            }
        } else if (arg == "--unpacked") {
            unpacked = true;
        } else if (dir.empty() && !arg.starts_with("-")) {
            dir = arg;
        } else {
            PrintUsage(stderr);
            return 2;
        }
    }
    if (dir.empty()) {
        PrintUsage(stderr);
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::filesystem::path root(dir);
    for (demo::Kind kind : {demo::Kind::kFull, demo::Kind::kThoroughfare, demo::Kind::kPostZon}) {
        const std::filesystem::path dataFile = root / demo::FileName(kind);
        std::filesystem::remove(dataFile, ec);
        demo::DataSetOptions data;
        data.rows = rows;
        data.seed = seed;
        if (jet::Status s = demo::WriteDataFile(kind, dataFile.string(), data); !s.ok()) {
            std::fprintf(stderr, "pafdm-demo: %s: %s\n", dataFile.c_str(), s.description().c_str());
            return 1;
        }
        const std::string base = std::string("UPDATE_") + demo::Letter(kind) + "_20070201";
        const std::filesystem::path updateFile = root / (base + ".dat");
        std::filesystem::remove(updateFile, ec);
        demo::UpdateOptions update;
        update.rows = updateRows;
        update.dataRows = rows;
        update.seed = seed + 1;
        if (jet::Status s = demo::WriteUpdateDatabase(kind, updateFile.string(), update); !s.ok()) {
            std::fprintf(stderr, "pafdm-demo: %s: %s\n", updateFile.c_str(), s.description().c_str());
            return 1;
        }
        if (jet::Status s = demo::ZipSingleFile(updateFile.string(), (root / (base + ".zip")).string()); !s.ok()) {
            std::fprintf(stderr, "pafdm-demo: %s\n", s.description().c_str());
            return 1;
        }
        if (!unpacked)
            std::filesystem::remove(updateFile, ec);
        std::printf("%s: %u rows; %s.zip: %u rows\n", dataFile.c_str(), rows, base.c_str(), updateRows);
    }
    return 0;
}
