# Shared settings of the project's scripts (sourced).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VCONFIG_BUILD:-$ROOT/build}
JOBS=${JOBS:-2}
# 32-bit prefixes, unless a script chose a 64-bit one (use_wine64) for itself and the
# scripts it runs.
if [ "${VCONFIG_WINE64:-}" = 1 ]; then export WINEARCH=win64; else export WINEARCH=win32; fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
SUITE=$BUILD/suite

# A 64-bit prefix instead (Debian's wine64 beside wine32): the 32-bit program runs
# there under WOW64 and the machine's registry has both views. Wine refuses a prefix
# whose architecture differs from WINEARCH, so every step on it needs this.
use_wine64() {
  export VCONFIG_WINE64=1 WINEARCH=win64
}

# Runs a command on $DISPLAY, or on a virtual display when there is none.
on_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
}

# A virtual display of this script's own: start_virtual_display starts Xvfb (1024x768,
# 24 bits) and exports DISPLAY; stop_virtual_display ends it. Call the latter from the
# script's EXIT trap, so that an interrupted run leaves no server behind.
VIRTUAL_DISPLAY_PID=
start_virtual_display() {
  # Xvfb picks a free number and writes it to the pipe once it accepts connections
  # (other runs may use the same machine).
  local ready number=
  ready=$(mktemp -u)
  mkfifo "$ready"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  read -r -t 30 number <"$ready" || true
  rm -f "$ready"
  if [ -z "$number" ]; then
    echo "the virtual display did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}
stop_virtual_display() {
  if [ -n "$VIRTUAL_DISPLAY_PID" ]; then
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    VIRTUAL_DISPLAY_PID=
  fi
}

# Runs the command when the script ends, also when it is interrupted or terminated
# (exit codes 130 and 143).
on_exit() {
  trap "$1" EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Ends the prefix's Wine server and the virtual display.
end_wine_and_display() {
  wineserver -k 2>/dev/null || true
  stop_virtual_display
}
