#!/usr/bin/env bash
# Runs every test under Wine inside a private X server and prints CTest's summary.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
start_xvfb
trap stop_xvfb EXIT
start_wine
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" ${CTEST_ARGS:-} </dev/null
