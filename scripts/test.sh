#!/usr/bin/env bash
# Installs what is missing, checks the source's format and function lengths,
# builds, and runs the whole test suite twice:
# once as released, once with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the engine's own suite once more with the engine built alone, no Qt.
# Then each libFuzzer target (clang) replays its seed corpus once, and the
# Debian packages are built from the committed tree (running the suite once
# more) and checked with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The source's shape first: its format and the length of the engine's and
# the update run's functions.
bash scripts/check-source.sh
# mdb-reader, the JavaScript Jet reader the generated cases are read back
# with, from the npm registry into a cache folder. Outside CI a failed install
# only leaves that reader out.
JET_MDB_READER_DIR=${JET_MDB_READER_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/pafdm/mdb-reader}
export JET_MDB_READER_DIR
if [ ! -f "$JET_MDB_READER_DIR/node_modules/mdb-reader/package.json" ]; then
    mkdir -p "$JET_MDB_READER_DIR"
    (cd "$JET_MDB_READER_DIR" && npm install --no-audit --no-fund --silent mdb-reader@3) || {
        [ -z "${CI:-}" ] || { echo "mdb-reader could not be installed from npm." >&2; exit 1; }
        echo "mdb-reader not installed: the generated cases leave it out."
    }
fi
PAFDM_PRESET=ci bash scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")

# The engine alone, as the project of its own it is, with Qt out of reach.
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S jet -B build-jet "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build build-jet -j "$(nproc)"
(cd build-jet && ctest --output-on-failure -j "$(nproc)")
PAFDM_PRESET=asan bash scripts/build.sh build-asan
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$(nproc)")

# Every fuzz target over its seed corpus: a crash, sanitizer report, leak or
# hang (10 s per input) fails the run. Needs clang and its runtimes; outside
# CI a machine without clang skips the stage.
if command -v clang >/dev/null && command -v clang++ >/dev/null; then
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

# The packages, as a user builds them (a git checkout is needed for the
# committed tree; a copy without git skips the stage outside CI).
if git rev-parse --git-dir >/dev/null 2>&1; then
    bash scripts/package.sh
elif [ -n "${CI:-}" ]; then
    echo "The package stage needs a git checkout." >&2
    exit 1
else
    echo "not a git checkout: package build skipped."
fi
echo "All tests passed."
