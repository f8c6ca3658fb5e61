#!/bin/bash
# Prints one fact of the product's identity (spelled in CMakeLists.txt) from
# the product_identity.txt that CMake writes into a Windows build folder:
#   scripts/identity.sh build/win32 PROGRAM_NAME   ->   VelmiraClock
set -euo pipefail
value="$(sed -n "s/^$2=//p" "$1/product_identity.txt")"
if [ -z "$value" ]; then
    echo "identity: no $2 in $1/product_identity.txt" >&2
    exit 1
fi
printf '%s\n' "$value"
