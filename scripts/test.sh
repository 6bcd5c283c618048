#!/usr/bin/env bash
# Runs every test under Wine inside a private X server and prints CTest's summary: on the
# 32-bit build where this machine runs 32-bit programs, otherwise on the 64-bit test build.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
set -e
select_build Testing
start_xvfb
trap stop_xvfb EXIT
start_wine
set +e
ctest --test-dir "$ARCH_BUILD_DIR" --output-on-failure -j"$(nproc)" ${CTEST_ARGS:-} </dev/null
