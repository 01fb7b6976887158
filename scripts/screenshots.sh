#!/usr/bin/env bash
# Rebuilds the pictures in docs/screenshots/ and the report samples in docs/samples/:
# builds what it needs, runs the screenshots program under Wine on a virtual display
# of its own, in a prefix of its own seeded with the demo data, and turns its pictures
# into PNG files. Cleans up (Wine's server, the display) also when interrupted.
# Usage: screenshots.sh [NAME...]   only the pictures or samples named, such as
#        about-box or saved-report (an unknown name makes it list the names)
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/build.sh"
export WINEPREFIX=$BUILD/wineprefix-screens
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test

work=$(mktemp -d)
cleanup() {
  end_wine_and_display
  rm -rf "$work"
}
on_exit cleanup
start_virtual_display
# Not winepath: a Wine process started for it alone would end with its own server.
winwork="Z:$(echo "$work" | tr / '\\')"
status=0
# In the background so that the traps act at once on an interrupt.
wine "$BUILD/win/screens.exe" "$winwork" "$@" &
wait $! || status=$?

shots=$ROOT/docs/screenshots
samples=$ROOT/docs/samples
for file in "$work"/*; do
  [ -f "$file" ] || continue
  name=$(basename "$file")
  case "$name" in
    # -strip: no time stamps, so the same picture gives the same file.
    *.bmp) convert "$file" -strip "$shots/${name%.bmp}.png" ;;
    *.png) convert "$file" -strip "$shots/$name" ;;
    *) cp "$file" "$samples/$name" ;;
  esac
  echo "${name%.*}"
done | sort -u
exit $status
