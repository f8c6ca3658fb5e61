#!/bin/bash
# Fails when an include runs against the layers:
#   base  <-  a subsystem's portable code  <-  its win/ shell  <-  app
# - portable files (src/<part>/*) include no Windows header and nothing from a win/ folder;
# - nothing outside src/app includes app/;
# - src/base and src/base/win include only base/ (and the system).
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

[ $status -eq 0 ] && echo "includes follow the layers: base <- portable <- win <- app"
exit $status
