#!/usr/bin/env bash
# Screenshots of the real Netvik.exe under Wine and Xvfb for the README: the
# tray with its tip, the tray menu, and the settings panel with a tooltip, at
# 96 and at 120 dots per inch.
#
# usage: screenshots.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "${NETVIK_IN_SANDBOX_NET:-}" != 1 ]; then
    exec "$here/../lib/sandbox-net.sh" -- "$0" "$@"
fi

export NETVIK_EXE=$1 TRAYCTL_EXE=$2
source_prefix=$3
mkdir -p "$4"
out=$(cd "$4" && pwd)
work=$(mktemp -d)
WINE_ENV_NO_TRAP=1
trap 'wine_env_cleanup; rm -rf "$work"' EXIT
. "$here/e2e-lib.sh"


# The screen rectangle of a window, grown by MARGIN, as a crop geometry.
crop_of() {
    local rect l t r b
    rect=$(trayctl windows -children | grep "^hwnd=$1 " | sed -n 's/.* rect=\([-0-9,]*\).*/\1/p')
    IFS=, read -r l t r b <<<"$rect"
    echo "$((r - l + 2 * $2))x$((b - t + 2 * $2))+$((l - $2 < 0 ? 0 : l - $2))+$((t - $2 < 0 ? 0 : t - $2))"
}

shots() {
    local dpi=$1 suffix=$2 main menu
    export E2E_OUT=$work/run-$dpi
    e2e_begin "$source_prefix"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2 5
    net_reset
    net_answer 192.0.2.1
    netvik_start shots
    trayctl wait-tip 'No Internet connection,\rcheck the internetsettings.' 20000 >/dev/null
    main=$(netvik_main_window)

    trayctl click '#0' right >/dev/null
    menu=$(trayctl menu -pid "$NETVIK_PID" -timeout 5000 | head -n 1 | sed 's/ .*//; s/^hwnd=//')
    wine_env_screenshot "$out/menu$suffix.png" root "$(crop_of "$menu" 12)"
    trayctl menu-close "$menu" >/dev/null

    trayctl click '#0' double >/dev/null
    wait_visible "$main"
    trayctl hover "$(trayctl item "$main" 1005 | sed 's/^hwnd=\([^ ]*\).*/\1/')" >/dev/null
    trayctl tooltip-visible "$NETVIK_PID" -timeout 5000 >/dev/null || true
    local geometry w h x y
    geometry=$(crop_of "$main" 8)
    IFS='x+' read -r w h x y <<<"$geometry"
    wine_env_screenshot "$out/panel$suffix.png" root "$((w + 120))x$((h + 10))+$x+$y"
    trayctl click-button "$(trayctl item "$main" 1022 | sed 's/^hwnd=\([^ ]*\).*/\1/')" >/dev/null || true
    netvik_wait_exit || true
    wine_env_cleanup
}

shots 96 ""
shots 120 "-120dpi"
echo "screenshots: $out"
