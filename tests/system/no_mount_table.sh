#!/usr/bin/env bash
# The demo's update applied where the mount table does not list the data
# directory (as in a chroot): in a mount namespace of its own, a /proc of
# its own whose mount table names /proc alone. The update must go through
# exactly as it does elsewhere and the three data dates move on. Skips (exit 77) where no mount namespace can be made.
# Usage: no_mount_table.sh PAFDM_DEMO PAFDM_CLI [--sanitized]
set -euo pipefail
demo_tool=$1
cli=$2
if [ "${3:-}" = --sanitized ]; then
    # The sanitizers' own run-time reads /proc, which this test hides.
    echo "SKIPPED: a sanitizer build cannot run without /proc"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$demo_tool" "$work/data" --rows 300 --update-rows 40 >/dev/null

# Root gets a mount namespace of its own; anyone else one inside a user
# namespace. Either way the new namespace's mounts are private, so the empty
# /proc is seen by nobody else.
runner=()
for candidate in "unshare --mount" "unshare --user --map-root-user --mount"; do
    if $candidate true 2>/dev/null; then
        runner=($candidate)
        break
    fi
done
if [ ${#runner[@]} -eq 0 ]; then
    echo "SKIPPED: no mount namespace can be made here (unshare refused)"
    exit 77
fi

# The commands run inside: the mount table replaced, then the update and the status.
inner='mount -t tmpfs none /proc || exit 77
mkdir -p /proc/self || exit 77
echo "22 1 0:5 / /proc rw - tmpfs none rw" >/proc/self/mountinfo
echo "none /proc tmpfs rw 0 0" >/proc/self/mounts
"$1" --data-dir "$2" apply --yes && "$1" --data-dir "$2" status'
set +e
"${runner[@]}" sh -c "$inner" sh "$cli" "$work/data" >"$work/out.txt" 2>&1
status=$?
set -e
cat "$work/out.txt"
if [ $status -eq 77 ]; then
    echo "SKIPPED: /proc cannot be hidden in a mount namespace here"
    exit 77
fi
if [ $status -ne 0 ]; then
    echo "FAILED: the update exited with $status without a mount table"
    exit 1
fi
if grep -q "Failed to apply" "$work/out.txt"; then
    echo "FAILED: an archive was not applied"
    exit 1
fi
applied=$(grep -c "Applied:\|records" "$work/out.txt" || true)
moved=$(grep -c "01/02/2007\|01 Feb 2007\|20070201" "$work/out.txt" || true)
echo "lines naming the new date: $moved"
[ "$moved" -ge 3 ] || { echo "FAILED: the data dates did not move on"; exit 1; }
[ -f "$work/data/UPDATE_F_20070201.zip" ] && { echo "FAILED: an archive was left waiting"; exit 1; }
echo "applied without a mount table ($applied lines)"
