#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, when it is missing.
set -euo pipefail

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || missing+=(cmake)
have i686-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-i686)
have Xvfb || missing+=(xvfb)
have xauth || missing+=(xauth)
have xwd || missing+=(x11-apps)
have convert || missing+=(imagemagick)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
have wine || missing+=(wine)
dpkg -s wine32:i386 >/dev/null 2>&1 || missing+=(wine32:i386)

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" wine64 >/dev/null
