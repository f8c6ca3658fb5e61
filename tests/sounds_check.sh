#!/bin/sh
# Regenerates every sound from resources/sounds/sounds.json into a scratch
# folder and fails when a committed WAVE differs from its rebuild, or when a
# committed snd_*.wav is one the generator no longer makes.
#   tests/sounds_check.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/velmira-soundcheck.XXXXXX")
trap 'rm -rf "$scratch"' EXIT INT TERM

python3 "$root/tools/make_sounds.py" --out "$scratch"

status=0
count=0
. "$root/tests/compare_made.sh"
compare_made sounds_check tools/make_sounds.py "$scratch/sounds" "$root/resources/sounds" \
    resources/sounds $(cd "$scratch/sounds" && ls snd_*.wav)
for committed in $(cd "$root/resources/sounds" && ls snd_*.wav); do
    if [ ! -f "$scratch/sounds/$committed" ]; then
        echo "sounds_check: resources/sounds/$committed is not made by tools/make_sounds.py" >&2
        status=1
    fi
done
if [ "$count" -ne 10 ]; then
    echo "sounds_check: the generator made $count sounds, not 10" >&2
    status=1
fi
[ $status -eq 0 ] && echo "sounds_check: all $count generated sounds match"
exit $status
