#!/usr/bin/env bash
# End to end: the connection's record in the real Netvik.exe under Wine and
# Xvfb. The Internet site answers, falls silent, answers again (each verdict
# fetched with the tray menu's Refresh): a line and a balloon for each
# change, and the History window's outage, summary and report. "Notify on
# change", unticked, is kept and silences the next run, whose history
# folder cannot be made: no message, and the window says since when. Then
# the largest record Netvik reads: its History window opens, drawn whole,
# within 100 ms of the menu's choice; and a wake from sleep is followed by
# a check.
#
# usage: history.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
# The taskbar of a virtual desktop shows balloons, and the shell traces the
# titles it draws.
E2E_DESKTOP=1024x768
E2E_SHELL_DEBUG=-all,+systray,trace+tooltips
e2e_test "$0" "$@"

INTERNET=203.0.113.10
HOST=192.0.2.1
netvik_store_settings "$INTERNET" "$HOST" 198.51.100.2
CONNECTED='Connected to the Internet.'
NO_INTERNET='No Internet connection,\rcheck the internetsettings.'
PROVIDER='beyond the router (the Internet provider)'
folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik
STAMP='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}'

# Two stamps of the record as the window names the stretch between them
# (the second's date only when it differs).
span() { local d=; [ "${1:0:10}" = "${2:0:10}" ] || d="${2:0:10} "; echo "${1:0:10} ${1:11:5} - $d${2:11:5}"; }
open_history() {
    choose "$(open_menu)" 'Hi&story...'
    history=$(trayctl find -title 'Netvik History' -pid "$NETVIK_PID" -timeout 5000 | head -n 1)
    wait_visible "$history"
}
notify_item() { trayctl menu-items "$1" | grep -F 'text="&Notify on change"'; }
balloon_shown() { [ -n "$(balloon)" ]; }
notify_stored_off() { [ "$(stored 'HKLM\Software\Netvik' Notify)$(stored 'HKCU\Software\Netvik' Notify)" = 0 ]; }

# --- connected, the site silent, connected again
net_reset
net_answer "$INTERNET"
net_answer "$HOST"
netvik_start record
trayctl wait-tip "$CONNECTED" 20000 >/dev/null || true
menu=$(open_menu)
e2e_check "menu: the specified items, and Netvik's own group between Disable and Hide" \
    test "$(menu_texts "$menu")" = '&Refresh|&Disable||Se&ttings...|Hi&story...|&Notify on change||&Hide|&Quit'
e2e_check "menu: Notify on change is ticked" grep -q ' checked=1 ' <<<"$(notify_item "$menu")"
trayctl menu-close "$menu" >/dev/null

ip addr del "$INTERNET/32" dev lo
refresh "$NO_INTERNET"
down=$(record_line 3)
e2e_check "a balloon tells that the provider's side broke, at the check's time" eventually 10 prints \
    "${down:11:5}: the router answers, but the Internet site does not. The fault lies beyond the router, with the \
Internet provider." balloon
e2e_check "the balloon's title" titled 'No Internet connection'
net_answer "$INTERNET"
refresh "$CONNECTED"
up=$(record_line 4)
e2e_check "a balloon tells that the connection is back" eventually 10 prints \
    "${up:11:5}: the connection to the Internet is back, after less than a minute without it." balloon
e2e_check "its title" titled 'Connected to the Internet again'
e2e_check "the record: its header, the first verdict, the two changes with the last check before each" \
    test "$(record | sed -E "s/$STAMP/T/g")" = $'time,state,last check of the old state\nT,connected,\nT,no-internet,T\nT,connected,T'

open_history
IFS=, read -r down_at _ last_up <<<"$down"
IFS=, read -r up_at _ last_down <<<"$up"
row="$(span "$last_up" "$down_at")\\t$(span "$last_down" "$up_at")\\tless than a minute\\t$PROVIDER"
e2e_check "History: the outage, between the record's checks, and where it broke" \
    test "$(trayctl list-rows "$(item "$history" 1101)")" = "row index=0 text=\"$row\""
