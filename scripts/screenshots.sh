#!/usr/bin/env bash
# Rebuilds the pictures in docs/screenshots/ and the report samples in docs/samples/:
# builds what it needs, runs the screenshots program under Wine on a virtual display
# of its own, in a prefix of its own seeded with the demo data, and turns its pictures
# into PNG files. Cleans up (Wine's server, the display) also when interrupted.
# Usage: screenshots.sh [NAME...]   only the pictures or samples named, such as
#        about-box or saved-report (an unknown name makes it list the names)
# With the HTML sample it also takes a picture of it in a browser (headless Chromium,
# installed from Debian's packages when missing) and puts it beside the program's own
# content list showing the same lines (docs/report-beside-content-list.png).
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
