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

# Each preset's workflow configures, builds and runs its tests:
# cmake --workflow --preset <name> does the same by hand.
echo "== native: portable logic and its unit tests"
cmake --workflow --preset native

echo "== native-asan: the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --workflow --preset native-asan

echo "== win64: the x86_64 program, its Win32 tests and the benchmarks' builds"
cmake --workflow --preset win64

echo "== win32: the i686 release program, its Win32 tests and every end-to-end suite against it"
# Both programs' imports are checked before the long end-to-end run.
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target VelmiraClock
program="$(./scripts/identity.sh build/win32 PROGRAM_NAME)"
./scripts/check-imports.sh "build/win32/$program.exe" "build/win64/$program.exe"
cmake --workflow --preset win32

echo "== all tests passed"
