#!/usr/bin/env bash
# Builds everything and runs every test: the native sanitizer tests and the
# Windows tests under Wine, in one CTest run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export MERROWIN_BUILD="$root/build"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# One CTest run over both builds.
printf 'subdirs("native" "win")\n' >"$MERROWIN_BUILD/CTestTestfile.cmake"
cd "$MERROWIN_BUILD"
ctest --output-on-failure --timeout 300 "$@"
