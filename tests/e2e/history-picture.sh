#!/usr/bin/env bash
# End to end: the History window's picture of the week, at 144 dots per
# inch on a screen of 1024 x 768. On a record the test writes (yesterday a
# quarter of the day each: connected, no Internet, no host, network error),
# the window's pixels on the screen hold the states' colours in that share
# (Wine's PrintWindow cannot print another process's window: a device
# context does not cross processes there); the window fits the screen with its Close button on it, and again
# when resized to the whole screen; its caption carries the program's icon.
#
# usage: history-picture.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
export E2E_DPI=144
E2E_DESKTOP=1024x768
e2e_test "$0" "$@"

folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik
mkdir -p "$folder"
# Yesterday in this machine's local time, which Wine's is.
python3 - "$folder/history.csv" <<'PY'
import sys, time
def stamp(t):
    lt = time.localtime(t)
    off = lt.tm_gmtoff // 60
    sign = "+" if off >= 0 else "-"
    return time.strftime("%Y-%m-%dT%H:%M:%S", lt) + "%s%02d:%02d" % (sign, abs(off) // 60, abs(off) % 60)
now = time.localtime()
midnight = time.mktime((now.tm_year, now.tm_mon, now.tm_mday, 0, 0, 0, 0, 0, -1))
start = time.mktime((now.tm_year, now.tm_mon, now.tm_mday - 1, 0, 0, 0, 0, 0, -1))
quarter = (midnight - start) / 4
lines = ["time,state,last check of the old state", stamp(start) + ",connected,"]
for i, state in enumerate(["no-internet", "no-host", "network-error", "not-running"], 1):
    at = start + i * quarter
    lines.append("%s,%s,%s" % (stamp(at), state, stamp(at - 300)))
open(sys.argv[1], "w", newline="").write("\r\n".join(lines) + "\r\n")
PY

net_reset
net_answer 203.0.113.10
netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2 15
netvik_start picture
trayctl wait-tip 'Connected to the Internet.' 20000 >/dev/null || true
choose "$(open_menu)" 'Hi&story...'
history=$(trayctl find -title 'Netvik History' -pid "$NETVIK_PID" -timeout 5000 | head -n 1)
wait_visible "$history" || true
sleep 1

# The picture's pixels, the window in front.
IFS=, read -r wl wt wr wb <<<"$(window_field "$history" rect)"
IFS=, read -r pl pt pr pb <<<"$(field "$history" 1106 rect)"
wine_env_screenshot "$E2E_OUT/picture.png" root "$((pr - pl))x$((pb - pt))+$pl+$pt"
counts=$(convert "$E2E_OUT/picture.png" -format %c histogram:info:-)
count() { awk -v c="$1" 'toupper($0) ~ c { sub(":", "", $1); print $1 + 0; exit }' <<<"$counts"; }
green=$(count '#43AB30') amber=$(count '#F0B818') orange=$(count '#EC7D2C') red=$(count '#E0483C')
shares=$(awk -v g="${green:-0}" -v a="${amber:-0}" -v o="${orange:-0}" -v r="${red:-0}" 'BEGIN {
    t = g + a + o + r; if (t == 0) { print "none"; exit }
    printf "%.1f %.1f %.1f %.1f", 100 * g / t, 100 * a / t, 100 * o / t, 100 * r / t }')
quarters() { awk -v s="$shares" 'BEGIN { n = split(s, v, " "); if (n != 4) exit 1
    for (i = 1; i <= 4; i++) if (v[i] < 22 || v[i] > 28) exit 1 }'; }
e2e_check "yesterday's strip: connected, no Internet, no host, network error a quarter each ($shares %)" quarters

on_screen() { # X0 Y0 X1 Y1: within the 1024 x 768 screen
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le 1024 ] && [ "$4" -le 768 ]
}
IFS=, read -r cl ct cr cb <<<"$(field "$history" 2 rect)"
e2e_check "at 144 dpi the window fits the screen ($wl,$wt,$wr,$wb)" on_screen "$wl" "$wt" "$wr" "$wb"
e2e_check "and so does its Close button ($cl,$ct,$cr,$cb)" on_screen "$cl" "$ct" "$cr" "$cb"
trayctl place "$history" 0 0 1024 768 >/dev/null
sleep 0.5
IFS=, read -r cl ct cr cb <<<"$(field "$history" 2 rect)"
e2e_check "resized to 1024 x 768, the Close button is on the screen ($cl,$ct,$cr,$cb)" on_screen "$cl" "$ct" "$cr" "$cb"
e2e_check "the caption's icon is the program's" not prints 'result=0' trayctl send "$history" 0x7F 0 0
trayctl children "$history" > "$E2E_OUT/children.txt"; wine_env_screenshot "$E2E_OUT/screen.png"
netvik_close
e2e_summary
