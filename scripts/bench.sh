#!/usr/bin/env bash
# Measures the launcher and Lingobench under Wine in a private X server on the build the tests
# use, and prints one table of medians: start-up until the main window is shown and idle with
# 1, 100 and 1,000 profiles beside a floor program that opens one empty window of the same size,
# a language switch of the main window, Lingobench's word list of 2,000 IDs, and peak memory.
# RUNS=n sets the number of runs (default 7).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
set -e
RUNS=${RUNS:-7}
select_build
bin=$ARCH_BUILD_DIR/bin
cmake --build "$ARCH_BUILD_DIR" --target dist benchmark_startup benchmark_floor benchmark_floor_imports benchmark_wordlist >/dev/null

# A copy of the staged install, so that the generated settings files leave the one of
# `make run` alone.
work=$ARCH_BUILD_DIR/benchmark
rm -rf "$work"
mkdir -p "$work"
cp -r "$ARCH_BUILD_DIR/dist/Vekolaunch" "$ARCH_BUILD_DIR/dist/Vekora" "$work/"

start_xvfb
trap stop_xvfb EXIT
start_wine
winpath() { "$WINE" winepath.exe -w "$1" 2>/dev/null </dev/null; }

echo "Measuring the $TEST_ARCH build ($ARCH_REASON), $RUNS runs each..." >&2
"$WINE" "$bin/benchmark_startup.exe" "$(winpath "$work/Vekolaunch")" "$(winpath "$bin/benchmark_floor.exe")" \
  "$(winpath "$bin/benchmark_floor_imports.exe")" "$(winpath "$work/Vekora/vekora.exe")" "$RUNS" </dev/null >"$work/startup.txt" 2>"$work/startup.err" ||
  { echo "error: the start-up benchmark failed:" >&2; cat "$work/startup.err" >&2; exit 1; }
"$WINE" "$bin/benchmark_wordlist.exe" </dev/null >"$work/wordlist.txt" 2>&1 || true

value() { sed -n "s/^$1=//p" "$work/startup.txt" | tr -d '\r'; }
wordlist=$(sed -n 's/.*median \([0-9.]*\) ms.*/\1/p' "$work/wordlist.txt" | tr -d '\r')
[ -n "$wordlist" ] || { echo "error: the word list benchmark printed no median:" >&2; cat "$work/wordlist.txt" >&2; exit 1; }
floor=$(value floor_ms)

row() { printf '| %-45s | %10s | %10s | %7s | %-10s | %-4s |\n' "$@"; }
# Usage: met <value> <limit>: "yes" when value <= limit.
met() { awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "yes" : "NO" }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo
echo "Vekolaunch $(scripts/launcher-version.sh), $TEST_ARCH build," \
  "$("$WINE" --version 2>/dev/null </dev/null); medians of $RUNS runs; floor window $(value window) pixels;" \
  "load average $(cut -d' ' -f1 /proc/loadavg) on $(nproc) processors"
row "Measurement" "Median" "Floor" "Ratio" "Target" "Met"
row "---------------------------------------------" "----------" "----------" "-------" "----------" "----"
for profiles in 1 100 1000; do
  ms=$(value "startup_${profiles}_ms")
  r=$(ratio "$ms" "$floor")
  case $profiles in 1) limit=1.3 ;; 1000) limit=2 ;; *) limit= ;; esac
  row "Start-up to shown and idle, $profiles profile$([ "$profiles" = 1 ] || echo s)" "$ms ms" "$floor ms" "$r" \
    "${limit:+<= $limit x}" "$([ -n "$limit" ] && met "$r" "$limit" || echo -)"
done
row "  every profile of 1000 read (in idle time)" "$(value all_read_1000_ms) ms" "" "" "" "-"
ms=$(value startup_10000_ms)
row "Start-up to shown and idle, 10,000 profiles" "$ms ms" "$floor ms" "$(ratio "$ms" "$floor")" "" "-"
imports_floor=$(value imports_floor_ms)
row "Floor with the launcher's imports, manifest" "$imports_floor ms" "$floor ms" "$(ratio "$imports_floor" "$floor")" "" "-"
switch=$(value switch_ms)
row "Language switch of the main window" "$switch ms" "" "" "< 50 ms" "$(met "$switch" 50)"
row "  an empty message's round trip" "$(value round_trip_ms) ms" "" "" "" "-"
row "Lingobench word list, 2,000 IDs" "$wordlist ms" "" "" "< 300 ms" "$(met "$wordlist" 300)"
peak=$(value launcher_peak_mib)
floor_peak=$(value floor_peak_mib)
row "Peak working set, 1 profile" "$peak MiB" "$floor_peak MiB" "$(ratio "$peak" "$floor_peak")" "" "-"
for program in Vekolaunch/Vekolaunch.exe Vekolaunch/tools/Lingobench.exe; do
  bytes=$(stat -c %s "$work/$program")
  row "File size, $(basename "$program") (as shipped)" "$(awk -v b="$bytes" 'BEGIN { printf "%.2f", b / 1048576 }') MiB" "" "" "" "-"
done

# Where the 1-profile start's time goes: the launcher's own marks, in milliseconds since its
# process was created, medians of traced starts (the marks cost a little themselves).
echo
echo "Start-up, 1 profile, traced (median $(value traced_ms) ms to shown and idle):"
printf '| %-52s | %10s | %10s |\n' "Reached" "At" "Step"
printf '| %-52s | %10s | %10s |\n' "----------------------------------------------------" "----------" "----------"
describe() {
  case $1 in
    entry) echo "process created to the program's entry routine" ;;
    controls) echo "OLE and the common controls initialised" ;;
    settings) echo "settings file and profiles loaded" ;;
    window) echo "main window and its pages created" ;;
    texts) echo "texts applied, menus built" ;;
    profile) echo "active profile shown in the controls" ;;
    shown) echo "window shown" ;;
    painted) echo "first paint" ;;
    idle) echo "idle, waiting for input" ;;
    profiles) echo "every profile read (steps while waiting for input)" ;;
    *) echo "$1" ;;
  esac
}
previous=0
for point in $(value marks); do
  at=$(value "mark_${point}_ms")
  printf '| %-52s | %7s ms | %7s ms |\n' "$(describe "$point")" "$at" "$(awk -v a="$at" -v b="$previous" 'BEGIN { printf "%.1f", a - b }')"
  previous=$at
done
