#!/bin/bash
# Builds everything and runs every test: native unit tests (also under the
# address and undefined-behaviour sanitizers), the Win32 tests of both builds
# under Wine, and the end-to-end suites against the i686 release program
# under Xvfb and Wine, side by side. Installs whatever Debian packages are
# missing first.
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

echo "== win64: the x86_64 program, its Win32 tests and the benchmarks' builds"
cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64

echo "== win32: the i686 release program, its Win32 tests and every end-to-end suite against it"
cmake --preset win32 >/dev/null
cmake --build --preset win32
./scripts/check-imports.sh build/win32/VelmiraClock.exe build/win64/VelmiraClock.exe
ctest --preset win32

echo "== all tests passed"
