#!/usr/bin/env bash
# The users' README of the packages (packaging/README.txt) names every item
# of the tray menu, as the menu in src/app/Netvik.rc holds them (without the
# access keys' "&"), and every file that the program keeps, as
# src/platform/win32/Win32HistoryFile.h names their pairs (NAME.csv and
# NAME.old.csv: history, latency).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
readme=$top/packaging/README.txt
items=$(sed -n '/^IDM_POPUP MENU/,/^END/s/^ *MENUITEM "\(.*\)",.*/\1/p' "$top/src/app/Netvik.rc" | tr -d '&')
names=$(sed -n 's/.*static constexpr char k[A-Za-z]*\[\] = "\([a-z]*\)";.*/\1/p' "$top/src/platform/win32/Win32HistoryFile.h")
files=$(for name in $names; do echo "$name.csv"; echo "$name.old.csv"; done)
if [ -z "$items" ] || [ -z "$files" ]; then
    echo "FAIL: no menu items or record files found in the sources" >&2
    exit 1
fi
failed=0
while IFS= read -r name; do
    grep -qwF -- "$name" "$readme" && continue
    echo "FAIL: packaging/README.txt never names \"$name\"" >&2
    failed=1
done <<<"$items"$'\n'"$files"
[ "$failed" = 0 ] && echo "packaging/README.txt names" $items $files
exit "$failed"
