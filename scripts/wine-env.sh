# Sourced: the environment every Wine run of this project uses.
# MERROWIN_BUILD names the build folder; the prefix and display live inside it.
: "${MERROWIN_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="$MERROWIN_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export LANG=zh_CN.UTF-8
unset LC_ALL
export WINEDLLOVERRIDES="mscoree,mshtml="
# The test display, when the harness has started one.
if [ -z "${DISPLAY:-}" ] && [ -f "$MERROWIN_BUILD/xvfb.display" ]; then
    export DISPLAY="$(cat "$MERROWIN_BUILD/xvfb.display")"
fi
