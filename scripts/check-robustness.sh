#!/usr/bin/env bash
# The native tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a short
# libFuzzer run over the markup renderer, the report's conversions and the offline
# registry over damaged hives when clang is there.
set -euo pipefail
source "$(dirname "$0")/common.sh"

cmake -S "$ROOT" -B "$BUILD/native-san" -DCMAKE_BUILD_TYPE=Debug -DVCONFIG_SANITIZE=ON >/dev/null
cmake --build "$BUILD/native-san" -j"$JOBS" --target unit_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$BUILD/native-san/unit_tests" --gtest_brief=1

if command -v clang++ >/dev/null; then
  CXX=clang++ CXXFLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
    cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=Debug -DVCONFIG_FUZZ=ON >/dev/null
  cmake --build "$BUILD/fuzz" -j"$JOBS" --target MarkupFuzz
  mkdir -p "$BUILD/fuzz/corpus"
  "$BUILD/fuzz/MarkupFuzz" "$BUILD/fuzz/corpus" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=4096 \
    -print_final_stats=0 -artifact_prefix="$BUILD/fuzz/" 2>&1 | tail -n 2
  # The report's line conversions.
  cmake --build "$BUILD/fuzz" -j"$JOBS" --target ReportConvertFuzz
  mkdir -p "$BUILD/fuzz/report-corpus"
  "$BUILD/fuzz/ReportConvertFuzz" "$BUILD/fuzz/report-corpus" -max_total_time="${FUZZ_SECONDS:-20}" \
    -max_len=512 -print_final_stats=0 -artifact_prefix="$BUILD/fuzz/" 2>&1 | tail -n 2
  # Splitting files into lines, against a byte-by-byte reference.
  cmake --build "$BUILD/fuzz" -j"$JOBS" --target TextLinesFuzz
  mkdir -p "$BUILD/fuzz/lines-corpus"
  "$BUILD/fuzz/TextLinesFuzz" "$BUILD/fuzz/lines-corpus" -max_total_time="${FUZZ_SECONDS:-20}" \
    -max_len=4096 -print_final_stats=0 -artifact_prefix="$BUILD/fuzz/" 2>&1 | tail -n 2
  # The offline registry over hives flipped and cut (a shorter run: each input is a hive).
  cmake --build "$BUILD/fuzz" -j"$JOBS" --target HiveFuzz
  mkdir -p "$BUILD/fuzz/hive-corpus"
  "$BUILD/fuzz/HiveFuzz" "$BUILD/fuzz/hive-corpus" -max_total_time="${HIVE_FUZZ_SECONDS:-15}" \
    -max_len=256 -print_final_stats=0 -artifact_prefix="$BUILD/fuzz/" 2>&1 | tail -n 2
fi
