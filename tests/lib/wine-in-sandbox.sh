#!/usr/bin/env bash
# Runs a Windows program under Wine inside a sandbox network (see
# sandbox-net.sh), with a private copy of a booted Wine prefix, so that the
# prefix's wineserver, which sends the program's packets, starts inside the
# namespace too and is stopped before the namespace goes.
#
# usage: wine-in-sandbox.sh PREFIX [--dpi N] [--local ADDRESS]... -- PROGRAM.exe [ARGUMENT]...
#
# The program gets an X display of its own (a private Xvfb), so that windows
# work whatever display the caller has or lacks; --dpi sets its resolution.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

source_prefix=$(realpath "${1:?usage: wine-in-sandbox.sh PREFIX [--local ADDRESS]... -- PROGRAM...}")
shift
sandbox_options=()
dpi=""
[ "${1:-}" != --dpi ] || { dpi=${2:?--dpi needs a number}; shift 2; }
while [ $# -gt 0 ] && [ "$1" != -- ]; do sandbox_options+=("$1"); shift; done
[ "${1:-}" = -- ] && shift
[ $# -gt 0 ] || { echo "wine-in-sandbox.sh: no program given" >&2; exit 2; }

work=$(mktemp -d "${source_prefix%/}.sandbox.XXXXXX")
WINE_ENV_NO_TRAP=1
trap 'wine_env_cleanup; rm -rf "$work"' EXIT
cp -a "$source_prefix" "$work/prefix"
wine_env_start_xvfb --force

"$here/sandbox-net.sh" "${sandbox_options[@]+"${sandbox_options[@]}"}" -- \
  env WINEPREFIX="$work/prefix" WINEDEBUG="${WINEDEBUG:--all}" NETVIK_DPI="$dpi" \
  bash -c '[ -z "$NETVIK_DPI" ] || wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$NETVIK_DPI" /f
    status=0; wine "$@" || status=$?; wineserver -k 2>/dev/null || true; exit $status' wine "$@"
