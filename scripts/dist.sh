#!/usr/bin/env bash
# Packs the shipped 32-bit install as build/Vekolaunch-<version>.zip: the launcher, its language
# and FAQ files and Lingobench in tools\, from the install layout every build stages in
# build/dist/Vekolaunch. Files the programs write there at run time (the settings file, language
# files made with Lingobench) stay out: only what the sources ship is packed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
scripts/build.sh i686
cmake --build "$BUILD_DIR" --target dist >/dev/null

version=$(scripts/launcher-version.sh)
zipfile="$(cd "$BUILD_DIR" && pwd)/Vekolaunch-$version.zip"

files=(Vekolaunch/Vekolaunch.exe Vekolaunch/tools/Lingobench.exe)
for folder in config doc; do
  for f in "$folder"/*; do files+=("Vekolaunch/$folder/$(basename "$f")"); done
done
rm -f "$zipfile"
(cd "$BUILD_DIR/dist" && zip -q -X "$zipfile" "${files[@]}")
echo "$zipfile"
unzip -l "$zipfile"
