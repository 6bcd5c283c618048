#!/usr/bin/env bash
# CTest's emulator: runs a Windows test program under the Wine loader given first, with the
# loader writing straight to CTest (no pipe of ours that Wine's helper processes could hold).
# A run that fails says with which exit code: a run that ended before the program printed its
# first line has nothing else to tell why.
loader=$1
shift
"$loader" "$@"
code=$?
[ "$code" -eq 0 ] || echo "[$(basename "$loader" .sh) ended with exit code $code]"
exit "$code"
