#!/usr/bin/env bash
# Takes the screenshots of the README and the users' guide, of the real
# program under Wine and Xvfb, into docs/screenshots/, and draws the tray
# icons' pictures from their files into docs/icons/. NETVIK_TREE (in the
# environment) names a configured Windows build tree to take them with
# instead of the preset's.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
. tests/lib/wine-arch.sh
netvik_wine_use_shims

# Each tray icon's 16 x 16 image (its last, 32-bit one), twice the size.
mkdir -p docs/icons
for icon in internet host computer error checking disabled; do
    frame=$(identify -format '%p %wx%h\n' "src/app/icons/$icon.ico" | awk '$2 == "16x16" { last = $1 } END { print last }')
    convert "src/app/icons/$icon.ico[$frame]" -scale 200% -strip -define png:exclude-chunks=date,time \
        "docs/icons/$icon.png"
done

netvik_wine_choose_arch "" || exit
tree=${NETVIK_TREE:-build/$NETVIK_PRESET}
[ -n "${NETVIK_TREE:-}" ] || cmake --preset "$NETVIK_PRESET" >/dev/null
cmake --build "$tree" --target Netvik trayctl -j"$(nproc)" >/dev/null
prefix=$top/$tree/screenshots-prefix
WINEARCH=$NETVIK_WINEARCH tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix"' EXIT
tests/e2e/screenshots.sh "$tree/Netvik.exe" "$tree/tests/e2e/driver/trayctl.exe" "$prefix" docs/screenshots
