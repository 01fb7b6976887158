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
  exit 0
fi

on_exit end_wine_and_display
start_virtual_display
out=$BUILD/screenshots/main-window.png
mkdir -p "$(dirname "$out")"
wine "$SUITE/VInfo.exe" &
shown=
for _ in $(seq 1 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Vorn Info Config"'; then shown=1; break; fi
  sleep 0.1
done
[ -n "$shown" ] || { echo "main window did not appear" >&2; exit 1; }
# Painted once two screenshots in a row are the same.
prev=""
for _ in $(seq 1 50); do
  import -window root "$out"
  sum=$(md5sum <"$out")
  [ "$sum" = "$prev" ] && break
  prev=$sum
  sleep 0.2
done
echo "$out"
