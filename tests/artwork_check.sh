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
. "$root/tests/compare_made.sh"
compare_made artwork_check tools/make_artwork.py "$scratch" "$root/resources" resources \
    $(cd "$scratch" && find . -type f | sed 's|^\./||' | sort)
if [ "$count" -lt 16 ]; then
    echo "artwork_check: the generator made only $count files" >&2
    status=1
fi
[ $status -eq 0 ] && echo "artwork_check: all $count generated files match"
exit $status
