#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the run and the tests need.
# Idempotent; quick when everything is already there.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

pkgs=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
      g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
      wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick fonts-liberation x11-utils
      ghostscript clang libclang-rt-14-dev ccache nsis libhivex-dev)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd dpkg --add-architecture i386
  need_update=1
fi

for p in "${pkgs[@]}"; do have_pkg "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${need[@]}"
elif [ "${need_update:-0}" = 1 ]; then
  :
fi
