#!/usr/bin/env bash
# End to end: the buttons that fill the address boxes. Host "Get" lists the
# gateways kept in the registry's network-transport keys in the "Gateway(s)
# found" dialog, or else the system's default gateway (a route the test
# sets in its own network namespace), or says that none was found; Computer
# "Get" puts this PC's address into its box; "&Name" opens the "Internet
# Address" dialog, whose names resolve from a hosts file of the test's own
# (no name server answers inside the namespace).
#
# usage: addresses.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_hosts '127.0.0.1 localhost'
e2e_test "$0" "$@"

NETTRANS='HKLM\System\CurrentControlSet\Services\Class\NetTrans'
CB_SETCURSEL=0x014E

# The screen rectangle of a control as "LEFT TOP WIDTH HEIGHT".
box() { field "$1" "$2" rect | awk -F, '{ print $1, $2, $3 - $1, $4 - $2 }'; }
# Presses a button of the panel that opens a dialog; prints the dialog.
open_dialog() { trayctl click-button "$(item "$main" "$1")" -wait 5000 | sed -n 's/^modal //p'; }
# Waits up to 5 s for a window to be gone.
gone() { eventually 5 not trayctl title "$1" >/dev/null 2>&1; }

netvik_store_settings 127.0.0.1 127.0.0.1 127.0.0.1
trayctl reg-set "$NETTRANS\\0000" DefaultGateway 192.168.0.1 >/dev/null
trayctl reg-set "$NETTRANS\\0001" DefaultGateway '10.0.0.1,10.0.0.2' >/dev/null
netvik_start addresses
open_panel || true
main=$(netvik_main_window)

# --- Host "Get": the registry's gateways
dialog=$(open_dialog 1006)
e2e_check "Get: the gateway dialog opens, modal" test -n "$dialog"
e2e_check "the dialog's caption" test "$(trayctl text "$dialog")" = 'Gateway(s) found'
e2e_check "the instruction" test "$(text "$dialog" 103)" = 'Select a Gateway from the list below.'
e2e_check "the first gateway is preselected" test "$(text "$dialog" 100)" = 192.168.0.1
e2e_check "the buttons" test "$(text "$dialog" 2)|$(text "$dialog" 1)" = '&Cancel|&Ok'
tab_order=$(tab_order "$dialog")
e2e_check "tab order: list, Cancel, Ok ($tab_order)" test "$tab_order" = "100 2 1"
read -r list_x list_y list_w _ <<<"$(box "$dialog" 100)"
read -r cancel_x cancel_y cancel_w cancel_h <<<"$(box "$dialog" 2)"
read -r ok_x ok_y _ _ <<<"$(box "$dialog" 1)"
read -r label_x label_y label_w label_h <<<"$(box "$dialog" 103)"
# Twips at 96 dpi, 15 to the pixel: 1452 wide, buttons 732 x 372 at 1680
# and 2520, the list at 120 and the label 3132 x 252 at 120, 120.
e2e_check "sizes from twips ($list_w $cancel_w x $cancel_h $label_w x $label_h)" \
    test "$list_w $cancel_w $cancel_h $label_w $label_h" = "97 49 25 209 17"
e2e_check "positions from twips" \
    test "$((cancel_x - list_x)) $((ok_x - cancel_x)) $((label_x - list_x)) $((list_y - label_y)) $((list_y - cancel_y))" = \
    "104 56 0 28 4"
wine_env_screenshot "$E2E_OUT/gateways.png"
trayctl post "$(item "$dialog" 100)" "$CB_SETCURSEL" 2 0 >/dev/null
press "$dialog" 1
e2e_check "Ok: the chosen gateway in the Host box" test "$(text "$main" 1005)" = 10.0.0.2
e2e_check "Ok: the dialog is gone" gone "$dialog"
dialog=$(open_dialog 1006)
press "$dialog" 2
e2e_check "Cancel: the Host box unchanged" test "$(text "$main" 1005)" = 10.0.0.2

