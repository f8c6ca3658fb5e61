#!/bin/bash
# The program must run from its single file: only system DLLs may be imported.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|advapi32|comctl32|uxtheme|winmm|msvcrt|shell32|ole32|comdlg32|imm32)\.dll$'
status=0
for exe in "$@"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
    for dll in $dlls; do
        if ! [[ "$dll" =~ $allowed ]]; then
            echo "$exe imports $dll, which is not a system DLL"
            status=1
        fi
    done
    echo "$exe imports: $(echo $dlls)"
done
exit $status
