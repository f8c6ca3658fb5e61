#!/bin/bash
# Builds the program and starts it under Wine. Settings persist in a Wine
# prefix of their own (~/.local/share/velmira/prefix). Without a display the
# program runs on a virtual one, and a screenshot is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

./scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VelmiraClock
program="$(./scripts/identity.sh build/win64 PROGRAM_NAME)"
stage_class="$(./scripts/identity.sh build/win64 STAGE_CLASS)"
exe="$root/build/win64/$program.exe"

export WINEPREFIX="${VELMIRA_PREFIX:-$HOME/.local/share/velmira/prefix}" WINEDEBUG=-all
if [ ! -d "$WINEPREFIX" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    cp -a "$(./scripts/wine-prefix.sh)" "$WINEPREFIX"
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wineserver -p >/dev/null 2>&1
    exec /usr/lib/wine/wine64 "$exe"
fi

# No display: a virtual one, a screenshot after a few seconds, then a clean close.
tmp="$(mktemp -d /tmp/velmira-run.XXXXXX)"
exec 8>"$tmp/display"
Xvfb -displayfd 8 -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1; kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$tmp/display")"
# The desktop behind her, so her outline shows.
xsetroot -solid '#3a6ea5' 2>/dev/null || true
wineserver -p >/dev/null 2>&1
/usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
/usr/lib/wine/wine64 "$exe" </dev/null >/dev/null 2>&1 &
sleep "${VELMIRA_RUN_SECONDS:-6}"
shot="$root/build/screenshot.png"
xwd -root -silent | /usr/bin/convert xwd:- "$tmp/screen.png"
# Xvfb leaves stale pixels where her window's shape uncovers the desktop; cut
# the picture with her window region, as a real desktop would show her.
window="$(xdotool search --onlyvisible --class "${program,,}.exe" | head -n1)"
geometry="$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x","y","w","h}')"
python3 "$root/tools/readme_screenshot.py" --cut "$tmp/screen.png" --window "$geometry" --out "$shot" >/dev/null
echo "No display here: $program ran on a virtual display ($DISPLAY)."
echo "Screenshot saved to $shot"
cmake --build --preset win64 --target e2e_helper >/dev/null
/usr/lib/wine/wine64 "$root/build/win64/e2e_helper.exe" close "$stage_class" >/dev/null 2>&1 || true
sleep 1
