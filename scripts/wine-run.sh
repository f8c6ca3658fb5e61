#!/bin/bash
# Runs one Windows executable under Wine in a private copy of the prefix
# template, on a private Xvfb display, and returns its exit code. The loader
# follows the executable's PE machine: i386 -> wine, x86-64 -> wine64.
# Used as CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs the Win32 tests through it.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
template="$("$here/wine-prefix.sh")" || exit 1

pe="$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')"
case "$(od -An -tx2 -j$((${pe:-0} + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')" in
    014c) loader=/usr/lib/wine/wine ;;
    8664) loader=/usr/lib/wine/wine64 ;;
    *) echo "wine-run: $1 is not an i386 or x86-64 Windows program" >&2; exit 1 ;;
esac

work="$(mktemp -d /tmp/velmira-wine.XXXXXX)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
cp -a "$template" "$WINEPREFIX"

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${VELMIRA_KEEP_DISPLAY:-}" ]; then
    exec 8>"$work/display"
    Xvfb -displayfd 8 -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
fi

wineserver -p >/dev/null 2>&1
/usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1
"$loader" "$@"
rc=$?
exit $rc
