#!/bin/bash
# Prints the path of a prepared Wine prefix template, building it on first use.
# Every test copies it (cp -a, ~1 s) instead of running wineboot (~13 s).
# Made by wine64 after wine32 is installed, it runs both the i686 and the
# x86_64 programs (a template made before lacks the 32-bit system folder).
set -euo pipefail

template="${VELMIRA_WINE_TEMPLATE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmira/wine-template-6}"
stamp="$template/.velmira-ready-6"

if [ -f "$stamp" ]; then
    echo "$template"
    exit 0
fi

mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
if [ -f "$stamp" ]; then
    echo "$template"
    exit 0
fi

if [ ! -x /usr/lib/wine/wine ]; then
    echo "wine-prefix: wine32 is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
rm -rf "$template"
export WINEPREFIX="$template" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
# wineboot needs no display for set-up, but keep it off any real one.
unset DISPLAY
wineboot -i </dev/null >/dev/null 2>&1 || true
reg() { /usr/lib/wine/wine64 reg "$@" </dev/null >/dev/null 2>&1; }
# A crash must end the process (exit code 5), never wait in a dialog.
reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
# Unmanaged windows: no window manager decorations, and HTCAPTION drags work.
reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
# No sound card here.
reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d "" /f
# Japanese fonts for the layout font and for menus.
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS PGothic' /t REG_SZ /d IPAPGothic /f
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f
reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v 'Tahoma Bold' /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v 'MS Shell Dlg' /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v 'MS Shell Dlg 2' /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
fonts="$template/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/truetype/fonts-japanese-gothic.ttf; do
    [ -e "$f" ] && ln -sf "$(readlink -f "$f")" "$fonts/$(basename "$f")"
done
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
touch "$stamp"
echo "$template"
