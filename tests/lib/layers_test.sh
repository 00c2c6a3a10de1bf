#!/usr/bin/env bash
# The source folders read top-down: each one includes only folders below it
# in this order, and nothing outside platform/win32 and app includes a
# Windows header.
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)
order=(app monitor addresses settings registry tray net platform common external)
failed=0
for ((i = 0; i < ${#order[@]}; i++)); do
    folder=${order[i]}
    [ -d "$src/$folder" ] || continue
    below=" ${order[*]:i+1} "
    while IFS=: read -r file included; do
        [ "$included" = "$folder" ] || [[ $below == *" $included "* ]] && continue
        echo "FAIL: ${file#"$src"/} includes $included/, which is not below $folder/" >&2
        failed=1
    done < <(grep -roE '#include "[a-z0-9_]+/' "$src/$folder" | sed 's|#include "||; s|/$||')
done
while IFS= read -r file; do
    echo "FAIL: ${file#"$src"/} includes a Windows header outside platform/win32 and app" >&2
    failed=1
done < <(grep -rlE '#include <(windows|winsock|shellapi|commctrl)\.h>' "$src" | grep -vE "/(platform/win32|app)/" || true)
[ "$failed" = 0 ] && echo "layers: ${order[*]}, top-down"
exit "$failed"
