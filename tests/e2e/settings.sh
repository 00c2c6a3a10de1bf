#!/usr/bin/env bash
# End to end: Netvik's settings on a fresh Wine prefix. The first start shows
# the defaults in the panel, and minimised puts the program's own icon into
# the tray; the user types addresses with real keystrokes, saves and applies
# them; the next start goes straight to the tray; a second instance ends
# silently; an invalid address, strange stored values (a million characters
# among them) are survived and reported; where HKEY_LOCAL_MACHINE refuses the
# write the settings go to HKEY_CURRENT_USER, and only when both refuse is
# it reported; a first start cancelled keeps the default web site; and a
# program folder outside the ANSI code page is named right in the logon entry.
#
# usage: settings.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_test "$0" "$@"

# The program runs from a folder with a blank in its name, as under
# C:\Program Files, so that its logon entry must be quoted.
mkdir -p "$E2E_OUT/Program Files"
cp "$1" "$E2E_OUT/Program Files/Netvik.exe"
export NETVIK_EXE="$E2E_OUT/Program Files/Netvik.exe"
exe_path=$(winepath -w "$NETVIK_EXE")

KEY='HKLM\Software\Netvik'
USER_KEY='HKCU\Software\Netvik'
RUN='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
INTERNET=203.0.113.10
HOST=192.0.2.1
COMPUTER=198.51.100.2
CONNECTED='Connected to the Internet.'
INVALID='One or more IP-addresses are invalid!\rIP-addresses should be of the following form:\r\rx.x.x.x (with x ranging from 0 to 255)'

# Quits with the tray menu's Quit.
tray_menu_quit() {
    trayctl menu-choose "$(open_menu)" 4 >/dev/null
    netvik_wait_exit
}

net_reset
net_answer "$INTERNET"

# --- first start: nothing stored
netvik_start first
box=$(message)
e2e_check "first start: \"Using default settings.\"" grep -qF 'text="Using default settings."' <<<"$box"
e2e_check "first start: titled \"No IP-addresses found\"" grep -qF 'title="No IP-addresses found"' <<<"$box"
e2e_check "first start: information icon" grep -q 'icon=information' <<<"$box"
dismiss "$box"
main=$(netvik_main_window)
e2e_check "first start: the panel opens" wait_visible "$main"
e2e_check "first start: no tray icon" test "$(trayctl count 2>/dev/null || echo 0)" = 0
e2e_check "first start: the default addresses" \
    test "$(text "$main" 1002)|$(text "$main" 1005)|$(text "$main" 1008)" = "1.1.1.1|192.168.0.1|192.168.0.2"

# --- minimised before any check: the program's own icon, named, in the tray
minimise "$main"
e2e_check "minimised on a first start: an icon with the tip \"Netvik\"" trayctl wait-tip Netvik 10000
e2e_check "minimised on a first start: the icon shows the program's picture" \
    test "$(icon_colour_on_screen "$E2E_OUT/first-minimised.png" '#0')" = "$(icon_colour_in_file "$ICONS/netvik.ico")"
trayctl click '#0' double >/dev/null
e2e_check "a double-click on it brings the panel back" wait_visible "$main"

# --- typing, with the keystroke filter at work
trayctl settext "$(item "$main" 1002)" '' >/dev/null
trayctl type "$(item "$main" 1002)" '20a3.0-. 113,.10' >/dev/null
e2e_check "only digits and dots are typed" eventually 3 prints "$INTERNET" text "$main" 1002
trayctl type "$(item "$main" 1002)" '\x08\x080' >/dev/null
e2e_check "Backspace works" eventually 3 prints 203.0.113.0 text "$main" 1002
trayctl type "$(item "$main" 1002)" '\x0810' >/dev/null
eventually 3 prints "$INTERNET" text "$main" 1002 || true
trayctl settext "$(item "$main" 1005)" '' >/dev/null
trayctl type "$(item "$main" 1005)" '1234567890.1234567' >/dev/null
e2e_check "a sixteenth character cannot be typed" eventually 3 prints 1234567890.1234 text "$main" 1005
trayctl settext "$(item "$main" 1005)" '' >/dev/null
trayctl type "$(item "$main" 1005)" "$HOST" >/dev/null
trayctl settext "$(item "$main" 1008)" '' >/dev/null
trayctl type "$(item "$main" 1008)" "$COMPUTER" >/dev/null
eventually 3 prints "$COMPUTER" text "$main" 1008 || true
trayctl key "$(item "$main" 1011)" VK_RIGHT >/dev/null
trayctl key "$(item "$main" 1011)" VK_RIGHT >/dev/null
e2e_check "the slider's label follows it" eventually 3 prints 'Refreshrate (minutes): 3' text "$main" 1010
press "$main" 1015
e2e_check "the start-up box is checked" test "$(field "$main" 1015 check)" = 1

