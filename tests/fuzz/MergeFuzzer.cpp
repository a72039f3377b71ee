// libFuzzer entry: the input is an update database (damaged or not), merged
// into a small sound data file of its kind the way an update run merges one.
// Whatever the update holds, the merge must end (merged or refused) without
// a crash, and the data file must stay consistent: rows merged before a
// failure stay, but no page, row, index or long value may be left broken.
//
//   merge_fuzzer -max_len=400000 -timeout=10 corpus/merge_fuzzer
#include "FuzzSupport.h"

#include "DemoData.h"
#include "support/AppContext.h"
#include "support/EditionConfig.h"
#include "update/ZUpdateData.h"

#include <jet/Diagnostics.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace {

struct KindFiles {
    demo::Kind kind;
    const char* letter;
    fs::path pristine; // the sound data file, made once
};

fs::path g_work; // where the merge runs
KindFiles g_kinds[] = {
    {demo::Kind::kFull, "F", {}}, {demo::Kind::kThoroughfare, "T", {}}, {demo::Kind::kPostZon, "Z", {}}};

bool Contains(const uint8_t* data, size_t size, std::string_view ascii)
{
    // Column names in table definitions are UTF-16LE; catalog names may be
    // stored compressed, one byte a character. Either form picks the kind.
    std::string wide;
    for (char c : ascii) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    const std::string_view haystack(reinterpret_cast<const char*>(data), size);
    return haystack.find(wide) != std::string_view::npos || haystack.find(ascii) != std::string_view::npos;
}

// The kind whose update this looks like; the full-address kind otherwise.
const KindFiles& PickKind(const uint8_t* data, size_t size)
{
    if (Contains(data, size, "PZ_Postcode") || Contains(data, size, "PAF_PostZon"))
        return g_kinds[2];
    if (Contains(data, size, "PAF_StreetAddress"))
        return g_kinds[1];
    return g_kinds[0];
}

void CheckOrAbort(const fs::path& file, const char* when)
{
    auto report = jet::CheckDatabase(file.string(), "tallowmere");
    if (!report.ok()) {
        std::fprintf(stderr, "%s: data file no longer opens: %s\n", when, report.status().ToString().c_str());
        std::abort();
    }
    if (!report->problems.empty()) {
        std::fprintf(stderr, "%s: data file damaged:\n", when);
        for (const std::string& problem : report->problems)
            std::fprintf(stderr, "  %s\n", problem.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const fs::path root = pafdm::fuzz::MakeScratchDirectory("merge");
    g_work = root / "data";
    fs::create_directories(g_work);
    for (KindFiles& k : g_kinds) {
        k.pristine = root / (std::string("sound_") + k.letter + ".dat");
        demo::DataSetOptions options;
        options.rows = 50;
        options.addressesPerPostcode = 2;
        if (jet::Status s = demo::WriteDataFile(k.kind, k.pristine.string(), options); !s.ok()) {
            std::fprintf(stderr, "cannot make the data file: %s\n", s.ToString().c_str());
            std::abort();
        }
        CheckOrAbort(k.pristine, "generated");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace pafdm;
    const KindFiles& kind = PickKind(data, size);
    pafdm::fuzz::ClearDirectory(g_work);
    const QString updateName = QStringLiteral("UPDATE_%1_20990101.dat").arg(QLatin1String(kind.letter));
    pafdm::fuzz::WriteBytes(g_work / updateName.toStdString(), data, size);
    const fs::path dataFile = g_work / demo::FileName(kind.kind);
    fs::copy_file(kind.pristine, dataFile);

    fuzz::SilentOperator ui;
    fuzz::NoWaitClock clock;
    AppContext ctx(EditionConfig::Quorly(), ui, clock);
    ctx.dataDirectory = QString::fromStdString(g_work.string());
    ZUpdateData engine(ctx);
    QString description;
    qint64 count = 0;
    const bool merged = engine.UpdateData(ctx.dataDirectory, updateName, QLatin1String(kind.letter),
                                          QStringLiteral("20990101"), description, count);
    static const bool verbose = std::getenv("MERGE_FUZZER_VERBOSE") != nullptr;
    if (verbose)
        std::fprintf(stderr, "kind %s: %s, %lld update rows; at %s\n", kind.letter, merged ? "merged" : "refused",
                     static_cast<long long>(count), ctx.StageMarker.toUtf8().constData());
    CheckOrAbort(dataFile, "after the merge");
    return 0;
}
