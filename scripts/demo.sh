#!/usr/bin/env bash
# The main job: sets everything up, builds, lays the demo emulator folder with the
# stand-in console tool, and starts the program from there under Wine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export MERROWIN_BUILD="$root/build"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-env.sh"
demo="$MERROWIN_BUILD/demo"
wine "$MERROWIN_BUILD/win/lay_demo_folder.exe" "$(winepath -w "$demo")"
cp "$MERROWIN_BUILD/win/merrowin.exe" "$demo/"
echo "demo: emulator folder $demo"
cd "$demo"
exec wine "$demo/merrowin.exe"
