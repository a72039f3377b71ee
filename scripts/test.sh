#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice:
# once as released, once with AddressSanitizer and UndefinedBehaviorSanitizer.
# Then each libFuzzer target (clang) replays its seed corpus once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")
bash scripts/build.sh build-asan -DWITH_SANITIZERS=ON -DENABLE_WERROR=ON -DBUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$(nproc)")

# Every fuzz target over its seed corpus: a crash, sanitizer report, leak or
# hang (10 s per input) fails the run. Needs clang and its runtimes; outside
# CI a machine without clang skips the stage.
if command -v clang >/dev/null && command -v clang++ >/dev/null; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    CC=clang CXX=clang++ cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_FUZZERS=ON -DBUILD_GUI=OFF -DBUILD_BENCHMARKS=OFF -DBUILD_TESTING=ON >/dev/null
    cmake --build build-fuzz -j "$(nproc)" --target fuzzers
    for target in jet_open_fuzzer merge_fuzzer archive_fuzzer text_fuzzer; do
        echo "fuzz corpus replay: $target"
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            "build-fuzz/tests/fuzz/$target" -runs=0 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="build-fuzz/$target-" "tests/fuzz/corpus/$target"
    done
elif [ -n "${CI:-}" ]; then
    echo "The fuzz stage needs clang (Debian: clang, libclang-rt-14-dev)." >&2
    exit 1
else
    echo "clang not found: fuzz corpus replay skipped."
fi
echo "All tests passed."