# --- none in the registry: the system's default gateway
trayctl reg-delete "$NETTRANS" >/dev/null
ip route add default via 198.18.0.254 dev nv0
dialog=$(open_dialog 1006)
e2e_check "the system's default gateway is offered" test "$(text "$dialog" 100)" = 198.18.0.254
press "$dialog" 1
e2e_check "and taken into the Host box" test "$(text "$main" 1005)" = 198.18.0.254
ip route del default

# --- no gateway at all
press "$main" 1006
box=$(message)
e2e_check "no gateway: \"No host found\", error icon" grep -q 'icon=error.* title="No host found"' <<<"$box"
e2e_check "no gateway: the text" \
    grep -qF 'text="No Hosts or gateways could be found by\rNetvik. Host textbox is made blank."' <<<"$box"
dismiss "$box"
e2e_check "no gateway: the Host box is empty" test "$(text "$main" 1005)" = ""

# --- Computer "Get"
press "$main" 1009
e2e_check "Computer Get: a dotted address ($(text "$main" 1008))" \
    grep -qE '^[0-9]{1,3}(\.[0-9]{1,3}){3}$' <<<"$(text "$main" 1008)"

# --- "&Name": the Internet address dialog
dialog=$(open_dialog 1003)
e2e_check "&Name: the dialog opens" test "$(trayctl text "$dialog")" = 'Internet Address'
e2e_check "the instruction and http://" \
    test "$(text "$dialog" 105)|$(text "$dialog" 106)" = 'The webpage address (URL) of a fast and reliable Internetsite:|http://'
e2e_check "it opens with the site's name" test "$(text "$dialog" 100)" = www.example.org
e2e_check "the box takes 63 characters" test "$(field "$dialog" 100 limit)" = 63
e2e_check "the buttons" \
    test "$(text "$dialog" 101)|$(text "$dialog" 102)|$(text "$dialog" 2)|$(text "$dialog" 1)" = '&Default|&Reset|&Cancel|&OK'
read -r url_x url_y url_w url_h <<<"$(box "$dialog" 100)"
read -r http_x http_y _ _ <<<"$(box "$dialog" 106)"
e2e_check "the box from twips: 2532 x 288 at 840, 600 ($url_w x $url_h)" \
    test "$url_w $url_h $((url_x - http_x)) $((http_y - url_y))" = "169 19 48 2"
wine_env_screenshot "$E2E_OUT/iaddress.png"
url=$(item "$dialog" 100)
trayctl settext "$url" '' >/dev/null
trayctl type "$url" 'local/ho:st_' >/dev/null
sleep 0.3
e2e_check "only letters, digits, - and . are typed" test "$(trayctl text "$url")" = localhost
press "$dialog" 1
e2e_check "Ok: localhost gives 127.0.0.1 in the Internet box" test "$(text "$main" 1002)" = 127.0.0.1
e2e_check "Ok: the dialog is gone" gone "$dialog"

dialog=$(open_dialog 1003)
e2e_check "it opens with the name accepted last" test "$(text "$dialog" 100)" = localhost
trayctl settext "$(item "$dialog" 100)" no-such-host.invalid >/dev/null
press "$dialog" 1
box=$(message)
e2e_check "a name that cannot resolve: \"Can' t resolve host!\"" \
    grep -qF "text=\"Can' t resolve host!\"" <<<"$box"
owner=$(window_field "$(field_in hwnd "$box")" owner)
e2e_check "its message belongs to the dialog, not the panel under it" test "$owner" = "$dialog"
dismiss "$box"
press "$dialog" 101
e2e_check "Default: the default site" test "$(text "$dialog" 100)" = www.wikipedia.org
press "$dialog" 102
e2e_check "Reset: the name it opened with" test "$(text "$dialog" 100)" = localhost
trayctl settext "$(item "$dialog" 100)" '' >/dev/null
press "$dialog" 1
box=$(message)
e2e_check "an empty name: \"No hostname given!\"" grep -qF 'text="No hostname given!"' <<<"$box"
dismiss "$box"
close_window "$dialog"
e2e_check "the close box closes it like Cancel" gone "$dialog"
e2e_check "nothing changed" test "$(text "$main" 1002)" = 127.0.0.1

netvik_close
echo "screenshots and logs: $E2E_OUT"
e2e_summary
