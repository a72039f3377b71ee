#pragma once

// What the merge and apply benchmarks share: an operator that shows nothing,
// clocks, and the generated data set they both work on.

#include "DemoData.h"
#include "support/Operator.h"
#include "testsupport/SilentOperator.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// Shows nothing; failure messages go to stderr.
struct SilentOperator : pafdm::test::SilentOperator {
    SilentOperator() { printMessages = true; }
};

inline double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// CPU time of the whole process so far: in the program, and in the system
// on its behalf (reads, writes, page faults).
struct CpuTime {
    double user = 0;
    double system = 0;
    double total() const { return user + system; }
    CpuTime operator-(const CpuTime& earlier) const { return {user - earlier.user, system - earlier.system}; }
};

inline CpuTime ProcessCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

inline double CpuSeconds()
{
    return ProcessCpu().total();
}

inline long PeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The scale of a run: --rows N, --update-rows M, --work DIR (the folder the
// generated files are kept in) and the flags in `flags`, which are set when
// present.
struct BenchScale {
    uint32_t rows = 1'800'000;
    uint32_t updateRows = 100'000;
    std::filesystem::path work = std::filesystem::temp_directory_path() / "pafdm-merge-bench";
};

inline BenchScale ParseScale(int argc, char** argv, const std::vector<std::pair<std::string, bool*>>& flags = {})
{
    BenchScale scale;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        bool matched = false;
        for (const auto& [name, target] : flags) {
            if (arg == name) {
                *target = true;
                matched = true;
            }
        }
        if (matched || i + 1 >= argc)
            continue;
        if (arg == "--rows")
            scale.rows = static_cast<uint32_t>(std::stoul(argv[++i]));
        else if (arg == "--update-rows")
            scale.updateRows = static_cast<uint32_t>(std::stoul(argv[++i]));
        else if (arg == "--work")
            scale.work = argv[++i];
    }
    return scale;
}

// The generated full-address data file of `rows` rows and the update
// database of `updateRows` rows for it, made once under `work` and kept.
struct BenchData {
    std::filesystem::path master;
    std::filesystem::path update;
};

inline bool PrepareBenchData(const std::filesystem::path& work, uint32_t rows, uint32_t updateRows, BenchData& out)
{
    std::filesystem::create_directories(work);
    out.master = work / ("PAF_FULL." + std::to_string(rows) + ".master");
    out.update = work / ("UPDATE_F_20070301." + std::to_string(rows) + "." + std::to_string(updateRows));
    if (!std::filesystem::exists(out.master)) {
        std::printf("generating %u-row data file...\n", rows);
        const auto start = std::chrono::steady_clock::now();
        demo::DataSetOptions options;
        options.rows = rows;
        if (jet::Status s = demo::WriteDataFile(demo::Kind::kFull, out.master.string() + ".tmp", options); !s.ok()) {
            std::fprintf(stderr, "generation failed: %s\n", s.ToString().c_str());
            return false;
        }
        std::filesystem::rename(out.master.string() + ".tmp", out.master);
        const double took = Seconds(std::chrono::steady_clock::now() - start);
        std::printf("  generated in %.1f s (%u rows/s through the writer)\n", took, static_cast<unsigned>(rows / took));
    }
    if (!std::filesystem::exists(out.update)) {
        demo::UpdateOptions options;
        options.rows = updateRows;
        options.dataRows = rows;
        if (jet::Status s = demo::WriteUpdateDatabase(demo::Kind::kFull, out.update.string() + ".tmp", options);
            !s.ok()) {
            std::fprintf(stderr, "generation failed: %s\n", s.ToString().c_str());
            return false;
        }
        std::filesystem::rename(out.update.string() + ".tmp", out.update);
    }
    return true;
}

} // namespace bench
