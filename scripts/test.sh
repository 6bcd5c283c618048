#!/usr/bin/env bash
# Runs every test under Wine inside a private X server and prints CTest's summary: on the
# 32-bit build where this machine runs 32-bit programs, otherwise on the 64-bit test build.
# STRESS=1 runs the suite with every core kept busy (see scripts/wine-env.sh).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
set -e
select_build Testing
start_xvfb
trap 'stop_stress; remove_run_temp; stop_xvfb' EXIT
start_wine
make_run_temp test-temp
export VEKOLAUNCH_TEST_TEMP=$RUN_TEMP_WIN
start_stress
set +e
ctest --test-dir "$ARCH_BUILD_DIR" --output-on-failure -j"$(nproc)" ${CTEST_ARGS:-} </dev/null
rc=$?
if [ $rc -ne 0 ] && [ -f "$ARCH_BUILD_DIR/Testing/Temporary/LastTest.log" ]; then
  # The next run overwrites CTest's log; a failure that happens once in many runs needs it kept.
  kept=$ARCH_BUILD_DIR/failed-run-$(date +%Y%m%d-%H%M%S).log
  cp "$ARCH_BUILD_DIR/Testing/Temporary/LastTest.log" "$kept"
  echo "The whole log of this run (every test's command and output) is kept in $kept"
fi
exit $rc
