#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need:
# the package build's own list (Build-Depends in debian/control, through
# apt-get build-dep, so the two cannot drift apart), build-essential (which
# every package build needs and Build-Depends leaves out), and what only the
# tests, the sanitizer and fuzz stages, the package checks and the demo use.
set -euo pipefail
cd "$(dirname "$0")/.."
extras=(build-essential git dpkg-dev debhelper lintian desktop-file-utils appstream
        xvfb xauth libxcb1-dev libbenchmark-dev clang libclang-rt-14-dev util-linux
        clang-format pmccabe nodejs)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

missing=()
for p in "${extras[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm comes with some builds of Node.js (which then conflict with Debian's
# npm package): it is asked for only where no npm is found.
command -v npm >/dev/null || missing+=(npm)
# dpkg-checkbuilddeps (dpkg-dev) says whether Build-Depends are met; without
# it, or when they are not, apt works it out from debian/control.
build_deps_met=0
if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps debian/control >/dev/null 2>&1; then
    build_deps_met=1
fi
if [ ${#missing[@]} -gt 0 ] || [ $build_deps_met -eq 0 ]; then
    $SUDO apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [ $build_deps_met -eq 0 ]; then
        $SUDO apt-get build-dep -y -qq --no-install-recommends ./
    fi
fi
