#!/usr/bin/env bash
# Prints the launcher's version as the launcher shows it (major.minor.revision), from the
# numbers launcher/AppVersion.h defines.
set -euo pipefail
cd "$(dirname "$0")/.."
part() { sed -n "s/^#define VEKOLAUNCH_VER_$1 \([0-9][0-9]*\)$/\1/p" launcher/AppVersion.h; }
major=$(part MAJOR)
minor=$(part MINOR)
revision=$(part REVISION)
[ -n "$major" ] && [ -n "$minor" ] && [ -n "$revision" ] || {
  echo "error: no version in launcher/AppVersion.h" >&2
  exit 1
}
echo "$major.$minor.$revision"
