#!/bin/bash
# Builds the release program (the win32 preset: i686, stripped) and writes
# what users download into build/package/:
#   VelmiraClock-<version>-win32.zip   the program, README.txt and LICENSE.txt
#   VelmiraClock-<version>-setup.exe   the installer (NSIS)
# <version> is project(... VERSION ...) in CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

./scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target VelmiraClock installer
build="$root/build/win32"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
./scripts/check-imports.sh "$build/VelmiraClock.exe" >/dev/null

out="$root/build/package"
rm -rf "$out"
mkdir -p "$out/zip"
cp "$build/VelmiraClock.exe" "$build/package-files/README.txt" "$build/package-files/LICENSE.txt" "$out/zip/"
zip="VelmiraClock-$version-win32.zip"
(cd "$out/zip" && cmake -E tar cf "../$zip" --format=zip VelmiraClock.exe README.txt LICENSE.txt)
rm -rf "$out/zip"
cp "$build/VelmiraClock-$version-setup.exe" "$out/"

# Both downloads stay small enough for anyone's connection.
limit=$((2500 * 1024))
for f in "$out/$zip" "$out/VelmiraClock-$version-setup.exe"; do
    size=$(stat -c %s "$f")
    if [ "$size" -gt "$limit" ]; then
        echo "package: $(basename "$f") is $size bytes, over 2.5 MB" >&2
        exit 1
    fi
    echo "package: build/package/$(basename "$f") ($size bytes)"
done
