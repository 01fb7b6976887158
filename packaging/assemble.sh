#!/bin/sh
# Assembles the release from built modules: stages the suite's layout (stripped
# modules, the side file beside VConfig.exe, README.txt, LICENSE.txt), checks that
# every file of the layout is there, then writes into the output folder
#   VornInfoConfig-VERSION.zip, VornInfoConfig-VERSION-setup.exe and SHA256SUMS.
# Called by the build's `package` target (scripts/package.sh).
# Usage: assemble.sh --version V --source ROOT --stage DIR --out DIR --strip STRIP
#                    --side-file VConfig.DSI MODULE...
set -eu

fail() { echo "assemble: $*" >&2; exit 1; }

version= source= stage= out= strip= side=
while [ $# -gt 0 ]; do
  case $1 in
    --version) version=$2; shift 2 ;;
    --source) source=$2; shift 2 ;;
    --stage) stage=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --strip) strip=$2; shift 2 ;;
    --side-file) side=$2; shift 2 ;;
    --*) fail "unknown option $1" ;;
    *) break ;;
  esac
done
for v in version source stage out strip side; do
  eval "[ -n \"\$$v\" ]" || fail "--$v is missing"
done
command -v makensis >/dev/null || fail "makensis is missing (Debian's nsis)"

# The layout, as the suite's modules find each other: the base module in the root,
# the program and its language modules in Config, the mail module in Vmail.
layout="VInfo.exe Config/VConfig.exe Config/VConfig.DSI
Config/VConfigCSY.dll Config/VConfigDE.dll Config/VConfigEN.dll Config/VConfigES.dll
Config/VConfigFR.dll Config/VConfigIT.dll Config/VConfigRUS.dll
Vmail/VnIMail.exe README.txt LICENSE.txt"

place() {  # FILE -> its folder in the layout
  case $(basename "$1") in
    VInfo.exe) echo . ;;
    VnIMail.exe) echo Vmail ;;
    VConfig*) echo Config ;;
    *) fail "no place in the layout for $1" ;;
  esac
}

root=$stage/VornInfoConfig-$version
rm -rf "$stage"
mkdir -p "$root/Config" "$root/Vmail"
for module in "$@" "$side"; do
  [ -f "$module" ] || fail "missing $module"
  dest=$root/$(place "$module")/$(basename "$module")
  case $module in
    *.exe|*.dll) "$strip" --strip-all -o "$dest" "$module" ;;  # the side file keeps the names
    *) cp "$module" "$dest" ;;
  esac
done
# Text files for Windows: CR LF line ends.
for f in "$source/packaging/README.txt" "$source/LICENSE"; do
  [ -f "$f" ] || fail "missing $f"
done
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$source/packaging/README.txt" >"$root/README.txt"
sed -e 's/$/\r/' "$source/LICENSE" >"$root/LICENSE.txt"

for f in $layout; do
  [ -f "$root/$f" ] || fail "the layout misses $f"
done
extra=$(cd "$root" && find . -type f | sed 's|^\./||' | while read -r f; do
  case " $(echo $layout) " in *" $f "*) ;; *) echo "$f" ;; esac
done)
[ -z "$extra" ] || fail "files outside the layout: $extra"

# The installer's file lists, from the layout (uninstall removes only these).
nsh=$stage/nsis
mkdir -p "$nsh"
{
  for dir in . Config Vmail; do
    echo "SetOutPath \"\$INSTDIR$( [ $dir = . ] || echo "\\$dir")\""
    for f in $layout; do
      [ "$(dirname "$f")" = "$dir" ] && echo "File \"$root/$f\""
    done
  done
} >"$nsh/install-files.nsh"
{
  for f in $layout; do echo "Delete \"\$INSTDIR\\$(echo "$f" | tr / '\\')\""; done
} >"$nsh/uninstall-files.nsh"
size_kb=$(du -sk "$root" | cut -f1)

mkdir -p "$out"
out=$(cd "$out" && pwd)
zip=VornInfoConfig-$version.zip
setup=VornInfoConfig-$version-setup.exe
rm -f "$out/$zip" "$out/$setup" "$out/SHA256SUMS"
# Files only, no top folder: unzipped anywhere, it is the suite's folder.
(cd "$root" && cmake -E tar cf "$out/$zip" --format=zip $layout)
makensis -V2 -DVERSION="$version" -DSTAGE="$root" -DLISTS="$nsh" -DSIZE_KB="$size_kb" \
  -DICON="$source/tools/vinfo/VInfo.ico" -DOUTFILE="$out/$setup" "$source/packaging/VornInfoConfig.nsi"
(cd "$out" && sha256sum "$zip" "$setup" >SHA256SUMS)
echo "assemble: $out/$zip, $out/$setup, $out/SHA256SUMS"
