#!/bin/bash
# Fails when an include runs against the layers:
#   base  <-  a subsystem's portable code  <-  its win/ shell  <-  app
# - portable files (src/<part>/*) include no Windows header and nothing from a win/ folder;
# - nothing outside src/app includes app/;
# - src/base and src/base/win include only base/ (and the system);
# - a subsystem includes a sibling only where the list below allows it: the
#   settings hold the reminders' slots. Nothing but app/ includes settings/.
root="${1:-.}"
cd "$root/src" || exit 2
status=0
include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*'

report() {  # title, grep output
    if [ -n "$2" ]; then
        echo "$1:"
        echo "$2"
        status=1
    fi
}

portable=$(ls */*.h */*.cpp 2>/dev/null)
shell=$(ls */win/*.h */win/*.cpp 2>/dev/null)

report "Windows headers in the portable logic" "$(grep -nE "${include_re}[<\"](windows|winuser|wingdi|winreg|mmsystem|commctrl|winbase|windef|shellapi|objbase)\.h[>\"]" $portable)"
report "win/ headers in the portable logic" "$(grep -nE "${include_re}\"[^\"]*/win/" $portable)"
report "app/ included outside src/app" "$(grep -nE "${include_re}\"app/" $(echo $portable $shell | tr ' ' '\n' | grep -v '^app/'))"
report "base/ reaching above itself" "$(grep -nE "${include_re}\"" base/*.h base/*.cpp base/win/*.h base/win/*.cpp 2>/dev/null | grep -vE ":[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*\"base/")"

# The sibling includes allowed, as from->to by subsystem folder.
allowed_siblings="settings->reminders"
siblings=""
for f in $(echo $portable $shell); do
    from=${f%%/*}
    [ "$from" = app ] || [ "$from" = base ] && continue
    while IFS= read -r line; do
        to=$(printf '%s' "$line" | sed -nE "s|${include_re}\"([a-z_]+)/.*|\1|p")
        [ -z "$to" ] || [ "$to" = "$from" ] || [ "$to" = base ] && continue
        case " $allowed_siblings " in *" $from->$to "*) continue ;; esac
        siblings="$siblings$f: $line"$'\n'
    done < <(grep -E "${include_re}\"" "$f")
done
report "a subsystem including a sibling it may not" "${siblings%$'\n'}"

[ $status -eq 0 ] && echo "includes follow the layers: base <- portable <- win <- app; siblings: $allowed_siblings"
exit $status
