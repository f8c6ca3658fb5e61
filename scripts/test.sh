#!/bin/bash
# Builds everything and runs every test: native unit tests (also under the
# address and undefined-behaviour sanitizers), Win32 tests under
# Wine, end-to-end tests of the real program under Xvfb and Wine, and the
# 32-bit release build. Installs whatever Debian packages are missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

echo "== format and layers"
./scripts/check-format.sh

echo "== native: portable logic and its unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== native-asan: the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan

echo "== win64: the program, Win32 tests and end-to-end tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64

echo "== win32: the i686 release program"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target VelmiraClock
./scripts/check-imports.sh build/win32/VelmiraClock.exe build/win64/VelmiraClock.exe

echo "== all tests passed"
