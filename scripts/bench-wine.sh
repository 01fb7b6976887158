#!/usr/bin/env bash
# The program beside its peers, each pair measured in the same run, medians printed as
# "ours / peer = ratio": under Wine the editor window beside notepad, the content list
# beside a bare list box and the start beside a minimal window program (win_bench.exe);
# natively the report and the line splitting beside copying and counting the same bytes
# (the benchmarks, a Release build in build/bench).
# Usage: bench-wine.sh [--repetitions=N] [--start-only | --section-list]
#   --start-only: only the start beside the minimal window program, with each one's
#   fastest, median and slowest run.
#   --section-list: the section list's own steps under Wine instead (expand, scroll,
#   paint, contract).
set -euo pipefail
source "$(dirname "$0")/common.sh"

repetitions=3
section_list=
start_only=
for arg in "$@"; do
  case "$arg" in
    --repetitions=*) repetitions=${arg#--repetitions=} ;;
    --section-list) section_list=1 ;;
    --start-only) start_only=1 ;;
    *) echo "usage: $0 [--repetitions=N] [--start-only | --section-list]" >&2; exit 2 ;;
  esac
done

"$ROOT/scripts/build.sh"

native_table=
if [ -z "$section_list" ] && [ -z "$start_only" ]; then
  export CCACHE_BASEDIR="$ROOT"
  cmake -S "$ROOT" -B "$BUILD/bench" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build "$BUILD/bench" -j"$JOBS" --target benchmarks >/dev/null
  json=$("$BUILD/bench/benchmarks" --benchmark_filter='ReportOfEverySource|CopyTheSameBytes|SplitTextLines' \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_format=json 2>/dev/null)
  # The medians: bytes per second of the report and the copy; the split's own counters.
  native_table=$(awk '
    /"name":/ { name = $2; gsub(/[",]/, "", name); sub(/\/min_time:[0-9.]+/, "", name) }
    /"bytes_per_second":/ { v = $2; gsub(/,/, "", v); bps[name] = v }
    /"ours_MBps":/ { v = $2; gsub(/,/, "", v); ours[name] = v }
    /"peer_MBps":/ { v = $2; gsub(/,/, "", v); peer[name] = v }
    END {
      r = bps["BM_ReportOfEverySource_median"] / 1e6; c = bps["BM_CopyTheSameBytes_median"] / 1e6
      printf "%-46s %8.0f MB/s / %8.0f MB/s = %6.4f   (peer: copying the same bytes)\n", \
        "Report of every source, built and converted", r, c, r / c
      s = ours["BM_SplitTextLines_median"]; m = peer["BM_SplitTextLines_median"]
      printf "%-46s %8.0f MB/s / %8.0f MB/s = %6.4f   (peer: memchr count of line feeds)\n", \
        "Splitting a 96 MB file into lines", s, m, s / m
    }' <<<"$json")
fi

export WINEPREFIX=$BUILD/wineprefix-bench
"$ROOT/scripts/seed-prefix.sh" "$WINEPREFIX" --test

on_exit end_wine_and_display
start_virtual_display
args=(--repetitions="$repetitions")
if [ -n "$section_list" ]; then
  args+=(--section-list)
elif [ -n "$start_only" ]; then
  args+=(--start-only)
else
  bootlog=$ROOT/../shared/testdata/real-world/bootlog.txt/Corbanizer-Windows-95-Dump__BOOTLOG.TXT
  [ -f "$bootlog" ] && args+=(--bootlog="$(winepath -w "$bootlog" 2>/dev/null)")
fi
status=0
wine "$BUILD/win/win_bench.exe" "${args[@]}" &
wait $! || status=$?
if [ -n "$native_table" ]; then
  echo "Native (medians of $repetitions runs)"
  echo "$native_table"
fi
exit $status
