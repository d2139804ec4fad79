#!/usr/bin/env bash
# Benchmarks, printed as ratios from one run. Not a test: it judges nothing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export MERROWIN_BUILD="$root/build"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
"$root/scripts/xvfb-start.sh"
trap '"$root/scripts/xvfb-stop.sh"' EXIT
. "$root/scripts/wine-env.sh"
cd "$MERROWIN_BUILD/win/tests/win"   # emit.exe lies here
wine "$MERROWIN_BUILD/win/runner_bench.exe"
wine "$MERROWIN_BUILD/win/app_bench.exe"