# --- Save, then Ok
press "$main" 1017
press "$main" 1020
e2e_check "Ok: the verdict in the tray" trayctl wait-tip "$CONNECTED" 20000
e2e_check "Ok: the panel is hidden" test "$(window_visible "$main")" = 0
e2e_check "stored: Internet" test "$(stored "$KEY" Internet)" = "$INTERNET"
e2e_check "stored: Host" test "$(stored "$KEY" Host)" = "$HOST"
e2e_check "stored: Computer" test "$(stored "$KEY" Computer)" = "$COMPUTER"
e2e_check "stored: RefreshRate" test "$(stored "$KEY" RefreshRate)" = 3
e2e_check "stored: HostName" test "$(stored "$KEY" HostName)" = www.wikipedia.org
e2e_check "stored: LoadatStartup" test "$(stored "$KEY" LoadatStartup)" = 1
run_entry=$(stored "$RUN" Netvik)
e2e_check "the logon entry is the program's full path, quoted ($run_entry)" \
    test "$run_entry" = "\\\"${exe_path//\\/\\\\}\\\""
tray_menu_quit

# --- the next start goes straight to the tray
netvik_start second
e2e_check "restart: straight to the tray with a verdict" trayctl wait-tip "$CONNECTED" 20000
main=$(netvik_main_window)
e2e_check "restart: no panel" test "$(window_visible "$main")" = 0
e2e_check "restart: no message" not trayctl msgbox -pid "$NETVIK_PID" -timeout 500

# --- a second instance ends at once, silently
first_pid=$NETVIK_UNIX_PID
WINEDEBUG=-all wine "$NETVIK_EXE" 2>/dev/null &
second=$!
e2e_check "a second instance ends by itself" eventually 10 ended "$second"
e2e_check "still one icon" test "$(trayctl count)" = 1
NETVIK_UNIX_PID=$first_pid

# --- an invalid address brings the error and the panel back
open_panel || true
trayctl settext "$(item "$main" 1005)" 300.1.1.1 >/dev/null
press "$main" 1020
box=$(message)
e2e_check "invalid address: the message, exact" grep -qF "text=\"$INVALID\"" <<<"$box"
e2e_check "invalid address: error icon, titled Error" grep -q 'icon=error.* title="Error"' <<<"$box"
dismiss "$box"
e2e_check "invalid address: the panel is back" wait_visible "$main"
e2e_check "invalid address: Save is disabled" test "$(field "$main" 1017 disabled)" = 1
press "$main" 1021
e2e_check "Cancel: back in the tray" trayctl wait-tip "$CONNECTED" 20000
e2e_check "Cancel: the address in force is back in its box" test "$(text "$main" 1005)" = "$HOST"
tray_menu_quit

# --- strange stored values still start the program
trayctl reg-set "$KEY" RefreshRate 'lots' >/dev/null
trayctl reg-set "$KEY" LoadatStartup 'maybe' >/dev/null
trayctl reg-set "$KEY" Host "$(printf '9%.0s' {1..5000})" >/dev/null
trayctl reg-set-raw "$KEY" Computer REG_DWORD 2a000000 >/dev/null
trayctl reg-set-raw "$KEY" HostName REG_BINARY 00ff10 >/dev/null
netvik_start garbage
box=$(message)
e2e_check "garbage: the program starts and reports the addresses" grep -qF "text=\"$INVALID\"" <<<"$box"
dismiss "$box"
main=$(netvik_main_window)
e2e_check "garbage: the panel shows" wait_visible "$main"
e2e_check "garbage: the slider at 1, the box unchecked" \
    test "$(field "$main" 1011 pos)|$(field "$main" 1015 check)" = "1|0"
trayctl settext "$(item "$main" 1005)" "$HOST" >/dev/null
trayctl settext "$(item "$main" 1008)" "$COMPUTER" >/dev/null
press "$main" 1020
e2e_check "garbage: corrected, Ok goes to the tray" trayctl wait-tip "$CONNECTED" 20000

