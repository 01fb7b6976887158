#!/usr/bin/env bash
# On the current (virtual) display: starts the suite, waits for the main window,
# saves a screenshot of the screen to $1, prints its path and ends the program.
set -euo pipefail
source "$(dirname "$0")/common.sh"
out=$1
mkdir -p "$(dirname "$out")"
wine "$SUITE/VInfo.exe" &
for _ in $(seq 1 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Vorn Info Config"'; then break; fi
  sleep 0.1
done
xwininfo -root -tree | grep -q '"Vorn Info Config"' || { echo "main window did not appear" >&2; exit 1; }
# Wait until the window has painted: two equal screenshots in a row.
prev=""
for _ in $(seq 1 50); do
  import -window root "$out"
  sum=$(md5sum <"$out")
  [ "$sum" = "$prev" ] && break
  prev=$sum
  sleep 0.2
done
echo "$out"
wineserver -k || true
