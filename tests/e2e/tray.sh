#!/usr/bin/env bash
# End to end: the real Netvik.exe under Wine and Xvfb, started with stored
# settings, shows in the tray the verdict of real echo requests, and answers
# the tray's double-click; a shell that starts afresh gets its icon back. Runs in
# a sandbox network of its own, where the program's addresses are made to
# answer or stay silent, one verdict after another.
#
# usage: tray.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_test "$0" "$@"

# The chain, from addresses reserved for documentation: inside the sandbox
# they answer or stay silent as each case sets them up.
INTERNET=203.0.113.10
HOST=192.0.2.1
COMPUTER=198.51.100.2
netvik_store_settings "$INTERNET" "$HOST" "$COMPUTER"

CONNECTED='Connected to the Internet.'
HOST_ANSWERED='No Internet connection,\rcheck the internetsettings.'
COMPUTER_ANSWERED='No connection to host, check\rcable and networksettings.'
NETWORK_ERROR='Network error. Check networkcard,\rcable, host, networksettings.'
CHECKING='Checking internet connection...'

# One start of the program against the sandbox as set up: its first check
# cycle must end in the verdict TIP shown with the picture of ICON.
verdict() {
    local name=$1 tip=$2 icon=$3 line colour expected
    netvik_start "$name"
    line=$(trayctl wait-tip "$tip" 20000) || true
    e2e_check "$name: verdict tip read back exactly" grep -qF "tip=\"$tip\"" <<<"$line"
    e2e_check "$name: one icon in the tray" test "$(trayctl count)" = 1
    colour=$(icon_colour_on_screen "$E2E_OUT/$name.png" '#0')
    expected=$(icon_colour_in_file "$ICONS/$icon")
    e2e_check "$name: the tray shows the picture of $icon ($colour)" test "$colour" = "$expected"
    wine_env_screenshot "$E2E_OUT/tray-$name.png" root "$(trayctl geometry | cut -d' ' -f1)"
}

# Double-click on the icon opens the panel and takes the icon away; the
# close box then ends the program.
restore_and_close() {
    local name=$1 main
    main=$(netvik_main_window)
    trayctl click '#0' double >/dev/null
    e2e_check "$name: double-click removes the icon" trayctl wait-count 0 5000
    e2e_check "$name: double-click shows the panel" test "$(window_visible "$main")" = 1
    close_window "$main"
    e2e_check "$name: the close box ends the program" netvik_wait_exit
}

# --- Internet answers
net_reset
net_answer "$INTERNET"
verdict connected "$CONNECTED" internet.ico
e2e_check "connected: the program added its icon with callback, icon and tip" \
    grep -q "add_icon id=0x1" "$E2E_OUT/shell.log"
e2e_check "connected: every change sends all three (flags 7)" grep -q "modify_icon id=0x1 .*flags=7" "$E2E_OUT/shell.log"
e2e_check "connected: the program traced its add (message 0)" grep -q "dwMessage = 0" "$E2E_OUT/connected.log"

# The shell starts afresh (after a crash or a restart) with no icon, and says
# so: the icon comes back as it was, and works; not while the panel is open.
shell_starts_afresh() {
    trayctl forget "$(trayctl find -class NetvikTrayHook -pid "$NETVIK_PID" | head -n 1)" 1 >/dev/null &&
        trayctl wait-count 0 5000 >/dev/null && trayctl broadcast TaskbarCreated
}
e2e_check "new shell: the old one's icon is gone" shell_starts_afresh
e2e_check "new shell: the icon is back with its tip" trayctl wait-tip "$CONNECTED" 10000
menu=$(open_menu) && trayctl menu-close "$menu" >/dev/null
e2e_check "new shell: a right-click opens the menu" test -n "$menu"

# Minimising the open panel sends it back to the tray with the last verdict.
main=$(netvik_main_window)
e2e_check "new shell: a double-click opens the panel" open_panel
trayctl broadcast TaskbarCreated
sleep 1
e2e_check "new shell while the panel is open: no icon" test "$(trayctl count)" = 0
minimise "$main"
e2e_check "minimised panel: the icon comes back" trayctl wait-tip "$CONNECTED" 5000
e2e_check "minimised panel: the window is hidden" test "$(window_visible "$main")" = 0
restore_and_close connected

# --- only the host answers; the Internet site has no route
net_reset
net_answer "$HOST"
verdict host "$HOST_ANSWERED" host.ico
restore_and_close host

# --- only this PC answers
net_reset
net_answer "$COMPUTER"
verdict computer "$COMPUTER_ANSWERED" computer.ico
restore_and_close computer

# --- nothing answers: every address silent, the chain waits out its time-outs
net_reset
net_silence "$INTERNET"
net_silence "$HOST"
net_silence "$COMPUTER"
start=$(now_ms)
netvik_start silent
e2e_check "silent: the tray says it is checking" trayctl wait-tip "$CHECKING" 20000
checking=$(now_ms)
verdict_line=$(trayctl wait-tip "$NETWORK_ERROR" 20000) || true
elapsed=$(($(now_ms) - checking))
echo "silent: checking shown $((checking - start)) ms after start, network error after a further $elapsed ms"
e2e_check "silent: network error after the time-outs (${elapsed} ms)" test "$elapsed" -ge 1500 -a "$elapsed" -le 4500
e2e_check "silent: network error tip read back exactly" grep -qF "tip=\"$NETWORK_ERROR\"" <<<"$verdict_line"
colour=$(icon_colour_on_screen "$E2E_OUT/silent.png" '#0')
e2e_check "silent: the tray shows the error picture" test "$colour" = "$(icon_colour_in_file "$ICONS/error.ico")"
wine_env_screenshot "$E2E_OUT/tray-silent.png" root "$(trayctl geometry | cut -d' ' -f1)"

# Closed from outside while in the tray (the system shutting down, an
# uninstaller): the program ends and takes its icon with it.
close_window "$(netvik_main_window)"
e2e_check "closed in the tray: the program ends" netvik_wait_exit
e2e_check "closed in the tray: no dead icon stays behind" trayctl wait-count 0 5000

echo "screenshots and logs: $E2E_OUT"
e2e_summary