# --- a stored address of a million characters: the panel comes at once
tray_menu_quit
trayctl reg-delete "$KEY" >/dev/null
netvik_store_settings "$INTERNET" "$HOST" "$COMPUTER"
trayctl reg-set-repeat "$KEY" Internet 7 1000000 >/dev/null
started=$(now_ms)
netvik_start million
box=$(message)
e2e_check "a million characters: the invalid address is reported within 5 s ($(($(now_ms) - started)) ms)" \
    test $(($(now_ms) - started)) -lt 5000
dismiss "$box"
main=$(netvik_main_window)
e2e_check "a million characters: the box shows them cut" test "$(text "$main" 1002)" = 777777777777...
netvik_close

# --- a first start cancelled: the default web site stays in force
trayctl reg-delete "$KEY" >/dev/null
netvik_start cancelled
dismiss "$(message)"
main=$(netvik_main_window)
wait_visible "$main" || true
press "$main" 1021
open_panel || true
press "$main" 1017
press "$main" 1020
trayctl wait-count 1 10000 >/dev/null || true
e2e_check "first start, Cancel, Save and Ok: the default web site is stored" \
    test "$(stored "$KEY" HostName)" = www.wikipedia.org
tray_menu_quit

# --- a program folder outside the ANSI code page: the logon entry names it
omega_dir="$E2E_OUT/$(printf '\316\251')mega"
mkdir -p "$omega_dir"
cp "$1" "$omega_dir/Netvik.exe"
export NETVIK_EXE="$omega_dir/Netvik.exe"
omega_path=$(LC_ALL=C.UTF-8 winepath -w "$NETVIK_EXE")
trayctl reg-delete "$RUN" Netvik >/dev/null 2>&1 || true
trayctl reg-set "$KEY" LoadatStartup 0 >/dev/null
netvik_start omega
open_panel || true
main=$(netvik_main_window)
press "$main" 1015
press "$main" 1017
press "$main" 1020
trayctl wait-count 1 10000 >/dev/null || true
expected=$(printf '%s\0' "$omega_path" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 | tr -d ' \n')
entry=$(trayctl reg-get-raw "$RUN" Netvik | sed -n 's/.* hex=//p')
e2e_check "the logon entry names the real path ($omega_path)" test "$entry" = "$expected"
tray_menu_quit
export NETVIK_EXE="$E2E_OUT/Program Files/Netvik.exe"

# --- the machine's part refuses, as for an ordinary user of today's Windows:
# the user's part keeps the settings, and the next start reads them there
netvik_start machine
main=$(netvik_main_window)
open_panel || true
trayctl settext "$(item "$main" 1002)" "$INTERNET" >/dev/null
trayctl settext "$(item "$main" 1005)" "$HOST" >/dev/null
trayctl settext "$(item "$main" 1008)" "$COMPUTER" >/dev/null
trayctl reg-deny "$KEY" >/dev/null
press "$main" 1017
press "$main" 1020
e2e_check "machine refuses: the program goes on in the tray" trayctl wait-tip "$CONNECTED" 20000
e2e_check "machine refuses: nothing to report" not trayctl msgbox -pid "$NETVIK_PID" -timeout 500
e2e_check "machine refuses: the user's part holds the settings" \
    test "$(stored "$USER_KEY" Host)|$(stored "$USER_KEY" Computer)" = "$HOST|$COMPUTER"
e2e_check "machine refuses: the machine's values are unchanged" test "$(stored "$KEY" Internet)" = 1.1.1.1
tray_menu_quit
netvik_start user
e2e_check "machine refuses: the next start reads the user's settings" trayctl wait-tip "$CONNECTED" 20000
main=$(netvik_main_window)

# --- both parts refuse: reported
open_panel || true
trayctl reg-deny "$USER_KEY" >/dev/null
press "$main" 1017
press "$main" 1020
box=$(message)
e2e_check "both refuse: reported" \
    grep -qF 'text="The settings could not be saved: the registry refused the change (error 5).\rThey stay in force until Netvik ends."' <<<"$box"
e2e_check "both refuse: error icon" grep -q 'icon=error' <<<"$box"
dismiss "$box"
e2e_check "both refuse: the program goes on in the tray" trayctl wait-tip "$CONNECTED" 20000
tray_menu_quit

echo "screenshots and logs: $E2E_OUT"
e2e_summary
