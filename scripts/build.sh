#!/usr/bin/env bash
# Builds the native core with its unit tests and the Windows program with its suite
# layout, Windows-side tests, screenshots program and Wine benchmark.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/install-deps.sh"

# Compiler cache: paths below the tree are hashed relative to it, so clones and
# worktrees of the project share their objects.
export CCACHE_BASEDIR="$ROOT"
# Not the build folder either: the release build (scripts/package.sh) then shares the
# objects of the tests' build.
export CCACHE_NOHASHDIR=1
launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null
cmake --build "$BUILD/native" -j"$JOBS"

cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DVCONFIG_SUITE_DIR="$SUITE" "${launcher[@]}" >/dev/null
cmake --build "$BUILD/win" -j"$JOBS" --target stage win_tests stage-report installed_tests screens win_bench
