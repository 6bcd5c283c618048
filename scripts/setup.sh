#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, when it is missing.
set -euo pipefail

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
installed() { dpkg -s "$1" >/dev/null 2>&1; }
have cmake || missing+=(cmake)
have i686-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-i686)
have Xvfb || missing+=(xvfb)
have xauth || missing+=(xauth)
have xwd || missing+=(x11-apps)
have convert || missing+=(imagemagick)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)

# Wine comes with what it recommends: its own fonts (fonts-wine: Tahoma and the other faces
# the dialogs ask for) and the X extension libraries it loads at run time. Without them the
# windows measure and draw their texts with whatever font is there, or none.
wine_missing=()
have wine || wine_missing+=(wine wine64)
installed wine32:i386 || wine_missing+=(wine32:i386)
installed fonts-wine || wine_missing+=(fonts-wine)

[ ${#missing[@]} -eq 0 ] && [ ${#wine_missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]} ${wine_missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
if [ ${#wine_missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${wine_missing[@]}" >/dev/null
fi
