# Sourced by the regeneration checks (artwork_check.sh, sounds_check.sh).
#   compare_made <check> <tool> <made dir> <committed dir> <shown dir> <file>...
# Compares each file a generator made with its committed twin, says which are
# missing or differ, and counts them: adds to $count, sets $status to 1 on a
# mismatch.
compare_made() {
    check=$1 tool=$2 made=$3 committed=$4 shown=$5
    shift 5
    for file in "$@"; do
        count=$((count + 1))
        if [ ! -f "$committed/$file" ]; then
            echo "$check: $shown/$file is missing; run $tool" >&2
            status=1
        elif ! cmp -s "$made/$file" "$committed/$file"; then
            echo "$check: $shown/$file differs from what its sources make; run $tool" >&2
            status=1
        fi
    done
}
