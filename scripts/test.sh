#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the
# Windows-side tests under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/build.sh"
ctest --test-dir "$BUILD/native" -j"$JOBS" --output-on-failure
"$ROOT/scripts/check-robustness.sh"

export WINEPREFIX=$BUILD/wineprefix-test
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$BUILD/win/win_tests.exe" ${GTEST_ARGS:-} || status=$?
wineserver -k || true
exit $status
