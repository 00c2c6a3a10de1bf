#!/usr/bin/env bash
# Screenshots of the real Netvik.exe under Wine and Xvfb for the README and
# the users' guide: the first start's message, the tray menu, the settings
# panel with a tooltip (at 96 and at 120 dots per inch), the panel's two
# dialogs side by side (the gateways are those kept in the prefix's
# registry), the panel showing the external address, which a stand-in FTP
# server inside the sandbox reports, the History window over a week's record
# with three outages, and the tray icon at 100, 125, 150 and 200 %.
#
# usage: screenshots.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_ENV_NO_TRAP=1
. "$here/e2e-lib.sh"
# The program's FTP server name stays inside the sandbox: 127.0.0.1.
e2e_hosts '127.0.0.1 localhost ftp.gnu.org'
e2e_sandbox "$0" "$@"

export NETVIK_EXE=$1 TRAYCTL_EXE=$2
source_prefix=$3
mkdir -p "$4"
out=$(cd "$4" && pwd)
work=$(mktemp -d)
server=""
trap '[ -z "$server" ] || kill "$server"; wine_env_cleanup; rm -rf "$work"' EXIT

EXTERNAL=203.0.113.7
NETTRANS='HKLM\System\CurrentControlSet\Services\Class\NetTrans'

# The screen rectangle of a window, grown by MARGIN, as a crop geometry.
crop_of() {
    local rect l t r b
    rect=$(trayctl windows -children | grep "^hwnd=$1 " | sed -n 's/.* rect=\([-0-9,]*\).*/\1/p')
    IFS=, read -r l t r b <<<"$rect"
    echo "$((r - l + 2 * $2))x$((b - t + 2 * $2))+$((l - $2 < 0 ? 0 : l - $2))+$((t - $2 < 0 ? 0 : t - $2))"
}

# window_shot NAME TITLE: the program's window titled TITLE, once it shows,
# into NAME.png; then closes it.
window_shot() {
    local window
    window=$(trayctl find -title "$2" -pid "$NETVIK_PID" -timeout 10000 | head -n 1)
    wait_visible "$window"
    wine_env_screenshot "$out/$1.png" root "$(crop_of "$window" 8)"
    close_window "$window"
}

# panel_shot FILE [WIDER]: the panel, WIDER pixels wider for a tooltip.
panel_shot() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$(crop_of "$main" 8)"
    wine_env_screenshot "$1" root "$((w + ${2:-0}))x$((h + 10))+$x+$y"
}

# dialog_shot BUTTON_ID TITLE: the panel with the dialog its button opens,
# into $work/dialog-BUTTON_ID.png; then closes the dialog.
dialog_shot() {
    local dialog
    press "$main" "$1" || true
    dialog=$(trayctl find -title "$2" -pid "$NETVIK_PID" -timeout 10000 | head -n 1)
    wait_visible "$dialog"
    panel_shot "$work/dialog-$1.png"
    close_window "$dialog"
}

# A stand-in for the program's FTP server, listening once this returns: its
# status reply names the client's address as EXTERNAL.
ftp_server() {
    python3 - "$EXTERNAL" >"$work/ftp.log" 2>&1 <<'PY' &
import socket, sys
reply = ("220 Welcome.\r\n331 Password.\r\n230 Logged in.\r\n211-Status:\r\n"
         "     Connected to %s\r\n211 End of status\r\n221 Goodbye.\r\n" % sys.argv[1]).encode()
listener = socket.create_server(("127.0.0.1", 21))
print("listening", flush=True)
while True:
    connection, _ = listener.accept()
    with connection:
        connection.recv(4096)
        connection.sendall(reply)
        connection.shutdown(socket.SHUT_WR)
        while connection.recv(4096):
            pass
PY
    server=$!
    eventually 5 grep -q listening "$work/ftp.log"
}

shots() {
    local dpi=$1 suffix=$2 menu
    export E2E_OUT=$work/run-$dpi
    e2e_begin "$source_prefix"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    net_reset
    net_answer 192.0.2.1

    if [ -z "$suffix" ]; then
        netvik_start first
        main=$(netvik_main_window)
        window_shot first-start "No IP-addresses found"
        netvik_close
    fi

    netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2 5
    netvik_start shots
    trayctl wait-tip 'No Internet connection,\rcheck the internetsettings.' 20000 >/dev/null
    main=$(netvik_main_window)

    menu=$(open_menu)
    wine_env_screenshot "$out/menu$suffix.png" root "$(crop_of "$menu" 12)"
    trayctl menu-close "$menu" >/dev/null

    open_panel
    trayctl hover "$(item "$main" 1005)" >/dev/null
    trayctl tooltip-visible "$NETVIK_PID" -timeout 5000 >/dev/null || true
    panel_shot "$out/panel$suffix.png" 120

    if [ -z "$suffix" ]; then
        trayctl hover "$(item "$main" 1017)" >/dev/null
        trayctl reg-set "$NETTRANS\\0000" DefaultGateway 192.168.0.1 >/dev/null
        dialog_shot 1006 'Gateway(s) found'
        dialog_shot 1003 'Internet Address'
        convert "$work/dialog-1006.png" "$work/dialog-1003.png" +append "$out/dialogs.png"

        ftp_server
        press "$main" 1014
        eventually 10 prints "$EXTERNAL" text "$main" 1013 || true
        panel_shot "$out/external-address.png"
    fi

    press "$main" 1022 || true
    netvik_wait_exit || true
    wine_env_cleanup
}

