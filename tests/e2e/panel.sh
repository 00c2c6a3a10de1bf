#!/usr/bin/env bash
# End to end: the tray menu and the settings panel of the real Netvik.exe
# under Wine and Xvfb. A right-click on the icon opens the menu, whose
# commands change the icon and tip as a user sees them; a double-click, or the
# menu's Settings..., opens the panel, whose captions, texts, settings, tab
# order and tooltips are read back from the real controls.
#
# usage: panel.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_test "$0" "$@"

INTERNET=203.0.113.10
HOST=192.0.2.1
COMPUTER=198.51.100.2
netvik_store_settings "$INTERNET" "$HOST" "$COMPUTER"

CONNECTED='Connected to the Internet.'
NETWORK_ERROR='Network error. Check networkcard,\rcable, host, networksettings.'
DISABLED='Internet connection\rchecking disabled.'
DISABLED_MESSAGE='Netvik is currently set to disabled!\r\rIf you want to enable Netvik, click\ron Enable in the popupmenu.'

# The text="..." of each trayctl line read.
texts() { sed 's/.* text="\(.*\)"$/\1/'; }

# --- the menu
net_reset
netvik_start menu
e2e_check "nothing answers: network error" trayctl wait-tip "$NETWORK_ERROR" 20000
net_answer "$INTERNET"

menu=$(open_menu)
e2e_check "right-click opens the menu" test -n "$menu"
e2e_check "menu items in order" test "$(menu_texts_specified "$menu")" = '&Refresh|&Disable||&Hide|&Quit'
wine_env_screenshot "$E2E_OUT/menu.png"
choose "$menu" '&Refresh'
e2e_check "Refresh checks at once: connected" trayctl wait-tip "$CONNECTED" 10000

menu=$(open_menu)
trayctl click '#0' right >/dev/null 2>&1 || true  # a second right-click while the menu is open
e2e_check "a right-click while the menu is open opens no second menu" \
    test "$(trayctl menu -pid "$NETVIK_PID" -timeout 1000 | wc -l)" = 1
choose "$menu" '&Hide'
e2e_check "the dropped right-click does not come back later" \
    not trayctl menu -pid "$NETVIK_PID" -timeout 1500
e2e_check "Hide changes nothing" trayctl wait-tip "$CONNECTED" 1000

menu=$(open_menu)
choose "$menu" '&Disable'
e2e_check "Disable: the disabled tip" trayctl wait-tip "$DISABLED" 5000
colour=$(icon_colour_on_screen "$E2E_OUT/disabled.png" '#0')
e2e_check "Disable: the disabled picture" test "$colour" = "$(icon_colour_in_file "$ICONS/disabled.ico")"
menu=$(open_menu)
e2e_check "the item now reads Enable" test "$(menu_texts_specified "$menu")" = '&Refresh|Enable||&Hide|&Quit'

choose "$menu" '&Refresh'  # while disabled
box=$(message 5000 -title 'Netvik disabled')
e2e_check "Refresh while disabled: the message, exact" grep -qF "text=\"$DISABLED_MESSAGE\"" <<<"$box"
e2e_check "Refresh while disabled: exclamation icon" grep -q "icon=warning" <<<"$box"
dismiss "$box"
e2e_check "Refresh while disabled: icon and tip stay" trayctl wait-tip "$DISABLED" 1000

menu=$(open_menu)
choose "$menu" Enable
e2e_check "Enable: a fresh verdict" trayctl wait-tip "$CONNECTED" 10000
menu=$(open_menu)
e2e_check "the item reads Disable again" test "$(menu_texts_specified "$menu")" = '&Refresh|Disable||&Hide|&Quit'
choose "$menu" '&Quit'
e2e_check "Quit removes the icon" trayctl wait-count 0 5000
e2e_check "Quit ends the program" netvik_wait_exit

# --- the panel
netvik_start panel
trayctl wait-tip "$CONNECTED" 20000 >/dev/null
main=$(netvik_main_window)
# The hidden panel holds no keyboard focus: no edit box's caret blinks while
# the program waits in the tray.
focus=$(trayctl focus "$main")
e2e_check "started in the tray: no focus, no caret ($focus)" \
    test "$(field_in focus "$focus") $(field_in caret "$focus")" = "0x0 0x0"
trayctl click '#0' double >/dev/null
e2e_check "double-click opens the panel" wait_visible "$main"
e2e_check "the panel's caption" test "$(trayctl text "$main")" = Netvik