summary=$(text "$history" 1100)
period='watched [a-z0-9 ]+, connected [0-9.]+% of that time, 1 outage of less than a minute\.'
e2e_check "History: each period's time watched, share connected, one outage ($summary)" grep -Eqx \
    "Last 24 hours: $period\\\\r\\\\nLast 7 days: $period\\\\r\\\\nLast 30 days: $period" <<<"$summary"
e2e_check "History: no notes" test -z "$(text "$history" 1102)"
press "$history" 1103
report=$(trayctl clipboard) || true
e2e_check "Copy report: the summary and the outage on the clipboard" grep -qF \
    "\\r\\n\\r\\n$summary\\r\\n\\r\\nOutages in the last 30 days, newest first:\\r\\n$(span "$last_up" "$down_at") until \
$(span "$last_down" "$up_at"): less than a minute, $PROVIDER\\r\\n" <<<"$report"
press "$history" 2
e2e_check "Close hides the window" eventually 5 prints 0 window_visible "$history"

menu=$(open_menu)
choose "$menu" '&Notify on change'
e2e_check "Notify on change, unticked, is kept in the registry" eventually 5 notify_stored_off
netvik_close

# --- a history folder that cannot be made: a file stands where it goes
mv "$folder/history.csv" "$E2E_OUT"
rm -rf "$folder"
echo 'not a folder' >"$folder"
netvik_start unwritable
trayctl wait-tip "$CONNECTED" 20000 >/dev/null || true
menu=$(open_menu)
e2e_check "next start: Notify on change unticked" grep -q ' checked=0 ' <<<"$(notify_item "$menu")"
trayctl menu-close "$menu" >/dev/null
ip addr del "$INTERNET/32" dev lo
refresh "$NO_INTERNET"
e2e_check "notify off: no balloon" not eventually 5 balloon_shown
e2e_check "record not written: no message" test -z "$(message 1000 2>/dev/null)"
open_history
e2e_check "record not written: the window says since when" grep -Eqx \
    'The record could not be written since [0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}\.' <<<"$(text "$history" 1102)"
netvik_close

# --- the largest record Netvik reads; a wake from sleep
rm -f "$folder"
"$here/full-record.py" "$folder"
netvik_store_settings "$INTERNET" "$HOST" 198.51.100.2 15
net_answer "$INTERNET"
netvik_start full
trayctl wait-tip "$CONNECTED" 20000 >/dev/null || true
times=()
for run in 1 2 3 4 5; do
    menu=$(open_menu)
    index=$(trayctl menu-items "$menu" | sed -n 's/^item index=\([0-9]*\) .*text="Hi&story\.\.\."$/\1/p')
    shown=$(trayctl menu-opens "$menu" "$index" 'Netvik History' -timeout 10000) || true
    times+=("$(field_in drawn_ms "$shown")")
    history=$(trayctl find -title 'Netvik History' -pid "$NETVIK_PID" | head -n 1)
    press "$history" 2
    eventually 5 prints 0 window_visible "$history" || true
done
median=$(printf '%s\n' "${times[@]}" | sort -g | sed -n 3p)
e2e_check "History on the largest record (4 MiB): drawn whole within 100 ms of the choice (${times[*]} ms)" \
    awk -v t="${median:-999999}" 'BEGIN { exit !(t < 100) }'
lines=$(record | wc -l)
main=$(netvik_main_window)
trayctl post "$main" 0x0218 4 0 >/dev/null     # WM_POWERBROADCAST: suspending
trayctl post "$main" 0x0218 0x12 0 >/dev/null  # and resumed
woke=$(now_ms)
e2e_check "after a wake, a check within 15 s: the asleep line, then a verdict that starts a stretch" \
    eventually 15 has_lines $((lines + 2))
e2e_check "  (after $(($(now_ms) - woke)) ms)" grep -Eq "^$STAMP,asleep,$STAMP\$" <<<"$(record_line $((lines + 1)))"
e2e_check "  its line names no last check" grep -Eq "^$STAMP,connected,\$" <<<"$(record_line $((lines + 2)))"
netvik_close

echo "logs: $E2E_OUT"
e2e_summary
