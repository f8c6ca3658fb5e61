#!/bin/sh
# Fails when a Windows header reaches the portable logic (src/<subsystem>/*, not win/).
root="${1:-.}"
found=$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows|winuser|wingdi|winreg|mmsystem|commctrl|winbase|windef|shellapi|objbase)\.h[>"]' \
    "$root"/src/*/*.h "$root"/src/*/*.cpp 2>/dev/null)
if [ -n "$found" ]; then
    echo "Windows headers in the portable logic:"
    echo "$found"
    exit 1
fi
echo "portable logic is free of Windows headers"
