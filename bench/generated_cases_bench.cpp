// Runs generated engine cases (random tables, values and edits, read back by
// the engine, its checker, mdbtools and mdb-reader) for a given time from a
// given seed, and prints how many ran, in how long, and what failed, each
// failure shrunk to a small case.
//   generated_cases_bench [--seconds N] [--seed S]
// JET_MDB_READER_DIR names the folder whose node_modules holds mdb-reader.

#include "generated/GeneratedCase.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    double seconds = 60;
    uint64_t seed = static_cast<uint64_t>(std::time(nullptr));
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--seconds")
            seconds = std::strtod(argv[i + 1], nullptr);
        else if (flag == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 0);
    }
    std::string why;
    const jet::test::gen::Readers readers = jet::test::gen::FindReaders(why);
    if (!why.empty())
        std::cout << "note: " << why << "\n";
    char folder[] = "/tmp/generated_cases_XXXXXX";
    if (::mkdtemp(folder) == nullptr)
        return 2;
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    uint64_t cases = 0, rows = 0, refused = 0, failed = 0;
    while (elapsed() < seconds) {
        const jet::test::gen::Case c = jet::test::gen::GenerateCase(seed + cases);
        const jet::test::gen::Outcome o = jet::test::gen::RunCase(c, readers, folder);
        ++cases;
        rows += o.rows;
        refused += o.refused;
        if (!o.passed) {
            ++failed;
            const auto small = jet::test::gen::ShrinkCase(c, readers, folder, 300);
            std::cout << "FAILED seed " << c.seed << ": " << o.failure << "\nshrunk:\n"
                      << jet::test::gen::DescribeCase(small) << "\n";
        }
    }
    std::cout << "generated cases: " << cases << " from seed " << seed << " in " << elapsed() << " s; " << rows
              << " rows written, " << refused << " refusals the model expected, " << failed << " failed\n";
    std::string cleanup = std::string("rm -rf ") + folder;
    (void)std::system(cleanup.c_str());
    return failed == 0 ? 0 : 1;
}
