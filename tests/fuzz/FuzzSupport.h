#pragma once

// What the application-layer fuzz targets share: an operator that shows and
// asks nothing, a clock that never sleeps, and scratch folders.
#include "support/Clock.h"
#include "support/Operator.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pafdm::fuzz {

// Every question gets the neutral answer and nothing is shown.
class SilentOperator : public Operator {
public:
    std::optional<int> ShowMessage(const QString&, int, const QString&, bool) override { return 1; }
    UpdateSource AskUpdateSource() override { return UpdateSource::kCancel; }
    void ShowProgress(const QString&) override {}
    void SetProgressCaption(const QString&) override {}
    void SetProgressLabel(const QString&) override {}
    void SetProgressTopMost(bool) override {}
    void SetProgressCancelVisible(bool) override {}
    void RepaintProgress() override {}
    void HideProgress() override {}
    bool TakeCancelRequest() override { return false; }
    void OpenArchiveWindow(bool) override {}
    void SetArchiveCaptions(const QString&, const QString&) override {}
    void SetArchiveProgress(const QString&) override {}
    void CloseArchiveWindow() override {}
    void Yield() override {}
    bool IsKeyDown(int) override { return false; }
    void SetClipboardText(const QString&) override {}
    bool OpenUrl(const QString&) override { return false; }
    void Beep() override {}
    QString MainCaption() const override { return {}; }
    void SetMainCaption(const QString&) override {}
};

// Retry loops must not turn one input into seconds of sleeping.
class NoWaitClock : public Clock {
public:
    void Sleep(std::chrono::milliseconds) override {}
    void BusyPause() override {}
};

// A fresh folder of this process under the temporary directory, removed at exit.
inline std::filesystem::path MakeScratchDirectory(const char* name)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / (std::string("pafdm-fuzz-") + name + "-" + std::to_string(::getpid()));
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
