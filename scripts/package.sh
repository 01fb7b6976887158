#!/usr/bin/env bash
# Builds the release for Windows users into dist/ (DIST to choose another folder):
#   VornInfoConfig-VERSION.zip          the suite's layout, to unzip anywhere
#   VornInfoConfig-VERSION-setup.exe    its installer (NSIS)
#   SHA256SUMS                          of both
# A Release build of its own (build/release; --clean starts it afresh), stripped,
# with the error log's side file beside VConfig.exe. VERSION is the project's.
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$ROOT/scripts/install-deps.sh"

release=$BUILD/release
if [ "${1:-}" = --clean ]; then rm -rf "$release"; fi

# The compiler cache serves the objects the tests' build made (same flags).
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=1
cmake -S "$ROOT" -B "$release" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DVCONFIG_SUITE_DIR="$release/suite" \
  -DVCONFIG_DIST_DIR="${DIST:-$ROOT/dist}" \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$release" -j"$JOBS" --target package
