#!/usr/bin/env bash
# Installs what is missing, builds, generates a demo data directory in demo/
# and runs the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
mkdir -p demo
./build/src/cli/pafdm-cli --help
