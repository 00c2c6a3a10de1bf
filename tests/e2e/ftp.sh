#!/usr/bin/env bash
# End to end: R&etrieve learns the external address over FTP. Inside the
# test's own network and mount namespace the program's FTP server name
# resolves to 127.0.0.1 (a hosts file of the test's own), where a real FTP
# server (vsftpd, anonymous) answers, and then a scripted one for what a real
# server will not send: the reply in one-byte pieces, "221" in the greeting
# and in the address, a host name, one that only a silent name server would
# answer, texts that yield no address, no address, a reply without end, a
# connection closed, reset or refused, and silence until the 15-second
# time-out.
#
# usage: ftp.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_hosts '127.0.0.1 localhost ftp.gnu.org'
e2e_test "$0" "$@"

INTERNET=127.0.0.1
FAILED='External IP address could not me retrieved.\rCheck your internetconnection and try again.'
WS_BORDER=0x00800000

# The panel's R&etrieve button is 1014 and the address label beside it 1013:
# whether the label has a border (1 or 0).
bordered() { (($(field "$main" 1013 style) & WS_BORDER)) && echo 1 || echo 0; }
server=""
# Ends the FTP server running, if any.
stop_server() {
    [ -z "$server" ] || { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
    server=""
}
# Starts the scripted FTP server in MODE and waits for it to listen.
script_server() {
    stop_server
    python3 "$here/ftp-script-server.py" "$1" >"$E2E_OUT/server-$1.log" 2>&1 &
    server=$!
    eventually 5 grep -q listening "$E2E_OUT/server-$1.log"
}
trap 'stop_server; wine_env_cleanup' EXIT

netvik_store_settings "$INTERNET" "$INTERNET" "$INTERNET"
# A name server that never answers would hold a lookup for 30 s.
export RES_OPTIONS="timeout:30 attempts:1"
netvik_start ftp
open_panel || true
main=$(netvik_main_window)

# --- a real FTP server
mkdir -p "$E2E_OUT/ftp-root" "$E2E_OUT/ftp-empty"
chmod 555 "$E2E_OUT/ftp-root"
cat >"$E2E_OUT/vsftpd.conf" <<CONF
listen=YES
listen_address=127.0.0.1
background=NO
anonymous_enable=YES
local_enable=NO
write_enable=NO
seccomp_sandbox=NO
run_as_launching_user=YES
anon_root=$E2E_OUT/ftp-root
secure_chroot_dir=$E2E_OUT/ftp-empty
xferlog_enable=NO
CONF
/usr/sbin/vsftpd "$E2E_OUT/vsftpd.conf" >"$E2E_OUT/vsftpd.log" 2>&1 &
server=$!
sleep 0.5
e2e_check "R&etrieve, before: an empty label without a border" test "$(text "$main" 1013)|$(bordered)" = "|0"
press "$main" 1014
e2e_check "a real server: the label shows 127.0.0.1" eventually 10 prints 127.0.0.1 text "$main" 1013
wine_env_screenshot "$E2E_OUT/retrieved.png"
e2e_check "a real server: the result has a single border" test "$(bordered)" = 1
e2e_check "a real server: the button reads R&efresh, enabled" \
    test "$(text "$main" 1014)|$(field "$main" 1014 disabled)" = "R&efresh|0"
press "$main" 1014
e2e_check "R&efresh asks again: the address again" eventually 10 prints 127.0.0.1 text "$main" 1013
e2e_check "R&efresh asks again: the caption stays" test "$(text "$main" 1014)" = "R&efresh"

# --- a scripted server
script_server pieces
press "$main" 1014
e2e_check "one-byte pieces: joined, the address" eventually 10 prints 127.0.0.1 text "$main" 1013
script_server greeting
press "$main" 1014
e2e_check "221 in the greeting and in the address: no early end" eventually 10 prints 10.0.221.5 text "$main" 1013
script_server hostname
press "$main" 1014
e2e_check "a host name: its first address" eventually 10 prints 127.0.0.1 text "$main" 1013

for mode in noaddress endless unresolvable nul trailing nogoodbye close reset refused; do
    if [ "$mode" = refused ]; then stop_server; else script_server "$mode"; fi
    started=$(now_ms)
    press "$main" 1014
    box=$(message)
    e2e_check "$mode: the failure message at once ($(($(now_ms) - started)) ms)" \
        grep -qF "text=\"$FAILED\"" <<<"$box"
    e2e_check "$mode: error icon, titled Error" grep -q 'icon=error.* title="Error"' <<<"$box"
    e2e_check "$mode: the label is empty, the button still disabled" \
        test "$(text "$main" 1013)|$(field "$main" 1014 disabled)" = "|1"
    dismiss "$box"
    e2e_check "$mode: the button enabled once the message is closed" test "$(field "$main" 1014 disabled)" = 0
done

# --- a name that only a silent name server would answer: the panel stays
# usable while the name is looked up, and the time-out still ends it
script_server slowname
started=$(now_ms)
press "$main" 1014
sleep 2
label=$(item "$main" 1013)
asked=$(now_ms)
shown=$(trayctl text "$label" || true)
answered=$(($(now_ms) - asked))
e2e_check "a slow name service: the panel answers meanwhile ($answered ms)" \
    test "$shown|$((answered < 2000))" = "Please Wait...|1"
box=$(message 20000)
elapsed=$(($(now_ms) - started))
e2e_check "a slow name service: the failure message at the time-out ($elapsed ms)" \
    grep -qF "text=\"$FAILED\"" <<<"$box"
e2e_check "a slow name service: not before 15 s, nor long after" test "$elapsed" -ge 14500 -a "$elapsed" -lt 18000
dismiss "$box"

# --- silence: the time-out of the shared timer, after 15 s
script_server silent
started=$(now_ms)
press "$main" 1014
e2e_check "waiting: \"Please Wait...\" without a border, the button disabled" \
    test "$(text "$main" 1013)|$(bordered)|$(field "$main" 1014 disabled)" = "Please Wait...|0|1"
wine_env_screenshot "$E2E_OUT/waiting.png"
e2e_check "silence: still waiting after 10 s" not trayctl msgbox -pid "$NETVIK_PID" -timeout 10000
box=$(message)
elapsed=$(($(now_ms) - started))
e2e_check "silence: the failure message after 15 s ($elapsed ms)" grep -qF "text=\"$FAILED\"" <<<"$box"
e2e_check "silence: not before 15 s" test "$elapsed" -ge 14500
dismiss "$box"

# --- hiding the panel while waiting ends the retrieval
press "$main" 1014
press "$main" 1021  # Cancel
trayctl wait-count 1 10000 >/dev/null || true
e2e_check "Cancel while waiting: no message later" not trayctl msgbox -pid "$NETVIK_PID" -timeout 16000
open_panel || true
e2e_check "Cancel while waiting: label empty, button enabled" \
    test "$(text "$main" 1013)|$(field "$main" 1014 disabled)" = "|0"

stop_server
echo "screenshots and logs: $E2E_OUT"
e2e_summary
