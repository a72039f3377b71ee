// Merge throughput at the real data's scale: a full-address data file of N
// rows (Memo addresses, non-unique postcode index) and an update database of
// M rows, half replacing existing postcodes. Prints rows per second, time,
// the bytes written to the file, to its journal and to a private copy, file
// sizes and peak memory for the merge as shipped (one transaction, beside
// the file when it outgrows the cache) and for the same merge kept in place
// (under the journal), then a full scan of the merged table.
// Against those it sets the least any merge could write (the pages that
// differ afterwards, once each, and their originals once to the journal) and
// the time the disk, measured first, takes for either.
//
//   merge_bench [--rows N] [--update-rows M] [--work DIR] [--no-scan]
//               [--only-beside | --only-in-place] [--cache-pages N]
//
// The data file is generated once per DIR and copied for each run.

#include "BenchSupport.h"
#include "support/AppContext.h"
#include "update/ZUpdateData.h"

#include <QCoreApplication>

#include <jet/Database.h>
#include <jet/Diagnostics.h>
#include <jet/Recordset.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using bench::CpuSeconds;
using bench::PeakRssMb;
using bench::Seconds;

namespace {

constexpr size_t kPage = 4096;

// Pages of `after` that differ from `before`, and pages beyond its end: the
// least any merge must write to the file, and (the changed ones) to the
// journal, however its commits fall.
struct PageChanges {
    uint64_t changed = 0;
    uint64_t added = 0;
    uint64_t pages = 0;
};

PageChanges ComparePages(const std::filesystem::path& before, const std::filesystem::path& after)
{
    PageChanges out;
    std::ifstream a(before, std::ios::binary);
    std::ifstream b(after, std::ios::binary);
    std::vector<char> x(kPage);
    std::vector<char> y(kPage);
    while (b.read(y.data(), kPage)) {
        ++out.pages;
        if (!a.read(x.data(), kPage))
            ++out.added;
        else if (x != y)
            ++out.changed;
    }
    return out;
}

// How fast this folder's disk makes writes durable: 256 MB written in order
// and synced (as a journal is), and pages scattered over that file, a few
// thousand at a time, each lot synced (as a commit writes the file).
struct DiskRates {
    double sequentialMBps = 0;
    double scatteredPageUs = 0;
};

DiskRates MeasureDisk(const std::filesystem::path& dir)
{
    DiskRates rates;
    const std::filesystem::path probe = dir / "disk-rate.probe";
    const int fd = ::open(probe.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return rates;
    std::vector<char> block(1 << 20, '\x5a');
    constexpr int kBlocks = 256;
    auto start = std::chrono::steady_clock::now();
    bool ok = true;
    for (int i = 0; i < kBlocks && ok; ++i)
        ok = ::write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size());
    ok = ok && ::fdatasync(fd) == 0;
    if (ok)
        rates.sequentialMBps = kBlocks * block.size() / 1e6 / Seconds(std::chrono::steady_clock::now() - start);

    constexpr uint32_t kFilePages = kBlocks * (1 << 20) / kPage;
    constexpr int kLots = 4;
    constexpr size_t kLotPages = 4096;
    std::mt19937 rng(7);
    start = std::chrono::steady_clock::now();
    for (int lot = 0; lot < kLots && ok; ++lot) {
        std::vector<uint32_t> pages(kLotPages);
        for (uint32_t& n : pages)
            n = static_cast<uint32_t>(rng() % kFilePages);
        std::sort(pages.begin(), pages.end());
        for (size_t i = 0; i < pages.size() && ok; ++i) {
            block[0] = static_cast<char>(lot + i);
            ok = ::pwrite(fd, block.data(), kPage, static_cast<off_t>(pages[i]) * kPage) == static_cast<ssize_t>(kPage);
        }
        ok = ok && ::fdatasync(fd) == 0;
    }
    if (ok)
        rates.scatteredPageUs = Seconds(std::chrono::steady_clock::now() - start) * 1e6 / (kLots * kLotPages);
    ::close(fd);
    std::filesystem::remove(probe);
    return rates;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool noScan = false;
    bool onlyBeside = false;
    bool onlyInPlace = false;
    const bench::BenchScale scale = bench::ParseScale(
        argc, argv, {{"--no-scan", &noScan}, {"--only-beside", &onlyBeside}, {"--only-in-place", &onlyInPlace}});
    jet::OpenOptions shipped{.mayWriteBeside = true};
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cache-pages")
            shipped.cachePages = std::stoul(argv[++i]);
    }
    const bool scan = !noScan;
    const uint32_t rows = scale.rows;
    const uint32_t updateRows = scale.updateRows;
    const std::filesystem::path work = scale.work;
    bench::BenchData prepared;
    if (!bench::PrepareBenchData(work, rows, updateRows, prepared))
        return 1;
    const auto& master = prepared.master;
    const auto& update = prepared.update;
    const auto runDir = work / "run";

