#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the
# Windows-side tests under Wine on a virtual display of their own: all of them in the
# 32-bit prefix, then the suites that need 64-bit Windows (Wow64*) in a 64-bit prefix,
# then the release's (scripts/test-package.sh: the package built, its installer run in
# a fresh prefix).
# The display and the prefixes' Wine servers end with the script, also when it is
# interrupted; a Wine run that passes its time limit (WINE_TEST_TIMEOUT seconds,
# a box that nobody answers, say) fails and names the test that was running.
# GTEST_ARGS narrows the 32-bit run; the 64-bit run then happens only when GTEST64_ARGS
# asks for it (for example GTEST64_ARGS=--gtest_filter=Wow64.*).
set -euo pipefail
source "$(dirname "$0")/common.sh"

wine_prefixes=()
run_pid=
tail_pid=
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  # timeout leads a process group of its own: the test program and what it started.
  if [ -n "$run_pid" ]; then kill -TERM -- "-$run_pid" 2>/dev/null || true; fi
  for prefix in "${wine_prefixes[@]}"; do WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; done
  if [ -n "$tail_pid" ]; then
    kill "$tail_pid" 2>/dev/null || true
    wait "$tail_pid" 2>/dev/null || true
  fi
  stop_virtual_display
  exit "$status"
}
on_exit cleanup

"$ROOT/scripts/build.sh"
ctest --test-dir "$BUILD/native" -j"$JOBS" --output-on-failure
"$ROOT/scripts/check-robustness.sh"

start_virtual_display

# Runs win_tests.exe in the prefix WINEPREFIX with the arguments, its output in LOG.
# Returns the run's status.
run_wine_tests() {  # LOG ARGS...
  local log=$1 status=0
  shift
  : >"$log"
  # In the background, so that an interrupt is handled at once (the shell runs a trap
  # only after the command it waits for, unless it waits with `wait`). timeout signals
  # its whole process group when the limit passes.
  timeout --kill-after=20 "$limit" wine "$BUILD/win/win_tests.exe" "$@" >"$log" 2>&1 &
  run_pid=$!
  tail -n +1 -f --pid="$run_pid" "$log" &
  tail_pid=$!
  wait "$run_pid" || status=$?
  run_pid=
  wait "$tail_pid" || true
  tail_pid=
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    # The tests still open, outermost first (a test may run the program in a child).
    running=$(tr -d '\r' <"$log" | awk '
      $1 == "[" && $2 == "RUN" { open[++n] = $4 }
      $1 == "[" && ($2 == "OK" || $2 == "FAILED" || $2 == "SKIPPED") && n > 0 && open[n] == $4 { n-- }
      END { for (i = 1; i <= n; i++) printf "%s%s", (i > 1 ? " > " : ""), open[i] }')
    echo "test.sh: the Wine tests passed their limit of ${limit} s while running: ${running:-(none)}" >&2
  fi
  return "$status"
}

limit=${WINE_TEST_TIMEOUT:-300}
status=0

export WINEPREFIX=$BUILD/wineprefix-test
wine_prefixes+=("$WINEPREFIX")
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test
# The program-driven WOW64 suite needs the 64-bit prefix; in this one it would fail.
read -r -a args <<<"${GTEST_ARGS:---gtest_filter=-Wow64.*}"
run_wine_tests "$BUILD/win-tests.log" "${args[@]}" || status=$?
wineserver -k >/dev/null 2>&1 || true

if [ -z "${GTEST_ARGS:-}" ] || [ -n "${GTEST64_ARGS:-}" ]; then
  use_wine64
  export WINEPREFIX=$BUILD/wineprefix-test64
  wine_prefixes+=("$WINEPREFIX")
  "$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test
  read -r -a args <<<"${GTEST64_ARGS:---gtest_filter=Wow64*}"
  run_wine_tests "$BUILD/win-tests64.log" "${args[@]}" || status=$?
fi

# ---- The release: the package built, its installer tested in a fresh Wine prefix ----
# (scripts/test-package.sh; SKIP_PACKAGE=1 leaves it out of a quick run)
if [ "${SKIP_PACKAGE:-0}" != 1 ]; then
  package_status=0
  # In a 32-bit prefix of its own, whatever the run above chose.
  env -u VCONFIG_WINE64 WINEARCH=win32 \
    "$ROOT/scripts/test-package.sh" || package_status=$?
  [ "$status" -ne 0 ] || status=$package_status
fi
exit "$status"
