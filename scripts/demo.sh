#!/usr/bin/env bash
# Walks through every window of the launcher and Lingobench on a fresh install under Wine in a
# private X server and saves a picture of each in build/screenshots/ (PNG). The update window
# asks a small HTTP server on 127.0.0.1 that this script starts and stops, serving an update file.
# Fails unless every window the tour expects was captured and saved.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
set -e
select_build Touring
cmake --build "$ARCH_BUILD_DIR" --target demo_tour >/dev/null
shots=$BUILD_DIR/screenshots
rm -rf "$shots"
mkdir -p "$shots"

# The update file the launcher asks for, served on the loopback interface only.
www=$ARCH_BUILD_DIR/demo-www
rm -rf "$www"
version=$(scripts/launcher-version.sh)
updates=$www/down/veko_launch/updates
mkdir -p "$updates"
printf 'true\n/down/veko_launch/vekolaunch.html\nVekolaunch %s.1 is available.\nIt starts faster with many profiles.\n' \
  "$version" >"$updates/update-${version//./-}.txt"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$www" </dev/null >"$ARCH_BUILD_DIR/demo-http.log" 2>&1 &
HTTP_PID=$!
cleanup() {
  kill "$HTTP_PID" 2>/dev/null || true
  remove_run_temp
  rm -rf "$www"
  stop_xvfb
}
trap cleanup EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
export VEKOLAUNCH_UPDATE_HOST=127.0.0.1:$port

start_xvfb
start_wine
# The staged install lives in a temporary folder of this run's own, made fresh and removed after.
make_run_temp demo-temp
export VEKOLAUNCH_TEST_TEMP=$RUN_TEMP_WIN
out=$("$WINE" winepath.exe -w "$shots" 2>/dev/null </dev/null)
set +e
"$WINE" "$ARCH_BUILD_DIR/bin/demo_tour.exe" "$out" </dev/null >"$shots/tour.log" 2>&1
rc=$?
set -e
tr -d '\r' <"$shots/tour.log" | grep -v '^$' || true
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
saved=$(ls "$shots"/*.png 2>/dev/null | wc -l)
expected=$(tr -d '\r' <"$shots/tour.log" | sed -n 's/^.* windows captured of \([0-9]*\) expected.*$/\1/p')
echo "$saved screenshots in $shots${expected:+ ($expected expected)}"
[ $rc -eq 0 ] || { echo "error: the tour failed (exit code $rc)" >&2; exit 1; }
[ -n "$expected" ] && [ "$saved" -eq "$expected" ] ||
  { echo "error: $saved pictures saved, ${expected:-an unknown number} expected" >&2; exit 1; }