    bench::SilentOperator ui;
    pafdm::Clock clock;
    pafdm::AppContext ctx(pafdm::EditionConfig::Quorly(), ui, clock);
    ctx.dataDirectory = QString::fromStdString(runDir.string());
    bool allMerged = true;
    uintmax_t sizeAfter = 0;
    std::filesystem::create_directories(runDir);
    const DiskRates disk = MeasureDisk(runDir);
    std::printf("disk: %.0f MB/s written in order and synced; %.1f us a page scattered, 4096 pages a sync\n",
                disk.sequentialMBps, disk.scatteredPageUs);
    // The merge as shipped last, so the scan reads its file.
    for (const bool beside : {false, true}) {
        if ((beside && onlyInPlace) || (!beside && onlyBeside))
            continue;
        std::filesystem::remove_all(runDir);
        std::filesystem::create_directories(runDir);
        std::filesystem::copy_file(master, runDir / "PAF_FULL.dat");
        std::filesystem::copy_file(update, runDir / "UPDATE_F_20070301.dat");
        const auto sizeBefore = std::filesystem::file_size(runDir / "PAF_FULL.dat");
        // The copies must be on disk before the clock starts, or the merge's
        // own syncs would pay for writing them.
        ::sync();

        pafdm::ZUpdateData engine(ctx);
        jet::OpenOptions options = shipped;
        options.mayWriteBeside = beside;
        engine.SetDataFileOptions(options);
        QString description;
        qint64 count = 0;
        const jet::WriteCounters before = jet::ProcessWriteCounters();
        const bench::CpuTime cpuStart = bench::ProcessCpu();
        const auto start = std::chrono::steady_clock::now();
        const bool merged = engine.UpdateData(ctx.dataDirectory, QStringLiteral("UPDATE_F_20070301.dat"),
                                              QStringLiteral("F"), QStringLiteral("20070301"), description, count);
        const double mergeSeconds = Seconds(std::chrono::steady_clock::now() - start);
        const bench::CpuTime mergeCpu = bench::ProcessCpu() - cpuStart;
        const jet::WriteCounters after = jet::ProcessWriteCounters();
        sizeAfter = std::filesystem::file_size(runDir / "PAF_FULL.dat");
        allMerged = allMerged && merged;
        std::printf("merge %s: %s, %lld update rows into %u rows in %.3f s = %.0f rows/s "
                    "(%.3f s of CPU: %.3f s in the program, %.3f s in the system)\n",
                    beside ? "as shipped" : "kept in place", merged ? "ok" : "FAILED", static_cast<long long>(count),
                    rows, mergeSeconds, count / mergeSeconds, mergeCpu.total(), mergeCpu.user, mergeCpu.system);
        std::printf(
            "  written: %.1f MB to the file or its copy, %.1f MB to the journal, %.1f MB copied, %llu commits\n",
            (after.fileBytes - before.fileBytes) / 1e6, (after.journalBytes - before.journalBytes) / 1e6,
            (after.copyBytes - before.copyBytes) / 1e6,
            static_cast<unsigned long long>(after.commits - before.commits));
        std::printf("  data file %.1f MB before, %.1f MB after; progress repaints %d; peak RSS %ld MB\n",
                    sizeBefore / 1e6, sizeAfter / 1e6, ui.repaints, PeakRssMb());
        // The least this merge could write, whatever its batches: each changed
        // page once to the file (and its original once to the journal).
        const PageChanges changes = ComparePages(master, runDir / "PAF_FULL.dat");
        const double fileLeast = (changes.changed + changes.added) * kPage / 1e6;
        // A merge that went through the journal (in place) saves each original once too.
        const bool journaled = after.journalBytes > before.journalBytes;
        const double least = fileLeast + (journaled ? changes.changed * kPage / 1e6 : 0);
        const double written = (after.fileBytes - before.fileBytes + after.journalBytes - before.journalBytes) / 1e6;
        std::printf("  pages: %llu changed and %llu added of %llu, so at least %.1f MB to write in all; "
                    "written %.2f times that\n",
                    static_cast<unsigned long long>(changes.changed), static_cast<unsigned long long>(changes.added),
                    static_cast<unsigned long long>(changes.pages), least, least > 0 ? written / least : 0.0);
        // No writes reach this disk faster than in order, so these bound the
        // merge's time from below here.
        if (disk.sequentialMBps > 0)
            std::printf("  the disk needs at least %.2f s for these writes, %.2f s for the least\n",
                        written / disk.sequentialMBps, least / disk.sequentialMBps);
    }
    const bool merged = allMerged;

    if (!scan)
        return merged ? 0 : 1;

    // Full scan of the merged table.
    auto db =
        jet::Database::OpenFile((runDir / "PAF_FULL.dat").string(), "tallowmere", jet::OpenOptions{.readOnly = true});
    if (!db.ok()) {
        std::fprintf(stderr, "reopen failed: %s\n", db.status().ToString().c_str());
        return 1;
    }
    const auto scanStart = std::chrono::steady_clock::now();
    auto rs = jet::Recordset::Open(**db, "PAF_FULLAddress", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rs.ok()) {
        std::fprintf(stderr, "scan failed: %s\n", rs.status().ToString().c_str());
        return 1;
    }
    uint64_t scanned = 0;
    uint64_t chars = 0;
    for (; !(*rs)->IsEOF(); (void)(*rs)->MoveNext()) {
        for (int i = 0; i < (*rs)->FieldCount(); ++i) {
            auto value = (*rs)->FieldAt(i);
            if (value.ok() && value->IsText())
                chars += value->As<std::u16string>().size();
        }
        ++scanned;
    }
    const double scanSeconds = Seconds(std::chrono::steady_clock::now() - scanStart);
    std::printf("scan: %llu rows (%llu text characters) in %.3f s = %.0f rows/s, %.0f MB/s of file\n",
                static_cast<unsigned long long>(scanned), static_cast<unsigned long long>(chars), scanSeconds,
                scanned / scanSeconds, sizeAfter / 1e6 / scanSeconds);
    std::printf("peak RSS %ld MB\n", PeakRssMb());
    return merged ? 0 : 1;
}
