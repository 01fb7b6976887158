#!/usr/bin/env bash
# Writes docs/samples/offline-report.{txt,htm,csv,json}: vconfig-report's four formats
# of the tests' Windows XP tree (hives made from the shared minimal hive, real files).
set -euo pipefail
source "$(dirname "$0")/common.sh"

cmake -S "$ROOT" -B "$BUILD/native" >/dev/null
cmake --build "$BUILD/native" -j"$JOBS" --target vconfig-report offline_demo_tree
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
"$BUILD/native/offline_demo_tree" "$tree"
for format in txt htm csv json; do
  "$BUILD/native/vconfig-report" --root "$tree" --format "$format" \
    -o "$ROOT/docs/samples/offline-report.$format"
done
# The json names the folder it read: the temporary one says nothing to a reader.
sed -i "s|\"root\": \"$tree\"|\"root\": \"/mnt/winxp\"|" "$ROOT/docs/samples/offline-report.json"
echo "docs/samples/offline-report.{txt,htm,csv,json}"
