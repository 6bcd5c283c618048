#!/usr/bin/env bash
# Walks through every window of the launcher and Lingobench on a fresh install under Wine in a
# private X server and saves a picture of each in build/screenshots/ (PNG). The update window
# asks a small HTTP server on 127.0.0.1 that this script starts and stops, serving an update file.
# Fails unless every window the tour expects was captured and saved.
# DEMO_SCALE=150 (or another percentage) takes the pictures at that display scaling instead, in
# build/screenshots-150/; the prefix is set back to 100% afterwards. DEMO_LANGUAGE=DE shows the
# launcher's windows after the main window in German, in build/screenshots-de/ (or -150-de/).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
set -e
select_build Touring
cmake --build "$ARCH_BUILD_DIR" --target demo_tour >/dev/null
scale=${DEMO_SCALE:-100}
[[ $scale =~ ^[0-9]+$ ]] && [ "$scale" -ge 100 ] && [ "$scale" -le 300 ] ||
  die "DEMO_SCALE must be a percentage from 100 to 300, not '$scale'"
shots=$BUILD_DIR/screenshots
[ "$scale" -eq 100 ] || shots=$shots-$scale
language=${DEMO_LANGUAGE:-EN}
case $language in
  EN) ;;
  DE) shots=$shots-de ;;
  *) die "DEMO_LANGUAGE must be EN or DE, not '$language'" ;;
esac
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
set_scale() {
  wine_quiet reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $(($1 * 96 / 100)) /f
}
cleanup() {
  kill "$HTTP_PID" 2>/dev/null || true
  [ "$scale" -eq 100 ] || set_scale 100 || true
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
[ "$scale" -eq 100 ] || set_scale "$scale" || die "Wine could not set the display scaling"
# The staged install lives in a temporary folder of this run's own, made fresh and removed after.
make_run_temp demo-temp
export VEKOLAUNCH_TEST_TEMP=$RUN_TEMP_WIN
out=$("$WINE" winepath.exe -w "$shots" 2>/dev/null </dev/null)
set +e
"$WINE" "$ARCH_BUILD_DIR/bin/demo_tour.exe" "$out" "$language" </dev/null >"$shots/tour.log" 2>&1
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
