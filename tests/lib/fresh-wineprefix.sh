#!/usr/bin/env bash
# Makes a fresh, booted Wine prefix in the given directory, replacing any
# earlier one there, so that test runs never share registry or files. The
# prefix is 32-bit when WINEARCH=win32, else 64-bit.
set -euo pipefail
# usage: fresh-wineprefix.sh [--no-window-manager] DIR
#   --no-window-manager: the prefix's windows are not left to a window
#   manager (test displays have none, and without one a managed window that
#   hides waits two seconds for it to answer).
unmanaged=0
if [ "${1:-}" = --no-window-manager ]; then
  unmanaged=1
  shift
fi
prefix=${1:?usage: fresh-wineprefix.sh [--no-window-manager] DIR}
. "$(dirname "$0")/wine-arch.sh"
netvik_wine_use_shims
if [ "${WINEARCH:-win64}" = win32 ] && ! netvik_wine_runs win32; then
  echo "fresh-wineprefix.sh: no win32 prefix: $NETVIK_WINE_WHY" >&2
  exit 1
fi
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
if [ -d "$prefix" ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
mkdir -p "$(dirname "$prefix")"
WINEARCH=${WINEARCH:-win64} wineboot -i >/dev/null 2>&1
# This Wine finds its own fonts (Tahoma for dialogs, Marlett for the caption
# buttons) only in the prefix's Fonts folder.
if [ -d /usr/share/wine/fonts ]; then
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi
if [ "$unmanaged" = 1 ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
wineserver -w
echo "fresh Wine prefix: $prefix"
