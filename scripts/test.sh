#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice:
# once as released, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")
bash scripts/build.sh build-asan -DWITH_SANITIZERS=ON -DENABLE_WERROR=ON -DBUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$(nproc)")
echo "All tests passed."
