#!/usr/bin/env bash
# The crash test at the real data's scale: `pafdm-cli merge` of the merge
# benchmark's 100,000 update rows into its 1,800,000-row data file, killed
# (SIGKILL) at N points spread over the run. After each kill, before any
# program opens it, the file is compared with the original (a merge this large
# goes beside the file, so it must be the old file byte for byte or the whole
# merge); then the status summary opens it (and plays a journal back, removes a
# copy), pafdm-jet check and mdb-export read it and the data date is read;
# prints one line per kill and a summary. Needs the data set merge_bench generates (run it once first).
#
#   bench/crash_bench.sh [BUILD_DIR] [N]      (default: build, 16)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
points=${2:-16}
work=${TMPDIR:-/tmp}/pafdm-merge-bench
master=$work/PAF_FULL.1800000.master
update=$work/UPDATE_F_20070301.1800000.100000
cli=$build/src/cli/pafdm-cli
jet=$build/jet/pafdm-jet
[ -f "$master" ] && [ -f "$update" ] || { echo "run $build/bench/merge_bench first" >&2; exit 1; }
run=$work/crash
now_ms() { date +%s%3N; }

prepare() {
    rm -rf "$run"
    mkdir -p "$run"
    cp "$master" "$run/PAF_FULL.dat"
    cp "$update" "$run/UPDATE_F_20070301.dat"
    sync
}

prepare
start=$(now_ms)
"$cli" --data-dir "$run" merge UPDATE_F_20070301.dat F 20070301 >/dev/null
total=$(($(now_ms) - start))
echo "uninterrupted merge: ${total} ms"

bad=0
hot=0
for ((i = 1; i <= points; i++)); do
    prepare
    "$cli" --data-dir "$run" merge UPDATE_F_20070301.dat F 20070301 >/dev/null 2>&1 &
    pid=$!
    sleep "$(awk -v t="$total" -v i="$i" -v n="$points" 'BEGIN { printf "%.3f", t * i / (n + 1) / 1000 }')"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if cmp -s "$master" "$run/PAF_FULL.dat"; then at_kill=old; else at_kill=changed; fi
    t0=$(now_ms)
    "$cli" --data-dir "$run" status >/dev/null 2>&1 || true
    recovery=$(($(now_ms) - t0))
    # What the status summary's open did, from the activity log: pages put
    # back from a journal, or a journal with nothing to undo (the run was
    # killed between commits) removed.
    journal=none
    if grep -qh "Rolled back an interrupted write" "$run"/*.log 2>/dev/null; then
        journal="$(grep -h "Rolled back an interrupted write" "$run"/*.log | sed -n 's/.*: \([0-9]*\) pages restored.*/\1/p' | tail -1) pages"
        hot=$((hot + 1))
    elif grep -qh "Removed the journal" "$run"/*.log 2>/dev/null; then
        journal=empty
    fi
    verdict=ok
    "$jet" check "$run/PAF_FULL.dat" --password tallowmere >/dev/null 2>&1 || verdict="check FAILED"
    mdb-export "$run/PAF_FULL.dat" PAF_FULLAddress >/dev/null 2>&1 || verdict="$verdict, mdb-export FAILED"
    rows=$("$jet" info "$run/PAF_FULL.dat" --password tallowmere | sed -n 's/^Table PAF_FULLAddress: \([0-9]*\) rows$/\1/p')
    date=$("$jet" dump "$run/PAF_FULL.dat" version --password tallowmere | grep '"id":2' | sed 's/.*"text":"\([0-9]*\)".*/\1/')
    # Changed at the kill means the whole merge: the new date.
    if [ "$at_kill" = changed ] && [ "$date" != 20070301 ]; then verdict="$verdict, changed without the new date"; fi
    [ "$verdict" = ok ] || bad=$((bad + 1))
    printf 'kill %2d at %5d ms: file %-7s journal %-11s  status (with recovery) %5d ms  %s, %d rows, date %s\n' \
        "$i" $((total * i / (points + 1))) "$at_kill" "$journal" "$recovery" "$verdict" "$rows" "$date"
done
echo "$points kills, $hot left a journal to play back, $bad files rejected"
rm -rf "$run"
[ "$bad" -eq 0 ]
