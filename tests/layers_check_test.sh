#!/bin/bash
# The layer check passes on the tree and fails on each kind of include that
# runs the wrong way, each put into a copy of the tree.
set -u
root="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
check="$root/scripts/check-layers.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0

"$check" "$root" >/dev/null || { echo "FAIL: the tree itself breaks the layers"; "$check" "$root"; fail=1; }

expect_caught() {  # file inside src, the line to add, what it shows
    rm -rf "$work/src"
    cp -r "$root/src" "$work/src"
    printf '%s\n' "$2" >>"$work/src/$1"
    if "$check" "$work" >/dev/null; then
        echo "FAIL: not caught: $3 ($1: $2)"
        fail=1
    else
        echo "caught: $3"
    fi
}

expect_caught clock/clock_ticker.h '#include "clock/win/clocker.h"' "portable code including its win/ shell"
expect_caught character/window_place.cpp '#include <windows.h>' "a Windows header in portable code"
expect_caught settings/settings_rules.h '#include "app/menu_table.h"' "a subsystem including app/"
expect_caught clock/win/clocker.h '#include "app/win/main_stage.h"' "a win/ shell including app/"
expect_caught base/types.h '#include "clock/clock_ticker.h"' "base including a subsystem"
expect_caught base/win/handles.h '#include "settings/win/registry_store.h"' "base/win including a subsystem"
expect_caught reminders/reminder_queue.h '#include "settings/stage_settings.h"' "a subsystem including settings/"
expect_caught clock/win/dial_view.h '#include "character/win/faces.h"' "a sibling include no rule allows"
exit $fail
