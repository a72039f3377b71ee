// One whole update run at the real data's scale: the archive UPDATE_F_20070301.zip
// holding an update database of M rows waits beside a full-address data file of
// N rows; the run lists it, unpacks and deletes it, merges the database and
// deletes it. Prints the time of each phase and how much unpacking adds to the
// merge.
//
//   apply_bench [--rows N] [--update-rows M] [--work DIR]
//
// The data file and update database are generated once per DIR (shared with
// merge_bench) and copied for each run.

#include "BenchSupport.h"
#include "dataset/ZSundryVars.h"
#include "dataset/zManager.h"
#include "net/frmInternetAccessForm.h"
#include "net/zInternet.h"
#include "support/AppContext.h"
#include "update/ZUpdateData.h"

#include <QCoreApplication>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

using bench::Seconds;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bench::BenchScale scale = bench::ParseScale(argc, argv);
    const uint32_t rows = scale.rows;
    const uint32_t updateRows = scale.updateRows;
    const std::filesystem::path work = scale.work;
    bench::BenchData prepared;
    if (!bench::PrepareBenchData(work, rows, updateRows, prepared))
        return 1;
    const auto archive =
        work / ("UPDATE_F_20070301." + std::to_string(rows) + "." + std::to_string(updateRows) + ".zip");
    if (!std::filesystem::exists(archive)) {
        const auto member = work / "UPDATE_F_20070301.dat";
        std::filesystem::copy_file(prepared.update, member, std::filesystem::copy_options::overwrite_existing);
        if (jet::Status s = demo::ZipSingleFile(member.string(), archive.string()); !s.ok()) {
            std::fprintf(stderr, "archive: %s\n", s.ToString().c_str());
            return 1;
        }
        std::filesystem::remove(member);
    }

    const auto runDir = work / "apply-run";
    std::filesystem::remove_all(runDir);
    std::filesystem::create_directories(runDir);
    std::filesystem::copy_file(prepared.master, runDir / "PAF_FULL.dat");
    std::filesystem::copy_file(archive, runDir / "UPDATE_F_20070301.zip");
    // The copies must be on disk before the clock starts.
    ::sync();

    using Clock = std::chrono::steady_clock;
    Clock::time_point listed{}, unpacking{}, merging{}, merged{};
    bench::SilentOperator ui;
    ui.onProgress = [&](const char* what, const QString& text) {
        const std::string kind = what;
        if (kind == "show")
            listed = Clock::now();
        else if (kind == "label" && text.startsWith(QLatin1String("Unziping file:")))
            unpacking = Clock::now();
        else if (kind == "label" && text == QLatin1String("Opening data files"))
            merging = Clock::now();
        else if (kind == "hide" && merged == Clock::time_point{})
            merged = Clock::now();
    };
    pafdm::Clock clock;
    pafdm::AppContext ctx(pafdm::EditionConfig::Quorly(), ui, clock);
    ctx.dataDirectory = QString::fromStdString(runDir.string());
    ctx.brand.applicationName = QStringLiteral("apply_bench");

    pafdm::ZSundryVars sundry(ctx);
    pafdm::zManager manager(ctx, sundry);
    pafdm::Transfers transfers;
    pafdm::zInternet internet(ctx, transfers);

    const auto start = Clock::now();
    const double cpuStart = bench::CpuSeconds();
    const pafdm::Expected<pafdm::UpdateOutcome> outcome =
        pafdm::UpdateData(ctx, manager, internet, true, ctx.brand.applicationName, ctx.dataDirectory, true);
    const auto end = Clock::now();
    const double cpu = bench::CpuSeconds() - cpuStart;
    const bool ok = outcome.ok() && outcome.value().applied == 1 && !outcome.value().Failed();

    const double list = Seconds(listed - start);
    const double unpack = Seconds(merging - unpacking);
    const double merge = Seconds(merged - merging);
    std::printf("apply: %s, one archive of %u update rows into %u rows in %.3f s (%.3f s of CPU)\n",
                ok ? "ok" : "FAILED", updateRows, rows, Seconds(end - start), cpu);
    std::printf("  archive %.1f MB holding %.1f MB\n", std::filesystem::file_size(archive) / 1e6,
                std::filesystem::file_size(prepared.update) / 1e6);
    std::printf("  list (lock, data dates, listing) %.3f s\n", list);
    std::printf("  unpack and delete the archive     %.3f s\n", unpack);
    std::printf("  merge and delete the database     %.3f s\n", merge);
    std::printf("  report and close                  %.3f s\n", Seconds(end - merged));
    std::printf("  unpacking adds %.0f%% to the merge's time; peak RSS %ld MB\n", 100.0 * unpack / merge,
                bench::PeakRssMb());
    return ok ? 0 : 1;
}
