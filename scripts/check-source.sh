#!/usr/bin/env bash
# Checks the shape of the source, not its behaviour:
#  - every C++ file is as clang-format (the repository's .clang-format)
#    leaves it; with PAFDM_FORMAT_BASE set to a git revision, only the files
#    changed since it are checked;
#  - no function of the engine or of the update run is longer than 80 lines
#    (the generated sort table aside).
# Needs clang-format and pmccabe (scripts/install-deps.sh installs both).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${PAFDM_FORMAT_BASE:-}" ]; then
    mapfile -t files < <(git diff --name-only --diff-filter=d "$PAFDM_FORMAT_BASE" -- '*.cpp' '*.h' \
        | grep -v '^jet/src/generated/' || true)
else
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h' | grep -v '^jet/src/generated/')
fi
if [ ${#files[@]} -gt 0 ]; then
    if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/pafdm-format.$$; then
        grep -E '^[^ ].*: (error|warning):' /tmp/pafdm-format.$$ | cut -d: -f1 | sort -u \
            | sed 's/^/not formatted: /' >&2
        rm -f /tmp/pafdm-format.$$
        echo "Run clang-format -i on the files above." >&2
        exit 1
    fi
    rm -f /tmp/pafdm-format.$$
fi
echo "format: ${#files[@]} files as clang-format leaves them"

mapfile -t measured < <(git ls-files -- 'jet/src/*.cpp' 'jet/src/*.h' 'src/update/*.cpp' 'src/update/*.h' \
    | grep -v '^jet/src/generated/')
long=$(pmccabe "${measured[@]}" 2>/dev/null | awk -F'\t' '$5 > 80 { print "  " $5 " lines: " $6 }' || true)
if [ -n "$long" ]; then
    echo "Functions over 80 lines:" >&2
    echo "$long" >&2
    exit 1
fi
echo "function length: none over 80 lines in ${#measured[@]} files of the engine and the update run"
