#!/bin/sh
# Installs the Debian packages that building, running and testing need.
# Safe to run again: it only installs what is missing, and says nothing when
# everything is there. wine32 (i386) runs the release program, its installer
# and the Win32 tests built for it.
set -eu

PACKAGES="cmake ninja-build g++ googletest libgtest-dev clang-format
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
wine wine64 wine32:i386 nsis xvfb xdotool x11-apps x11-utils x11-xserver-utils imagemagick librsvg2-bin
fonts-ipafont-gothic fonts-wine faketime libfaketime python3"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "install-deps: installing$missing"
    SUDO=""
    if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
    export DEBIAN_FRONTEND=noninteractive
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
