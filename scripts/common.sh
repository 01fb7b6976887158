# Shared settings of the project's scripts (sourced).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VCONFIG_BUILD:-$ROOT/build}
JOBS=${JOBS:-2}
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
SUITE=$BUILD/suite

# Runs a command on $DISPLAY, or on a virtual display when there is none.
on_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
}
