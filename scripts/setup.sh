#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12, and lays the
# project's Wine prefix. Quiet and quick when everything is already there.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"

packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 xvfb xauth xdotool x11-utils imagemagick locales fonts-wqy-microhei fonts-wine)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale: zh_CN gives 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

stamp="$WINEPREFIX/.merrowin-prefix-2"
if [ ! -f "$stamp" ]; then
    echo "setup: creating the Wine prefix $WINEPREFIX"
    mkdir -p "$MERROWIN_BUILD"
    DISPLAY= wineboot -i >/dev/null 2>&1
    DISPLAY= wine regedit /S "$(winepath -w "$here/wine-prefix.reg" 2>/dev/null)" >/dev/null 2>&1
    # Wine draws the caption buttons with Marlett; without it they show as letters.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    DISPLAY= wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v 'Marlett (TrueType)' /d marlett.ttf /f >/dev/null 2>&1
    wineserver -w
    touch "$stamp"
fi
