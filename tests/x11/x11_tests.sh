#!/bin/sh
# Runs the window tests that need a real X server under Xvfb. Without Xvfb
# the tests are skipped (exit 77), except under CI, where that is a failure.
set -u
tests="$1"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is not installed (apt-get install xvfb xauth)" >&2
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
# The X platform's accessibility bridge keeps a D-Bus buffer to the end.
LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 1280x1024x24" "$tests"
