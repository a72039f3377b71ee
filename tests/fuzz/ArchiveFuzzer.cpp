// libFuzzer entry: the input is an update archive as it arrives from the
// update service or the data directory. Unpacking must either refuse it or
// write its members, and only ever below the destination: nothing may appear
// beside it, no link may be created, and a refused archive leaves the
// destination as it found it (empty).
//
//   archive_fuzzer -max_len=65536 -timeout=10 corpus/archive_fuzzer
#include "FuzzSupport.h"

#include "update/Zip.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path g_parent; // holds the archive and the destination, nothing else
fs::path g_archive;
fs::path g_destination;

[[noreturn]] void Fail(const std::string& what, const fs::path& path)
{
    std::fprintf(stderr, "archive fuzzer: %s: %s\n", what.c_str(), path.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const fs::path root = pafdm::fuzz::MakeScratchDirectory("archive");
    g_parent = root / "parent";
    g_destination = g_parent / "destination";
    g_archive = g_parent / "UPDATE_F_20990101.zip";
    fs::create_directories(g_destination);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pafdm::fuzz::ClearDirectory(g_destination);
    pafdm::fuzz::WriteBytes(g_archive, data, size);

    // Small limits keep each run short; the rules are the same at any size.
    pafdm::ArchiveLimits limits;
    limits.maxMembers = 64;
    limits.maxTotalBytes = 8 * 1024 * 1024;
    limits.freeSpaceMargin = 0;
    limits.ratioFloorBytes = 256 * 1024;
    const auto unpacked = pafdm::UnpackArchive(QString::fromStdString(g_archive.string()),
                                               QString::fromStdString(g_destination.string()), limits);

    // Beside the destination there is only the archive, unchanged in size.
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(g_parent, ec)) {
        if (entry.path() != g_archive && entry.path() != g_destination)
            Fail("written outside the destination", entry.path());
    }
    if (ec)
        Fail("cannot list " + ec.message(), g_parent);
    if (!fs::is_directory(fs::symlink_status(g_destination)))
        Fail("destination replaced", g_destination);
    if (fs::file_size(g_archive) != size)
        Fail("archive changed", g_archive);
    for (const auto& entry : fs::directory_iterator(g_parent.parent_path(), ec)) {
        if (entry.path() != g_parent)
            Fail("written above the parent", entry.path());
    }

    // Below it: files and folders only, no leftover temporaries.
    qint64 entries = 0;
    for (auto it = fs::recursive_directory_iterator(g_destination, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        ++entries;
        const fs::file_status status = it->symlink_status();
        if (!fs::is_regular_file(status) && !fs::is_directory(status))
            Fail("neither file nor folder", it->path());
        if (it->path().filename().string().find(".part-") != std::string::npos)
            Fail("temporary left behind", it->path());
    }
    if (!unpacked && entries != 0)
        Fail("refused archive left entries", g_destination);
    return 0;
}
