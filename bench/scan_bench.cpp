// Full-scan throughput of the engine's record set: every row and every field
// of one table, in table order. Prints rows per second and megabytes per
// second, and the time Debian's mdb-export needs for the same table in the
// same run.
//
//   scan_bench [FILE TABLE [PASSWORD]] [--repeat N]
//
// Without FILE it scans the largest fixture table (PAF_FULLAddress of
// fixtures/jet4/dataset/PAF_FULL.dat).

#include <jet/Database.h>
#include <jet/Recordset.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Bytes of field data a reader gets back (text as UTF-16).
size_t ValueBytes(const jet::Value& v)
{
    if (v.IsText())
        return v.As<std::u16string>().size() * 2;
    if (v.Is<jet::Bytes>())
        return v.As<jet::Bytes>().size();
    if (v.IsNull())
        return 0;
    return 8;
}

struct ScanResult {
    long rows = 0;
    size_t bytes = 0;
    double seconds = 0;
    bool ok = false;
};

ScanResult Scan(const std::string& path, const std::string& table, const std::string& password)
{
    ScanResult r;
    const auto start = Clock::now();
    auto db = jet::Database::OpenFile(path, password, jet::OpenOptions{.readOnly = true});
    if (!db.ok()) {
        std::fprintf(stderr, "cannot open %s: %s\n", path.c_str(), db.status().ToString().c_str());
        return r;
    }
    auto rs = jet::Recordset::Open(**db, "[" + table + "]", jet::CursorType::kStatic, jet::LockType::kReadOnly);
    if (!rs.ok()) {
        std::fprintf(stderr, "cannot open %s: %s\n", table.c_str(), rs.status().ToString().c_str());
        return r;
    }
    jet::Recordset& set = **rs;
    const int fields = set.FieldCount();
    while (!set.IsEOF()) {
        for (int i = 0; i < fields; ++i) {
            auto v = set.FieldAt(i);
            if (!v.ok()) {
                std::fprintf(stderr, "read failed: %s\n", v.status().ToString().c_str());
                return r;
            }
            r.bytes += ValueBytes(*v);
        }
        ++r.rows;
        if (!set.MoveNext().ok())
            return r;
    }
    r.seconds = Seconds(start);
    r.ok = true;
    return r;
}

// Wall time of `mdb-export FILE TABLE > /dev/null`, or a negative value.
double TimeMdbExport(const std::string& path, const std::string& table)
{
    const auto start = Clock::now();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout))
            _exit(127);
        execlp("mdb-export", "mdb-export", path.c_str(), table.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return Seconds(start);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> positional;
    int repeat = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--repeat" && i + 1 < argc)
            repeat = std::atoi(argv[++i]);
        else
            positional.push_back(arg);
    }
    std::string path = std::string(PAFDM_FIXTURES_DIR) + "/fixtures/jet4/dataset/PAF_FULL.dat";
    std::string table = "PAF_FULLAddress";
    std::string password = "tallowmere";
    if (positional.size() >= 2) {
        path = positional[0];
        table = positional[1];
        password = positional.size() >= 3 ? positional[2] : "";
    }
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "no such file: %s\n", path.c_str());
        return 1;
    }
    // Small tables are scanned several times so the figure is not noise.
    ScanResult first = Scan(path, table, password);
    if (!first.ok)
        return 1;
    if (repeat <= 0)
        repeat = first.seconds < 0.2 ? static_cast<int>(0.5 / std::max(first.seconds, 1e-4)) + 1 : 1;
    ScanResult best = first;
    for (int i = 1; i < repeat; ++i) {
        ScanResult r = Scan(path, table, password);
        if (r.ok && r.seconds < best.seconds)
            best = r;
    }
    const double fileMb = static_cast<double>(st.st_size) / 1e6;
    std::printf("scan of %s in %s (%.1f MB file), best of %d:\n", table.c_str(), path.c_str(), fileMb, repeat);
    std::printf("  rows:      %ld\n", best.rows);
    std::printf("  time:      %.4f s (open, read every field of every row)\n", best.seconds);
    std::printf("  rows/s:    %.0f\n", static_cast<double>(best.rows) / best.seconds);
    std::printf("  MB/s:      %.1f of field data (%.1f MB), %.1f of file\n",
                static_cast<double>(best.bytes) / 1e6 / best.seconds, static_cast<double>(best.bytes) / 1e6,
                fileMb / best.seconds);
    const double mdb = TimeMdbExport(path, table);
    if (mdb < 0)
        std::printf("  mdb-export: not available\n");
    else
        std::printf("  mdb-export: %.4f s for the same table (%.1fx our time)\n", mdb, mdb / best.seconds);
    return 0;
}
