#!/usr/bin/env bash
# Builds the release (scripts/package.sh) and tests it as a Windows user gets it:
# the checksums verify, the zip holds the suite's layout, the packaging fails loudly
# on a missing file; the installer run silently into a fresh Wine prefix installs
# every file, its shortcut and its uninstall entry; the installed VInfo.exe starts
# the program of the release (build/win/installed_tests.exe); the silent uninstaller
# removes what was installed and keeps what the program wrote.
# Runs on $DISPLAY (test.sh's virtual display), or on one of its own.
set -euo pipefail
source "$(dirname "$0")/common.sh"

prefix=$BUILD/wineprefix-install
dist=${DIST:-$ROOT/dist}
scratch=$BUILD/package-test
own_display=
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  if [ -n "$own_display" ]; then stop_virtual_display; fi
  exit "$status"
}
on_exit cleanup
fail() { echo "test-package: FAILED: $*" >&2; exit 1; }
pass() { echo "test-package: ok: $*"; }

DIST=$dist "$ROOT/scripts/package.sh"
version=$(sed -n 's/^project(VornInfoConfig VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
zip=$dist/VornInfoConfig-$version.zip
setup=$dist/VornInfoConfig-$version-setup.exe

# The files of the layout, as a user finds them.
layout="Config/VConfig.DSI Config/VConfig.exe Config/VConfigCSY.dll Config/VConfigDE.dll
Config/VConfigEN.dll Config/VConfigES.dll Config/VConfigFR.dll Config/VConfigIT.dll
Config/VConfigRUS.dll LICENSE.txt README.txt VInfo.exe Vmail/VnIMail.exe"
expected=$(echo $layout | tr ' ' '\n' | sort)

(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not verify"
pass "SHA256SUMS verifies"
listing=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
[ "$listing" = "$expected" ] || fail "the zip holds $(echo $listing), not the layout"
pass "the zip holds the layout"
for exe in "$ROOT/build/release/package/VornInfoConfig-$version/VInfo.exe" \
           "$ROOT/build/release/package/VornInfoConfig-$version/Config/VConfig.exe"; do
  if i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug_'; then fail "$exe is not stripped"; fi
done
pass "the modules are stripped"

# A missing module stops the packaging, naming it.
rm -rf "$scratch" && mkdir -p "$scratch"
release=$BUILD/release
modules=("$release/VConfig.exe" "$release/VInfo.exe")
for code in CSY DE EN ES FR IT RUS; do modules+=("$release/VConfig$code.dll"); done
assemble=(sh "$ROOT/packaging/assemble.sh" --version "$version" --source "$ROOT" --stage "$scratch/stage"
          --out "$scratch/dist" --strip i686-w64-mingw32-strip --side-file "$release/VConfig.DSI")
if "${assemble[@]}" "${modules[@]}" 2>"$scratch/err"; then fail "packaging without VnIMail.exe succeeded"; fi
grep -q "the layout misses Vmail/VnIMail.exe" "$scratch/err" || fail "packaging said: $(cat "$scratch/err")"
if "${assemble[@]}" "${modules[@]}" "$release/nothing/VnIMail.exe" 2>"$scratch/err"; then
  fail "packaging with a module that is not there succeeded"
fi
grep -q "missing $release/nothing/VnIMail.exe" "$scratch/err" || fail "packaging said: $(cat "$scratch/err")"
[ ! -e "$scratch/dist" ] || fail "a failed packaging wrote $(ls "$scratch/dist")"
pass "a missing file stops the packaging"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_virtual_display
  own_display=1
fi

# A fresh prefix, as a machine that never saw the program.
export WINEPREFIX=$prefix
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"  # no menu entries on the host
rm -rf "$prefix"
mkdir -p "$prefix"
wine wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Without a window manager Wine waits about 2 s whenever a window is hidden.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

limit=${WINE_TEST_TIMEOUT:-300}
timeout --kill-after=20 "$limit" wine "$setup" /S
wineserver -w
c=$prefix/drive_c
installed_unix=$(winepath -u 'C:\Program Files\Vorn Info' 2>/dev/null)
[ -d "$installed_unix" ] || fail "nothing installed under C:\\Program Files\\Vorn Info"
files=$(cd "$installed_unix" && find . -type f | sed 's|^\./||' | sort)
[ "$files" = "$(printf '%s\nUninstall.exe' "$expected" | sort)" ] ||
  fail "installed: $(echo $files)"
pass "the installer put every file in place"
for f in $layout; do
  cmp -s "$installed_unix/$f" "$ROOT/build/release/package/VornInfoConfig-$version/$f" ||
    fail "installed $f differs from the package's"
done
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VornInfoConfig'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Vorn Info Config" "DisplayVersion    REG_SZ    $version" \
             "UninstallString    REG_SZ    \"C:\\Program Files\\Vorn Info\\Uninstall.exe\""; do
  grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value: $entry"
done
shortcut=$(find "$c" -name 'Vorn Info Config.lnk' -path '*Start Menu*')
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
pass "shortcut and uninstall entry"

set +e
timeout --kill-after=20 "$limit" wine "$BUILD/win/installed_tests.exe" \
  '--installed=C:\Program Files\Vorn Info\'
status=$?
set -e
[ "$status" -eq 0 ] || fail "the installed program's tests (exit $status)"

timeout --kill-after=20 "$limit" wine 'C:\Program Files\Vorn Info\Uninstall.exe' /S
wineserver -w  # the uninstaller runs from a copy of itself and returns at once
left=$(cd "$installed_unix" 2>/dev/null && find . -type f | sed 's|^\./||' | sort)
[ "$left" = "Config/VConfig.ini" ] ||
  fail "after uninstalling: $(echo ${left:-nothing}) (expected only the settings file the program wrote)"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry stays"; fi
[ -z "$(find "$c" -name 'Vorn Info Config.lnk')" ] || fail "the shortcut stays"
pass "the uninstaller removed every installed file, the shortcut and the entry, and kept the settings"
echo "test-package: $(du -h "$zip" | cut -f1) $(basename "$zip"), $(du -h "$setup" | cut -f1) $(basename "$setup")"
