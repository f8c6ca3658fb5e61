#!/bin/sh
# Regenerates every picture, region and the icon from resources/art into a
# scratch folder and fails when any committed file differs from its rebuild.
#   tests/artwork_check.sh <path of make_regions>
set -eu

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 <make_regions executable>" >&2
    exit 2
fi
make_regions=$1
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/velmira-artcheck.XXXXXX")
trap 'rm -rf "$scratch"' EXIT INT TERM

python3 "$root/tools/make_artwork.py" --make-regions "$make_regions" --out "$scratch"

status=0
count=0
for made in $(cd "$scratch" && find . -type f | sort); do
    count=$((count + 1))
    committed="$root/resources/${made#./}"
    if [ ! -f "$committed" ]; then
        echo "artwork_check: resources/${made#./} is missing; run tools/make_artwork.py" >&2
        status=1
    elif ! cmp -s "$scratch/$made" "$committed"; then
        echo "artwork_check: resources/${made#./} differs from what its sources make; run tools/make_artwork.py" >&2
        status=1
    fi
done
if [ "$count" -lt 16 ]; then
    echo "artwork_check: the generator made only $count files" >&2
    status=1
fi
[ $status -eq 0 ] && echo "artwork_check: all $count generated files match"
exit $status