# record LINE...: the history file of the prefix's user, one
# "SECONDS_AGO,STATE,SECONDS_AGO_OF_THE_LAST_CHECK" a line (the last empty
# for none), each time written as the program writes it.
record() {
    local folder now line ago state last
    folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik
    now=$(date +%s)
    mkdir -p "$folder"
    printf 'time,state,last check of the old state\r\n' >"$folder/history.csv"
    for line in "$@"; do
        IFS=, read -r ago state last <<<"$line"
        printf '%s,%s,%s\r\n' "$(date -d "@$((now - ago))" +%FT%T%:z)" "$state" \
            "${last:+$(date -d "@$((now - last))" +%FT%T%:z)}" >>"$folder/history.csv"
    done
}

# latency: an hour's line of latency.csv for each of the week's watched
# hours, round trips of 18 to 40 ms, slower in the evenings.
latency() {
    local folder now hour ago
    folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik
    now=$(date +%s)
    printf 'hour,checks,second tries,median ms,highest ms\r\n' >"$folder/latency.csv"
    for ((ago = 6 * 86400 + 7200; ago > 3600; ago -= 3600)); do
        hour=$(((now - ago) / 3600 * 3600))
        local h=$((hour / 3600 % 24)) evening=0
        ((h >= 18 && h <= 22)) && evening=1
        printf '%s,12,%d,%d,%d\r\n' "$(date -d "@$hour" +%FT%T%:z)" $((h % 7 == 0)) \
            $((18 + evening * 9 + h % 5)) $((31 + evening * 24 + h % 9)) >>"$folder/latency.csv"
    done
}

# The History window over a week of checks every five minutes, at DPI dots
# per inch: the provider down for 47 minutes five days ago, the router for
# 12 two days ago, the provider again for 23 minutes this morning; Netvik
# ended an hour ago. history_shot DPI SUFFIX.
history_shot() {
    export E2E_OUT=$work/history$2 E2E_DPI=$1
    e2e_begin "$source_prefix"
    net_reset
    net_answer 203.0.113.10
    local h=3600 d=86400
    record "$((6 * d + 2 * h)),connected," "$((5 * d)),no-internet,$((5 * d + 300))" \
        "$((5 * d - 2820)),connected,$((5 * d - 2520))" "$((2 * d)),no-host,$((2 * d + 300))" \
        "$((2 * d - 720)),connected,$((2 * d - 420))" "$((5 * h)),no-internet,$((5 * h + 300))" \
        "$((5 * h - 1380)),connected,$((5 * h - 1080))" "$h,not-running,$((h + 120))"
    latency
    netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2 5
    netvik_start history
    trayctl wait-tip 'Connected to the Internet.' 20000 >/dev/null
    choose "$(open_menu)" 'Hi&story...'
    window_shot "history$2" 'Netvik History'
    close_window "$(netvik_main_window)"
    netvik_wait_exit || true
    wine_env_cleanup
    unset E2E_DPI
}

# The tray's icon at each scaling, as the shell shows it, three times
# enlarged, side by side.
tray_shots() {
    local dpi percent parts=()
    for dpi in 96 120 144 192; do
        export E2E_OUT=$work/tray-$dpi E2E_DPI=$dpi
        e2e_begin "$source_prefix"
        net_reset
        net_answer 192.0.2.1
        netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2 5
        netvik_start tray
        trayctl wait-tip 'No Internet connection,\rcheck the internetsettings.' 20000 >/dev/null
        wine_env_screenshot "$work/tray-$dpi.png" root "$(trayctl geometry '#0')"
        percent=$((dpi * 100 / 96))
        convert "$work/tray-$dpi.png" -scale 300% -background '#f0f0f0' -gravity center -extent 108x108 \
            -font /usr/share/wine/fonts/tahoma.ttf -pointsize 12 -gravity south -splice 0x18 \
            -annotate +0+2 "$percent %" "$work/tray-$dpi-x3.png"
        parts+=("$work/tray-$dpi-x3.png")
        trayctl post "$(netvik_main_window)" 0x0010 0 0 >/dev/null
        netvik_wait_exit || true
        wine_env_cleanup
    done
    unset E2E_DPI
    convert "${parts[@]}" +append "$out/tray-scaled.png"
}

shots 96 ""
shots 120 "-120dpi"
history_shot 96 ""
history_shot 144 "-144dpi"
tray_shots
echo "screenshots: $out"
