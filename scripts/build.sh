#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as the first argument)
# with the CMake preset PAFDM_PRESET (default: dev; see CMakePresets.json);
# further arguments go to CMake. PAFDM_TARGETS, when set, names the only
# targets to build (blank-separated).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake --preset "${PAFDM_PRESET:-dev}" -B "$dir" "$@" >/dev/null
targets=()
for target in ${PAFDM_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
