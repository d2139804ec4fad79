#!/usr/bin/env bash
# Stops what xvfb-start.sh started; leaves no process behind.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
if [ -f "$MERROWIN_BUILD/xvfb.pid" ]; then
    pid="$(cat "$MERROWIN_BUILD/xvfb.pid")"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$pid" 2>/dev/null || true
fi
rm -f "$MERROWIN_BUILD/xvfb.pid" "$MERROWIN_BUILD/xvfb.display"
exit 0
