#!/usr/bin/env bash
# Builds the Debian packages pafdm and pafdm-cli from a clean copy of the
# committed tree (into packages/) and checks them with lintian, which must
# report no error. The package build runs the test suite too (dh_auto_test).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
echo "== desktop entry and metainfo"
desktop-file-validate dist/pafdm.desktop
appstreamcli validate --no-net --pedantic dist/org.pafdm.pafdm.metainfo.xml
# The package is built away from the checkout: its tests must still find the
# shared fixtures beside it.
if [ -z "${PAFDM_FIXTURES_DIR:-}" ] && [ -d "$root/../shared/fixtures" ]; then
    export PAFDM_FIXTURES_DIR
    PAFDM_FIXTURES_DIR=$(cd "$root/../shared" && pwd)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Open to every user: a test runs the built program as another one.
chmod 755 "$work"
git archive --format=tar --prefix=pafdm/ HEAD | tar -x -C "$work"
(cd "$work/pafdm" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b)
mkdir -p "$root/packages"
cp "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$root/packages/"
changes=$(ls "$work"/*.changes)
echo "== lintian"
lintian --fail-on error --display-info "$changes"
for deb in "$work"/*.deb; do
    echo "== $(basename "$deb")"
    dpkg-deb --contents "$deb" | awk '{print $6}'
done
