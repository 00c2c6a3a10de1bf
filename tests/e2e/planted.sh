#!/usr/bin/env bash
# End to end: nothing runs from beside the program or its current folder.
# With Wine told to prefer a native library to its own (Windows' search
# order) for every name Netvik loads, a library of each name, which leaves a
# mark when loaded, lies beside a copy of the program and in its current
# folder; the program starts, checks, opens History and quits: no mark.
# Without any sockets library, the program says so and ends.
#
# usage: planted.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR PLANTED.dll
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_test "$0" "$@"

netvik_store_settings 203.0.113.10 192.0.2.1 198.51.100.2
net_answer 203.0.113.10
mkdir -p "$E2E_OUT/program" "$E2E_OUT/current"
cp "$NETVIK_EXE" "$E2E_OUT/program/Netvik.exe"
for name in wsock32 icmp iphlpapi shfolder; do
    cp "$5" "$E2E_OUT/program/$name.dll" && cp "$5" "$E2E_OUT/current/$name.dll"
done
marks() { cd "$E2E_OUT" && ls program/*.loaded current/*.loaded 2>/dev/null | paste -sd' '; }

cd "$E2E_OUT/current"
NETVIK_EXE=$E2E_OUT/program/Netvik.exe WINEDLLOVERRIDES='icmp,iphlpapi,shfolder,wsock32=n,b' netvik_start planted || true
e2e_check "planted: the check ends in its verdict" trayctl wait-tip 'Connected to the Internet.' 20000
choose "$(open_menu)" 'Hi&story...' || true
e2e_check "planted: History opens" trayctl find -title 'Netvik History' -pid "$NETVIK_PID" -timeout 5000
choose "$(open_menu)" '&Quit' || true
e2e_check "planted: Quit ends the program" netvik_wait_exit
e2e_check "planted: none of them was loaded (marks: $(marks))" test -z "$(marks)"

WINEDLLOVERRIDES='wsock32=d' netvik_start no-sockets || true
box=$(message 20000)
e2e_check "no sockets library: \"Winsock.dll error.\"" grep -qF 'text="Winsock.dll error."' <<<"$box"
dismiss "$box" || true
e2e_check "no sockets library: then the program ends" netvik_wait_exit
e2e_summary
