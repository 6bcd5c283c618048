#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, when it is missing.
set -euo pipefail

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
installed() { dpkg -s "$1" >/dev/null 2>&1; }
have cmake || missing+=(cmake)
# The i686 compiler builds the programs that ship; the x86_64 one the test build for machines
# that cannot run 32-bit programs.
have i686-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-i686)
have x86_64-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-x86-64)
have Xvfb || missing+=(xvfb)
have xauth || missing+=(xauth)
have xwd || missing+=(x11-apps)
installed imagemagick || missing+=(imagemagick)
have lnkinfo || missing+=(liblnk-utils)
# make dist packs the install with zip; make demo serves its update answer with python3.
have zip || missing+=(zip)
have unzip || missing+=(unzip)
have python3 || missing+=(python3)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)

# Wine comes with what it recommends: its own fonts (fonts-wine: Tahoma and the other faces
# the dialogs ask for) and the X extension libraries it loads at run time. Without them the
# windows measure and draw their texts with whatever font is there, or none.
wine_missing=()
[ -x /usr/lib/wine/wine64 ] || wine_missing+=(wine wine64)
installed fonts-wine || wine_missing+=(fonts-wine)
# The 32-bit loader is of no use on a machine that cannot execute 32-bit programs, but
# installing it there is harmless; its failure must not stop the set-up.
wine32_missing=()
installed wine32:i386 || wine32_missing+=(wine32:i386)

[ ${#missing[@]} -eq 0 ] && [ ${#wine_missing[@]} -eq 0 ] && [ ${#wine32_missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]} ${wine_missing[*]} ${wine32_missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_install() {
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}
if [ ${#wine32_missing[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
# A mirror in the middle of a sync serves index files of the wrong size for a minute or two,
# so the update is tried again. apt keeps the indexes that did arrive; when one stays broken
# the install below goes on with them and fails by itself if a package cannot be had. When only
# the optional 32-bit loader is missing (it may not install on this machine at all), one try is
# enough: every make target comes through here.
attempts=3
[ ${#missing[@]} -gt 0 ] || [ ${#wine_missing[@]} -gt 0 ] || attempts=1
for attempt in $(seq "$attempts"); do
  "${sudo_cmd[@]}" apt-get update -qq && break
  if [ "$attempt" -eq "$attempts" ]; then
    echo "warning: apt-get update failed; installing from the indexes it has"
  else
    echo "apt-get update failed (attempt $attempt); trying again in $((attempt * 15)) s"
    sleep $((attempt * 15))
  fi
done
[ ${#missing[@]} -eq 0 ] || apt_install --no-install-recommends "${missing[@]}"
[ ${#wine_missing[@]} -eq 0 ] || apt_install "${wine_missing[@]}"
if [ ${#wine32_missing[@]} -gt 0 ]; then
  apt_install "${wine32_missing[@]}" ||
    echo "warning: the 32-bit Wine packages did not install; the tests will use the 64-bit build."
fi
