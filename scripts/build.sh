#!/usr/bin/env bash
# Builds the shipped 32-bit programs in $BUILD_DIR; with "x86_64" as argument, the 64-bit test
# build of the same sources in $BUILD_DIR/x86_64. Configures once, then builds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
arch=${1:-i686}

case "$arch" in
  i686) dir=$BUILD_DIR ;;
  x86_64) dir=$BUILD_DIR/x86_64 ;;
  *) echo "error: unknown architecture '$arch'" >&2; exit 1 ;;
esac
compiler=$arch-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null ||
  { echo "error: the $arch cross compiler $compiler is not installed (make deps installs it)" >&2; exit 1; }

if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
