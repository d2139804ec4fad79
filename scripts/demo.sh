#!/usr/bin/env bash
# The main job: sets everything up, builds, lays the demo emulator folder with the
# stand-in console tool, and runs the program from there under Wine, in a Wine
# virtual desktop. With a display it is yours to work; without one a scripted
# session runs on a private Xvfb display and leaves screenshots of each step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export MERROWIN_BUILD="$root/build"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
demo="$MERROWIN_BUILD/demo"
if [ -z "${DISPLAY:-}" ]; then
    "$root/scripts/xvfb-start.sh"
    trap '"$root/scripts/xvfb-stop.sh"' EXIT
fi
. "$root/scripts/wine-env.sh"
wine "$MERROWIN_BUILD/win/lay_demo_folder.exe" "$(winepath -w "$demo")"
cp "$MERROWIN_BUILD/win/merrowin.exe" "$demo/"
echo "demo: emulator folder $demo (four instances; the access code is 36tk)"
if [ -f "$MERROWIN_BUILD/xvfb.display" ]; then
    shots="$MERROWIN_BUILD/demo-screenshots"
    rm -rf "$shots" && mkdir -p "$shots"
    echo "demo: no display, running a scripted session on $DISPLAY; screenshots go to $shots"
    "$root/scripts/session.sh" "$demo" "$shots" all
else
    cd "$demo"
    exec wine "$demo/merrowin.exe"
fi
