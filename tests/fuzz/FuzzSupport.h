#pragma once

// What the application-layer fuzz targets share: an operator that shows and
// asks nothing, a clock that never sleeps, and scratch folders.
#include "support/Clock.h"
#include "support/Operator.h"
#include "testsupport/SilentOperator.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pafdm::fuzz {

using SilentOperator = test::SilentOperator;

// Retry loops must not turn one input into seconds of sleeping.
class NoWaitClock : public Clock {
public:
    void Sleep(std::chrono::milliseconds) override { }
    void BusyPause() override { }
};

// A fresh folder of this process under the temporary directory, removed at exit.
inline std::filesystem::path MakeScratchDirectory(const char* name)
{
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / (std::string("pafdm-fuzz-") + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    static std::vector<fs::path> toRemove;
    static const bool registered = [] {
        std::atexit([] {
            std::error_code ec;
            for (const fs::path& p : toRemove)
                fs::remove_all(p, ec);
        });
        return true;
    }();
    (void)registered;
    toRemove.push_back(dir);
    return dir;
}

// Removes everything inside `dir`, keeping `dir` itself.
inline void ClearDirectory(const std::filesystem::path& dir)
{
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

inline void WriteBytes(const std::filesystem::path& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

} // namespace pafdm::fuzz
