#!/usr/bin/env bash
# A scripted session with real X input (xdotool) on the current display, in the
# Wine virtual desktop: the code typed into the notice, "刷新信息", the first
# instance selected, apps ticked, "开始精简", then Esc.
#   session.sh FOLDER SHOTS BOXES
# FOLDER holds merrowin.exe and the stand-in tool; SHOTS receives a screenshot of
# each step ("" for none); BOXES is "all" (the "全选" button) or box numbers.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
folder="$1" shots="$2" boxes="$3"
report="$MERROWIN_BUILD/win/tests/win/window_report.exe"

say() { echo "session: $*"; }
shot() { [ -z "$shots" ] || { import -window root "$shots/$1.png"; say "screenshot $shots/$1.png"; }; }
ask() { wine "$report" "$1" 2>/dev/null | tr -d '\r'; }
wait_for() {  # wait_for QUESTION ANSWER: polls the window report, 30 s at most
    for _ in $(seq 1 300); do [ "$(ask "$1")" = "$2" ] && return 0; sleep 0.1; done
    say "timed out waiting for $1 = $2" >&2; return 1
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

cd "$folder"
wine "$folder/merrowin.exe" &
program=$!
wait_for notice yes
sleep 0.5
shot 1-notice
xdotool type --delay 60 36tk
xdotool key Return
wait_for notice no
for _ in $(seq 1 100); do origin="$(ask origin)" && [ -n "$origin" ] && break; sleep 0.1; done
read -r ox oy <<<"$origin"
sleep 0.5
shot 2-main-window

click $((ox + 50)) $((oy + 212))          # 刷新信息
wait_for busy idle
sleep 0.3
shot 3-refreshed
click $((ox + 40)) $((oy + 44))           # the first row of the list
if [ "$boxes" = all ]; then
    click $((ox + 155)) $((oy + 212))     # 全选
else
    for k in $boxes; do                   # on the caption text: the two columns overlap
        if [ "$k" -le 17 ]; then x=$((3 + 5 + 40)); y=$((225 + 8 + 15 * (k - 1) + 8))
        else x=$((3 + 157 + 40)); y=$((225 + 8 + 15 * (k - 18) + 8)); fi
        click $((ox + x)) $((oy + y))
    done
fi
shot 4-ticked
click $((ox + 260)) $((oy + 212))         # 开始精简
sleep 0.5
wait_for busy idle
for _ in $(seq 1 100); do grep -q '^reboot' "$folder/lsconsole.log" 2>/dev/null && break; sleep 0.1; done
sleep 0.5
shot 5-slimmed
say "log box:"
ask log | iconv -f GBK -t UTF-8; echo
say "console tool's command log:"
iconv -f GBK -t UTF-8 "$folder/lsconsole.log"
click $((ox + 400)) $((oy + 300))         # into the log box, then Esc closes the window
xdotool key Escape
wait "$program"
say "program ended with exit code $?"
