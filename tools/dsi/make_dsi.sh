#!/bin/sh
# Writes the side file that the exception reporter reads beside a module
# (X.exe -> X.DSI): procedure names from the symbol table and source lines from
# the debug information, at addresses relative to the module's load address.
# Usage: make_dsi.sh MODULE OUTPUT [TOOL_PREFIX]
set -eu
module=$1
out=$2
prefix=${3:-i686-w64-mingw32-}

base=$("${prefix}objdump" -p "$module" | awk '$1 == "ImageBase" { print $2; exit }')
[ -n "$base" ] || { echo "make_dsi: no image base in $module" >&2; exit 1; }

tmp=$out.tmp
{
  echo "DSI 1"
  "${prefix}nm" -C -n --defined-only "$module" | awk -v base="$base" '
    function hex(s,   i, n, c) {
      n = 0; s = tolower(s); sub(/^0x/, "", s)
      for (i = 1; i <= length(s); i++) { c = index("0123456789abcdef", substr(s, i, 1)) - 1; n = n * 16 + c }
      return n
    }
    BEGIN { b = hex(base) }
    $2 ~ /^[tTwW]$/ {
      name = substr($0, length($1) + length($2) + 3)
      if (name == "" || name ~ /^\./) next
      sub(/@[0-9]+$/, "", name)  # the stdcall decoration
      printf "P %x %s\n", hex($1) - b, name
    }'
  "${prefix}objdump" --dwarf=decodedline "$module" 2>/dev/null | awk -v base="$base" '
    function hex(s,   i, n, c) {
      n = 0; s = tolower(s); sub(/^0x/, "", s)
      for (i = 1; i <= length(s); i++) { c = index("0123456789abcdef", substr(s, i, 1)) - 1; n = n * 16 + c }
      return n
    }
    BEGIN { b = hex(base); files = 0 }
    NF >= 3 && $3 ~ /^0x[0-9a-fA-F]+$/ {
      rva = hex($3) - b
      if ($2 == "-") { printf "E %x\n", rva; last = ""; next }
      if ($2 !~ /^[0-9]+$/) next
      if (!($1 in index_of)) { index_of[$1] = files; printf "F %d %s\n", files, $1; files++ }
      key = $1 ":" $2
      if (key == last) next
      last = key
      printf "L %x %d %d\n", rva, index_of[$1], $2
    }'
} > "$tmp"
mv "$tmp" "$out"
