#!/bin/bash
# Fails when a C++ file of ours differs from what the committed .clang-format
# makes of it. With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- 'src/*.h' 'src/*.cpp' 'tests/*.h' \
    'tests/*.cpp' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/velmira-format.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/velmira-format.$$ | head -20
    echo "check-format: run scripts/check-format.sh --fix"
    rm -f /tmp/velmira-format.$$
    exit 1
fi
rm -f /tmp/velmira-format.$$
echo "check-format: ${#files[@]} files formatted"
