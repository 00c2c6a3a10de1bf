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
net_reset && net_answer 192.0.2.1 && netvik_start scaled
e2e_check "the verdict's icon" trayctl wait-tip 'No Internet connection,\rcheck the internetsettings.' 20000

# Inside the icon's disc, where the picture is opaque: 14 pixels a side.
IFS='x+' read -r w h x y <<<"$(trayctl geometry '#0')"
wine_env_screenshot "$E2E_OUT/tray.png" root "14x14+$((x + (w - 24) / 2 + 4))+$((y + (h - 24) / 2 + 4))"
frame=$(identify -format '%p %w\n' "$ICONS/host.ico" | awk '$2 == 24 { print $1 }')
convert "$ICONS/host.ico[$frame]" -crop 14x14+4+4 +repage "$E2E_OUT/drawn.png"
differ=$(compare -metric AE -fuzz 2% "$E2E_OUT/drawn.png" "$E2E_OUT/tray.png" null: 2>&1 || true)
e2e_check "the tray shows host.ico's 24-pixel picture ($differ pixels differ)" test "$differ" = 0
netvik_close
e2e_summary
