#!/usr/bin/env bash
# End to end: at 150 % (144 dots per inch) the notification area of Wine's
# shell is 24 pixels a side, and the program's icon in it is the picture
# drawn at 24 pixels, pixel for pixel, not the 16-pixel one stretched.
#
# usage: scaled.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
export E2E_DPI=144
e2e_test "$0" "$@"

HOST=192.0.2.1
HOST_ANSWERED='No Internet connection,\rcheck the internetsettings.'
netvik_store_settings 203.0.113.10 "$HOST" 198.51.100.2
net_reset
net_answer "$HOST"
netvik_start scaled
e2e_check "the verdict's icon is shown" trayctl wait-tip "$HOST_ANSWERED" 20000

# The icon's window holds the picture in its middle, on the tray's
# background. Wine's tray draws an icon again over itself without erasing
# it, so that its partly transparent edge darkens: the opaque and the
# transparent pixels are compared, the edge is not.
IFS='x+' read -r w h x y <<<"$(trayctl geometry '#0')"
shot=$E2E_OUT/tray.png
wine_env_screenshot "$shot"
picture="$ICONS/host.ico[$(icon_frame "$ICONS/host.ico" 24)]"
convert "$picture" -alpha extract -fx '(u > 0 && u < 1) ? 1 : 0' "$E2E_OUT/edge.png"
convert "$shot" -crop "24x24+$((x + (w - 24) / 2))+$((y + (h - 24) / 2))" +repage \
    "$E2E_OUT/edge.png" -compose lighten -composite "$E2E_OUT/shown.png"
convert -size 24x24 "xc:rgb($(wine_env_pixel "$shot" "$x" "$y"))" "$picture" -composite \
    "$E2E_OUT/edge.png" -compose lighten -composite "$E2E_OUT/drawn.png"
differ=$(compare -metric AE -fuzz 2% "$E2E_OUT/drawn.png" "$E2E_OUT/shown.png" null: 2>&1 || true)
e2e_check "the icon's window is 24 pixels and a border ($w x $h)" test "$w" -ge 24 -a "$w" -le 32
e2e_check "the tray shows host.ico's 24-pixel picture ($differ pixels differ)" test "$differ" = 0

trayctl post "$(netvik_main_window)" 0x10 0 0 >/dev/null  # WM_CLOSE
netvik_wait_exit || true
echo "screenshots: $E2E_OUT"
e2e_summary
