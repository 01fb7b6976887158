#!/usr/bin/env bash
# Builds and runs the section list benchmark under Wine (win_bench.exe) on a virtual
# display of its own, in a prefix of its own, and prints its figures.
# Usage: bench-wine.sh [--repetitions=N]
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/build.sh"
export WINEPREFIX=$BUILD/wineprefix-bench
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test

on_exit end_wine_and_display
start_virtual_display
status=0
wine "$BUILD/win/win_bench.exe" "$@" &
wait $! || status=$?
exit $status