# The panel's controls, listed once: field_of ID NAME and text_of ID read
# that listing as field and text read a live control.
trayctl children "$main" >"$E2E_OUT/controls.txt"
control() { grep " id=$1 " "$E2E_OUT/controls.txt"; }
field_of() { field_in "$2" "$(control "$1")"; }
text_of() { control "$1" | texts; }
expect_control() {  # ID CLASS TEXT
    e2e_check "control $1 is a $2 reading \"$3\"" \
        test "$(field_of "$1" class)|$(text_of "$1")" = "\"$2\"|$3"
}
expect_control 1000 Button 'IP-addresses'
expect_control 1001 Static 'Internet'
expect_control 1002 Edit "$INTERNET"
expect_control 1003 Button '&Name'
expect_control 1004 Static 'Host'
expect_control 1005 Edit "$HOST"
expect_control 1006 Button 'Get'
expect_control 1007 Static 'Computer'
expect_control 1008 Edit "$COMPUTER"
expect_control 1009 Button 'Get'
expect_control 1010 Static 'Refreshrate (minutes): 1'
expect_control 1011 msctls_trackbar32 ''
expect_control 1012 Static 'Internet IP-address of this computer:'
expect_control 1013 Static ''
expect_control 1014 Button 'R&etrieve'
expect_control 1015 Button 'Load Netvik at Windows startup'
expect_control 1016 Button ''
expect_control 1017 Button '&Save'
expect_control 1018 Button '&Restore'
expect_control 1019 Button ''
expect_control 1020 Button '&Ok'
expect_control 1021 Button '&Cancel'
expect_control 1022 Button '&Quit'
for frame in 1000 1016 1019; do
    e2e_check "control $frame is a frame" test "$(field_of $frame button)" = groupbox
done
e2e_check "the startup box is a check box, unchecked" test "$(field_of 1015 button)|$(field_of 1015 check)" = "autocheckbox|0"
for box in 1002 1005 1008; do
    e2e_check "address box $box takes at most 15 characters" test "$(field_of $box limit)" = 15
done
e2e_check "slider: 1 to 15, steps 1 and 5, a tick per minute, at 1" \
    test "$(field_of 1011 min) $(field_of 1011 max) $(field_of 1011 line) $(field_of 1011 page) $(field_of 1011 tics) $(field_of 1011 pos)" = "1 15 1 5 15 1"
tab_order=$(tab_order "$main")
# txtIIP cmdIname txtHIP cmdGetH txtCIP cmdGetC sldRefresh, then Retrieve,
# the check box, Save, Restore, Ok, Cancel and Quit.
e2e_check "tab order ($tab_order)" \
    test "$tab_order" = "1002 1003 1005 1006 1008 1009 1011 1014 1015 1017 1018 1020 1021 1022"

trayctl tips-of "$NETVIK_PID" >"$E2E_OUT/tips.txt"
tip_of() { grep " id=$1 " "$E2E_OUT/tips.txt" | texts; }
e2e_check "tooltip of txtIIP" test "$(tip_of 1002)" = 'IP of a fast and reliable internetsite (not your own internet IP!).'
e2e_check "tooltip of txtHIP" test "$(tip_of 1005)" = 'Network IP of the PC through which you are connected to the internet.'
e2e_check "tooltip of txtCIP" test "$(tip_of 1008)" = 'Network IP of this PC.'
e2e_check "tooltip of sldRefresh" test "$(tip_of 1011)" = 'Time to pass before checking the Internet connection.'
e2e_check "tooltip of cmdRetrieve" test "$(tip_of 1014)" = 'Retrieve the Real IP address.'
e2e_check "five tooltips" test "$(wc -l <"$E2E_OUT/tips.txt")" = 5

trayctl hover "$(item "$main" 1002)" >/dev/null
shown=$(trayctl tooltip-visible "$NETVIK_PID" -timeout 5000) || true
e2e_check "hovering over txtIIP shows its tooltip" \
    grep -qF 'text="IP of a fast and reliable internetsite (not your own internet IP!)."' <<<"$shown"
wine_env_screenshot "$E2E_OUT/panel.png"

# Focus and selection are where the user left them when the panel comes back
# from the tray: the caret two characters from the end of the host's box.
host_box=$(item "$main" 1005)
for ((i = 0; i < 20; i++)); do  # Tab, as a user would, to the host's box
    focus=$(trayctl focus "$main")
    [ "$(field_in id "$focus")" = 1005 ] && break
    trayctl key "$(field_in focus "$focus")" VK_TAB >/dev/null
done
for key in VK_END VK_LEFT VK_LEFT; do trayctl key "$host_box" "$key" >/dev/null; done
focus=$(trayctl focus "$main")
e2e_check "the caret in the host's box, two from the end ($focus)" \
    test "$(field_in id "$focus") $(field_in sel "$focus")" = "1005 7,7"
minimise "$main"
trayctl wait-tip "$CONNECTED" 10000 >/dev/null
focus=$(trayctl focus "$main")
e2e_check "minimised to the tray: the panel keeps no focus, no caret ($focus)" \
    test "$(window_visible "$main") $(field_in focus "$focus") $(field_in caret "$focus")" = "0 0x0 0x0"
trayctl click '#0' double >/dev/null
wait_visible "$main"
focus=$(trayctl focus "$main")
e2e_check "shown again: focus, selection and caret as they were ($focus)" \
    test "$(field_in id "$focus") $(field_in sel "$focus") $(field_in caret "$focus")" = "1005 7,7 $host_box"

minimise "$main"
trayctl wait-tip "$CONNECTED" 10000 >/dev/null
choose "$(open_menu)" 'Se&ttings...'
e2e_check "Settings... in the menu opens the panel" wait_visible "$main"
e2e_check "Settings...: the icon goes, as after a double-click" trayctl wait-count 0 5000

press "$main" 1022 || true
e2e_check "the panel's Quit ends the program" netvik_wait_exit

echo "screenshots and logs: $E2E_OUT"
e2e_summary
