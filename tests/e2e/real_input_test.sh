#!/usr/bin/env bash
# End to end with real X input: the scripted session on the harness's display,
# checked against the list's rows, the log, the console tool's command log and
# the simulated partitions. The probe build records rows and log at its end.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$root/scripts/wine-env.sh"
folder="$MERROWIN_BUILD/e2e-real-input"
rm -rf "$folder"
wine "$MERROWIN_BUILD/win/lay_demo_folder.exe" "$(winepath -w "$folder")"
cp "$MERROWIN_BUILD/win/tests/win/merrowin_probe.exe" "$folder/merrowin.exe"
export MERROWIN_PROBE="$(winepath -w "$folder/probe.txt")"
"$root/scripts/session.sh" "$folder" "" "6 16 28" >"$folder/session.txt" 2>&1 || { cat "$folder/session.txt"; exit 1; }

failures=0
check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}
probe="$(iconv -f GBK -t UTF-8 "$folder/probe.txt" | tr -d '\r')"
check "rows of the list" "$(printf 'row\t0\t主力机\t模拟器运行中\t文件正常\tsamsung\tSM-G9810
row\t1\t测试机\t模拟器未运行\t文件正常\tHUAWEI\tELS-AN00
row\t3\t备用机\t模拟器运行中\t文件有误\tXiaomi\tM2007J1SC
row\t4\t小号\t模拟器运行中\t文件正常\tOPPO\t')" "$(grep '^row' <<<"$probe")"
check "log box" 'log	开始精简模拟器 【主力机 】\r\n正在精简应用 Gallery2\r\n正在精简应用 Contacts\r\n正在精简应用 Shell\r\n选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【主力机】' \
    "$(grep '^log' <<<"$probe")"
expected_commands="$(printf 'list2\n%.0s' $(seq 1 9))
adb --index 0 --command \"shell rm -r /system/app/Gallery2
adb --index 0 --command \"shell rm -r /system/app/Gallery2
adb --index 0 --command \"shell rm -r /system/priv-app/Contacts
adb --index 0 --command \"shell rm -r /system/priv-app/Contacts
adb --index 0 --command \"shell rm -r /system/priv-app/Shell
adb --index 0 --command \"shell rm -r /system/priv-app/Shell
reboot --index 0"
check "console tool's commands" "$expected_commands" "$(tr -d '\r' <"$folder/lsconsole.log")"
apps() { (cd "$folder/vms/lsvm$1/system" && ls -d app/* priv-app/* | sort); }
check "instance 0 lost exactly the ticked apps" "$(apps 3 | grep -v -x -e app/Gallery2 -e priv-app/Contacts -e priv-app/Shell)" "$(apps 0)"
check "other instances untouched" "33 33 33" "$(apps 1 | wc -l) $(apps 3 | wc -l) $(apps 4 | wc -l)"
check "exit code" "session: program ended with exit code 0" "$(tail -n 1 "$folder/session.txt")"
check "globals released once" "1" "$(grep -c '^release' <<<"$probe")"
echo "$(( 7 - failures )) passed, $failures failed"
[ "$failures" = 0 ]
