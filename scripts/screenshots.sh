#!/usr/bin/env bash
# Rebuilds the pictures in docs/screenshots/ and the report samples in docs/samples/:
# builds what it needs, runs the screenshots program under Wine on a virtual display
# of its own, in a prefix of its own seeded with the demo data, and turns its pictures
# into PNG files. The pictures of 64-bit Windows (main-window-wow64) come from a 64-bit
# prefix of their own. Cleans up (Wine's servers, the display) also when interrupted.
# Usage: screenshots.sh [NAME...]   only the pictures or samples named, such as
#        about-box or saved-report (an unknown name makes it list the names)
# With the HTML sample it also takes a picture of it in a browser (headless Chromium,
# installed from Debian's packages when missing) and puts it beside the program's own
# content list showing the same lines (docs/report-beside-content-list.png).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/build.sh"

wow64_pictures=" main-window-wow64 "
names32=() names64=()
for name in "$@"; do
  if [[ "$wow64_pictures" == *" $name "* ]]; then names64+=("$name"); else names32+=("$name"); fi
done
# Without names, each prefix takes every picture it can show.
run32=1 run64=1
if [ $# -gt 0 ]; then
  [ ${#names32[@]} -gt 0 ] || run32=
  [ ${#names64[@]} -gt 0 ] || run64=
fi
prefix32=$BUILD/wineprefix-screens
prefix64=$BUILD/wineprefix-screens64

work=$(mktemp -d)
cleanup() {
  for prefix in "$prefix32" "$prefix64"; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
  stop_virtual_display
  rm -rf "$work"
}
on_exit cleanup
start_virtual_display
# Not winepath: a Wine process started for it alone would end with its own server.
winwork="Z:$(echo "$work" | tr / '\\')"
status=0
# In the background so that the traps act at once on an interrupt.
if [ -n "$run32" ]; then
  export WINEPREFIX=$prefix32
  "$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test
  wine "$BUILD/win/screens.exe" "$winwork" "${names32[@]}" &
  wait $! || status=$?
  wineserver -k 2>/dev/null || true
fi
if [ -n "$run64" ]; then
  use_wine64
  export WINEPREFIX=$prefix64
  "$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test
  wine "$BUILD/win/screens.exe" "$winwork" "${names64[@]}" &
  wait $! || status=$?
fi

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

# The HTML sample as a browser shows it, beside the program's own content list.
browser_picture() {
  if ! command -v chromium >/dev/null; then
    local sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
      --no-install-recommends chromium >/dev/null
  fi
  # Its own profile, so that no user's browser settings or running instance take part.
  chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --user-data-dir="$work/chromium" \
    --window-size=700,1150 --screenshot="$shots/saved-report-in-browser.png" \
    "file://$samples/saved-report.htm" >/dev/null 2>&1
  convert "$shots/saved-report-in-browser.png" -strip "$shots/saved-report-in-browser.png"
  echo saved-report-in-browser
  if [ -f "$shots/content-autoexec.png" ] && [ -f "$shots/content-run.png" ]; then
    convert "$shots/saved-report-in-browser.png" \
      \( "$shots/content-autoexec.png" "$shots/content-run.png" -append \) \
      -background white -gravity north +append -strip "$ROOT/docs/report-beside-content-list.png"
    echo report-beside-content-list
  fi
}
if [ -f "$work/saved-report.htm" ]; then browser_picture; fi
exit $status
