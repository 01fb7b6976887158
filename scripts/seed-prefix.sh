#!/usr/bin/env bash
# Creates a private Wine prefix and seeds it with the demo data the program shows:
# configuration files, Run and RunOnce values, start-up folder entries. The prefix is
# 32-bit, or 64-bit when WINEARCH is win64 (common.sh's use_wine64): the machine's Run
# key then gets values in both registry views.
# Usage: seed-prefix.sh PREFIX [--test]   (re-seeds only when the demo data changed)
# With --test, windows are left unmanaged: without a window manager Wine otherwise
# waits about two seconds each time a window is hidden.
set -euo pipefail
source "$(dirname "$0")/common.sh"
export WINEPREFIX=$1
mode=${2:-}
demo=$ROOT/scripts/demo
stamp=$( (cat "$0" "$demo"/*; echo "$mode $WINEARCH") | md5sum | cut -d' ' -f1)
if [ -f "$WINEPREFIX/.vconfig-seed" ] && [ "$(cat "$WINEPREFIX/.vconfig-seed")" = "$stamp" ]; then
  exit 0
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
c=$WINEPREFIX/drive_c
win=$c/windows
# Debian's Wine does not find the fonts that fonts-wine puts in /usr/share/wine/fonts:
# it looks for its own fonts only in C:\windows\Fonts, which wineboot leaves empty.
# Without Marlett the frames' caption buttons come out as the letters "0 1 r", so the
# prefix gets its own copy.
mkdir -p "$win/Fonts"
cp /usr/share/wine/fonts/marlett.ttf "$win/Fonts/marlett.ttf"
# Plain files: the prefix's own win.ini and system.ini stay; the rest is ours.
wine attrib -r -h -s 'C:\msdos.sys' >/dev/null 2>&1 || true
cp "$demo/autoexec.bat" "$c/autoexec.bat"
cp "$demo/config.sys" "$c/config.sys"
cp "$demo/msdos.sys" "$c/msdos.sys"
cp "$demo/boot.ini" "$c/boot.ini"
cp "$demo/bootlog.txt" "$c/bootlog.txt"
cp "$demo/control.ini" "$win/control.ini"
# A 32-bit program on 64-bit Windows finds its system32 in syswow64.
for sys in system32 syswow64; do
  [ -d "$win/$sys" ] || continue
  cp "$demo/autoexec.nt" "$win/$sys/autoexec.nt"
  cp "$demo/config.nt" "$win/$sys/config.nt"
done
# One attribute a call: Wine's attrib keeps only the last of several.
for a in +r +h +s; do wine attrib $a 'C:\msdos.sys' >/dev/null 2>&1; done

run='Software\Microsoft\Windows\CurrentVersion'
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
# Wine draws the window frames itself: virtual displays have no window manager.
reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
if [ "$mode" = --test ]; then
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
fi
# reg.exe writes where its switch says: /reg:64 the 64-bit view, /reg:32 the one
# 32-bit programs see (SOFTWARE\Wow6432Node). A 32-bit prefix has one view only.
machine64=()
if [ "$WINEARCH" = win64 ]; then
  machine64=(/reg:64)
  reg "HKLM\\$run\\Run" /v "PrintMonitor" /t REG_SZ /d 'C:\Program Files (x86)\Vorn Info\vprint.exe' /reg:32
  reg "HKLM\\$run\\Run" /v "UpdateCheck" /t REG_EXPAND_SZ /d '%ProgramFiles(x86)%\Vorn Info\vupdate.exe -q' /reg:32
fi
reg "HKLM\\$run\\Run" /v "VornTray" /t REG_SZ /d 'C:\Program Files\Vorn Info\vtray.exe /minimized' "${machine64[@]}"
reg "HKLM\\$run\\Run" /v "SoundMixer" /t REG_SZ /d 'C:\windows\system32\sndmix.exe' "${machine64[@]}"
reg "HKCU\\$run\\Run" /v "Notepad" /t REG_SZ /d 'C:\windows\notepad.exe C:\autoexec.bat'
reg "HKCU\\$run\\Run" /v "Clock" /t REG_SZ /d 'C:\Tools\clock.exe -tray'
reg "HKCU\\$run\\RunOnce" /v "CleanTemp" /t REG_SZ /d 'cmd /c del /q C:\windows\temp\*.tmp'

user_startup=$(wine reg query "HKCU\\$run\\Explorer\\Shell Folders" /v StartUp 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' '/StartUp/ {sub(/^ +/, "", $2); print $2}')
common_startup=$(wine reg query "HKLM\\$run\\Explorer\\Shell Folders" /v "Common StartUp" 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' '/Common StartUp/ {sub(/^ +/, "", $2); print $2}')
seed_folder() {  # WINDOWS-FOLDER NAME...
  [ -n "$1" ] || return 0
  local unix
  unix=$(winepath -u "$1" 2>/dev/null) || return 0
  shift
  mkdir -p "$unix"
  for name in "$@"; do printf '[InternetShortcut]\r\nURL=file:///C:/demo\r\n' >"$unix/$name"; done
}
seed_folder "$user_startup" "Notes.lnk" "Mail Checker.lnk"
seed_folder "$common_startup" "Antivirus.lnk" "Backup Agent.lnk"
wineserver -w
echo "$stamp" >"$WINEPREFIX/.vconfig-seed"
