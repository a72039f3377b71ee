#!/usr/bin/env bash
# Checks the output of scripts/demo.sh (the file given): the update went
# through without a failure, and each of the three data files shows a new
# date afterwards where it showed the demo data's date before.
set -euo pipefail
log=$1
fail() { echo "demo check: $*" >&2; exit 1; }
if grep -q "Failed to apply" "$log"; then fail "an archive failed to apply"; fi
grep -q "Files applied:3 ok" "$log" || fail "the three archives were not applied"
# The status printed before the update and the one printed after it.
before=$(awk '/^== pafdm-cli --data-dir demo status/{n++} n==1' "$log")
after=$(awk '/^== pafdm-cli --data-dir demo status/{n++} /^The desktop program/{n=99} n==2' "$log")
# Each status has one "Last updated:" line per data file, in the same order.
mapfile -t old < <(grep "Last updated:" <<<"$before" || true)
mapfile -t new < <(grep "Last updated:" <<<"$after" || true)
[ ${#old[@]} -eq 3 ] && [ ${#new[@]} -eq 3 ] || fail "a status does not show three data dates"
for i in 0 1 2; do
    [ "${old[$i]}" != "${new[$i]}" ] || fail "a data date did not move on: ${new[$i]}"
done
echo "demo check: the three data dates moved on"
