#!/usr/bin/env bash
# Builds the program and runs it through the suite's base-module stand-in under Wine,
# in a private prefix seeded with demo data. Without a display it runs on a virtual
# one, saves a screenshot of the main window and prints the screenshot's path.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/build.sh"
export WINEPREFIX=$BUILD/wineprefix
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine "$SUITE/VInfo.exe"
  wineserver -w
else
  xvfb-run -a -s "-screen 0 1024x768x24" "$ROOT/scripts/screenshot.sh" "$BUILD/screenshots/main-window.png"
  wineserver -k || true
fi
