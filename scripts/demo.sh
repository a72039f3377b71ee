#!/usr/bin/env bash
# Installs what is missing, builds, writes a fresh demo data directory demo/
# and runs the program on it: the status, a merge of each kind's update
# database, and the status again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
rm -rf demo
./build/src/tools/pafdm-demo demo --rows 20000 --update-rows 2000 --unpacked
cli=./build/src/cli/pafdm-cli
echo
echo "== pafdm-cli --data-dir demo status"
$cli --data-dir demo status
for kind in F T Z; do
    echo
    echo "== pafdm-cli --data-dir demo merge UPDATE_${kind}_20070201.dat $kind 20070201"
    $cli --data-dir demo merge "UPDATE_${kind}_20070201.dat" "$kind" 20070201
    rm -f "demo/UPDATE_${kind}_20070201.dat"
done
echo
echo "== pafdm-cli --data-dir demo status"
$cli --data-dir demo status
echo
echo "The desktop program: (cd demo && ../build/src/gui/pafdm)   (under Xvfb: xvfb-run)"
