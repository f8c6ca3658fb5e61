#!/bin/bash
# Builds the release program (the win32 preset: i686, stripped) and writes
# what users download into build/package/:
#   VelmiraClock-<version>-win32.zip   the program, README.txt and LICENSE.txt
#   VelmiraClock-<version>-setup.exe   the installer (NSIS)
# The names and <version> come from CMakeLists.txt (the product's identity and
# project(... VERSION ...)).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

./scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target VelmiraClock installer
build="$root/build/win32"
version="$(./scripts/identity.sh "$build" VERSION)"
program="$(./scripts/identity.sh "$build" PROGRAM_NAME)"
./scripts/check-imports.sh "$build/$program.exe" >/dev/null

out="$root/build/package"
rm -rf "$out"
mkdir -p "$out/zip"
cp "$build/$program.exe" "$build/package-files/README.txt" "$build/package-files/LICENSE.txt" "$out/zip/"
zip="$program-$version-win32.zip"
(cd "$out/zip" && cmake -E tar cf "../$zip" --format=zip "$program.exe" README.txt LICENSE.txt)
rm -rf "$out/zip"
setup="$program-$version-setup.exe"
cp "$build/$setup" "$out/"

# Both downloads stay small enough for anyone's connection.
limit=$((2500 * 1024))
for f in "$out/$zip" "$out/$setup"; do
    size=$(stat -c %s "$f")
    if [ "$size" -gt "$limit" ]; then
        echo "package: $(basename "$f") is $size bytes, over 2.5 MB" >&2
        exit 1
    fi
    echo "package: build/package/$(basename "$f") ($size bytes)"
done
