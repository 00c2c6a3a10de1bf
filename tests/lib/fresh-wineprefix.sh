#!/usr/bin/env bash
# Makes a fresh, booted Wine prefix in the given directory, replacing any
# earlier one there, so that test runs never share registry or files. The
# prefix is 32-bit when WINEARCH=win32, else 64-bit.
set -euo pipefail
prefix=${1:?usage: fresh-wineprefix.sh DIR}
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
if [ -d "$prefix" ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
mkdir -p "$(dirname "$prefix")"
WINEARCH=${WINEARCH:-win64} wineboot -i >/dev/null 2>&1
wineserver -w
echo "fresh Wine prefix: $prefix"
