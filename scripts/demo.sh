#!/usr/bin/env bash
# Installs what is missing, builds, writes a fresh demo data directory demo/
# (the three data files and one waiting update archive per kind, dated a
# month after the data) and runs the program's main job on it: the status,
# the update of the waiting archives, and the status again with the new dates.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Only the programs the demo runs, not the tests and benchmarks.
PAFDM_TARGETS="pafdm-demo pafdm-cli pafdm" bash scripts/build.sh build
rm -rf demo
./build/src/tools/pafdm-demo demo --rows 20000 --update-rows 2000
cli=./build/src/cli/pafdm-cli
echo
echo "== pafdm-cli --data-dir demo status"
$cli --data-dir demo status
echo
echo "== pafdm-cli --data-dir demo apply --yes"
$cli --data-dir demo apply --yes
echo
echo "== pafdm-cli --data-dir demo status"
$cli --data-dir demo status
echo
echo "The desktop program on this data set: (cd demo && ../build/src/gui/pafdm)"
echo "On a machine without a display: (cd demo && xvfb-run ../build/src/gui/pafdm)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/src/gui/pafdm ]; then
    echo "Opening it now."
    (cd demo && nohup ../build/src/gui/pafdm >/dev/null 2>&1 &)
fi
