#!/usr/bin/env bash
# Shows the chrome test form under a virtual display and saves a screenshot of it
# to build/screenshots/chrome.png. Needs a built build/win/win_tests.exe.
set -euo pipefail
source "$(dirname "$0")/../../scripts/common.sh"
export WINEPREFIX=$BUILD/wineprefix-test
out=$BUILD/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Not winepath: a Wine process started outside the virtual display would leave the
# prefix without a usable desktop.
winpath="Z:$(echo "$work" | tr / '\\')"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  VCONFIG_SHOWCASE='$winpath' wine '$BUILD/win/win_tests.exe' --gtest_filter='ChromeShowcase.*' &
  pid=\$!
  for i in \$(seq 1 300); do [ -f '$work/ready' ] && break; sleep 0.1; done
  import -window root '$out/chrome.png'
  touch '$work/done'
  wait \$pid
"
wineserver -k || true
echo "$out/chrome.png"
