#!/usr/bin/env bash
# The main job: sets everything up, builds, and starts the program under Wine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export MERROWIN_BUILD="$root/build"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-env.sh"
exec wine "$MERROWIN_BUILD/win/merrowin.exe"
