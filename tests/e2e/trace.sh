#!/usr/bin/env bash
# End to end: the trace after a change to no-internet in the real Netvik.exe
# under Wine, on a chain of network namespaces (chain-lib.sh). Cut after the
# third hop, then the site ignoring echo requests but taking connections:
# the record's lines, the balloons and the History window say so; trace.png
# is the README's picture.
#
# usage: trace.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_ENV_NO_TRAP=1
. "$here/e2e-lib.sh"
E2E_DESKTOP=1024x768
E2E_SHELL_DEBUG=-all,+systray,trace+tooltips

. "$here/chain-lib.sh"
e2e_sandbox "$0" "$@"
# Inside the sandbox network: the program's wineserver goes first, then the
# chain.
trap 'wine_env_cleanup; chain_down' EXIT
e2e_test "$0" "$@"

HOST=10.25.1.1
CONNECTED='Connected to the Internet.'
NO_INTERNET='No Internet connection,\rcheck the internetsettings.'
STAMP='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}'

# shot NAME HWND: the window on screen, with a margin, into NAME.png.
shot() {
    local l t r b
    IFS=, read -r l t r b < <(trayctl windows | grep "^hwnd=$2 " | sed -n 's/.* rect=\([-0-9,]*\).*/\1/p')
    wine_env_screenshot "$E2E_OUT/$1.png" root "$((r - l + 16))x$((b - t + 16))+$((l < 8 ? 0 : l - 8))+$((t < 8 ? 0 : t - 8))"
}
balloon_shot() { shot "$1" "$(trayctl balloons | sed -n 's/^balloon tooltip=\([^ ]*\) visible=1 .*/\1/p' | tail -n 1)"; }

chain_up
netvik_store_settings "$SITE" "$HOST" 10.25.1.2
netvik_start trace
trayctl wait-tip "$CONNECTED" 20000 >/dev/null || true

# --- cut after the third hop
chain_cut
refresh "$NO_INTERNET"
down=$(record_line 3)
e2e_check "the balloon places the break past hop 3" eventually 10 prints \
    "${down:11:5}: the router answers, but the Internet site does not. The path answers up to hop 3 (100.64.3.2), \
nothing beyond it. The fault lies beyond the router, with the Internet provider." balloon
balloon_shot balloon-cut

chain_mend
refresh "$CONNECTED"

# --- the site ignores echo requests and takes connections
site_echo 0
refresh "$NO_INTERNET"
down=$(record_line 5)
e2e_check "the balloon says the site is reachable" eventually 10 prints \
    "${down:11:5}: the Internet site accepts connections, so it is reachable; only its echo replies are missing. Echo \
requests are probably blocked on this network or ignored by the site: another Internet address would serve better." \
    balloon
balloon_shot balloon-reachable
e2e_check "the record: both changes with hop 3 and the third router, the site silent, then answering; the header \
and the other lines as before" \
    test "$(record | sed -E "s/$STAMP/T/g")" = $'time,state,last check of the old state\nT,connected,\nT,no-internet,T,3 100.64.3.2,silent\nT,connected,T\nT,no-internet,T,3 100.64.3.2,answers'

choose "$(open_menu)" 'Hi&story...'
history=$(trayctl find -title 'Netvik History' -pid "$NETVIK_PID" -timeout 5000 | head -n 1)
wait_visible "$history"
e2e_check "History: the newer outage nowhere, the older past hop 3" test "$(trayctl list-rows "$(item "$history" 1101)" |
    sed 's/.*\\t//')" = $'none: the site takes connections, echo is blocked"\npast hop 3 (100.64.3.2): the Internet provider"'
shot history "$history"
# The README's picture: the window over the first balloon.
convert "$E2E_OUT/history.png" "$E2E_OUT/balloon-cut.png" -background '#3a6ea5' -gravity west -append +repage \
    -strip -define png:exclude-chunks=date,time "$E2E_OUT/trace.png" || true
netvik_close

echo "logs: $E2E_OUT"
e2e_summary
