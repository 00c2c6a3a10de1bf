#!/usr/bin/env bash
# End to end: at 150 % (144 dots per inch) Wine's notification area shows
# the icon's picture drawn at 24 pixels, not the 16-pixel one stretched.
#
# usage: scaled.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
export E2E_DPI=144
e2e_test "$0" "$@"

netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2
net_reset
net_answer 192.0.2.1
netvik_start scaled
e2e_check "the verdict's icon" trayctl wait-tip 'No Internet connection,\rcheck the internetsettings.' 20000

# The icon window's middle against the picture over the tray's background.
# Wine's tray draws an icon over itself without erasing it, which darkens
# its partly transparent edge: only the rest is compared.
IFS='x+' read -r w h x y <<<"$(trayctl geometry '#0')"
wine_env_screenshot "$E2E_OUT/tray.png"
picture="$ICONS/host.ico[$(icon_frame "$ICONS/host.ico" 24)]"
convert "$picture" -alpha extract -fx '(u > 0 && u < 1) ? 1 : 0' "$E2E_OUT/edge.png"
convert "$E2E_OUT/tray.png" -crop "24x24+$((x + (w - 24) / 2))+$((y + (h - 24) / 2))" +repage \
    "$E2E_OUT/edge.png" -compose lighten -composite "$E2E_OUT/shown.png"
convert -size 24x24 "xc:rgb($(wine_env_pixel "$E2E_OUT/tray.png" "$x" "$y"))" "$picture" -composite \
    "$E2E_OUT/edge.png" -compose lighten -composite "$E2E_OUT/drawn.png"
differ=$(compare -metric AE -fuzz 2% "$E2E_OUT/drawn.png" "$E2E_OUT/shown.png" null: 2>&1 || true)
e2e_check "the tray shows host.ico's 24-pixel picture ($differ pixels differ)" test "$differ" = 0
netvik_close
e2e_summary
