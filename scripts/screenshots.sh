#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Wine and Xvfb
# into docs/screenshots/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
. tests/lib/wine-arch.sh
netvik_wine_use_shims
netvik_wine_choose_arch "" || exit
tree=build/$NETVIK_PRESET
cmake --preset "$NETVIK_PRESET" >/dev/null
cmake --build --preset "$NETVIK_PRESET" --target Netvik trayctl -j"$(nproc)" >/dev/null
prefix=$top/$tree/screenshots-prefix
WINEARCH=$NETVIK_WINEARCH tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix"' EXIT
tests/e2e/screenshots.sh "$tree/Netvik.exe" "$tree/tests/e2e/driver/trayctl.exe" "$prefix" docs/screenshots
