#!/usr/bin/env bash
# Starts a private Xvfb display and a persistent wineserver for the test run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
"$here/xvfb-stop.sh"
for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$MERROWIN_BUILD/xvfb.pid"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    if [ -e "/tmp/.X11-unix/X$n" ]; then
        echo ":$n" >"$MERROWIN_BUILD/xvfb.display"
        export DISPLAY=":$n"
        wineserver -p >/dev/null 2>&1 </dev/null
        # Opens the virtual desktop once, so that the first test does not pay for it.
        wine cmd.exe /c exit 0 >/dev/null 2>&1 || true
        exit 0
    fi
    kill "$(cat "$MERROWIN_BUILD/xvfb.pid")" 2>/dev/null || true
done
echo "xvfb-start: no free display" >&2
exit 1
