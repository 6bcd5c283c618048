#!/usr/bin/env bash
# Opens the launcher on the demo install under Wine: the shipped 32-bit build where this machine
# runs 32-bit programs, otherwise the 64-bit build of the same sources.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
select_build Running
DIST="$ARCH_BUILD_DIR/dist/Vekolaunch"
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
  echo "No display found: the launcher runs on the virtual display $DISPLAY (take a screenshot with: xwd -root -display $DISPLAY | convert xwd:- shot.png)."
fi
start_wine
# A demo profile on the demo game, the first time only; the launcher keeps it afterwards.
if [ ! -f "$DIST/Vekolaunch.ini" ]; then
  game=$("$WINE" winepath.exe -w "$ARCH_BUILD_DIR/dist/Vekora/vekora.exe" 2>/dev/null </dev/null)
  printf '[PROFILES]\r\nLASTACTIVEPROFILE=profile_Demo\r\n[profile_Demo]\r\nVEKOPATH=%s\r\nDESCRIPTION=The demo game that ships with the sources.\r\n' "$game" >"$DIST/Vekolaunch.ini"
fi
echo "Starting $DIST/Vekolaunch.exe (demo game in $ARCH_BUILD_DIR/dist/Vekora)"
cd "$DIST"
"$WINE" Vekolaunch.exe </dev/null >/dev/null 2>&1
