#!/usr/bin/env bash
# What the real Netvik.exe costs while it waits in the tray: the CPU time
# and the wake-ups (times its threads were put on a CPU) of its Wine process
# over SECONDS (default 120), under Wine and Xvfb, inside a sandbox network of
# its own. It starts from stored settings, straight into the tray, with a
# refresh rate of 15 minutes: in those seconds only its one-minute countdown
# timer is due. Prints one line.
#
# usage: idle.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../e2e/e2e-lib.sh"
e2e_test "$0" "$@"
seconds=${5:-120}

# CPU nanoseconds and times run, summed over the process's threads.
cpu_and_runs() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1; runs += $3 } END { print ns + 0, runs + 0 }'
}

net_reset
netvik_store_settings 127.0.0.1 127.0.0.2 127.0.0.3 15
netvik_start idle
trayctl wait-tip 'Connected to the Internet.' 20000 >/dev/null || {
    echo "idle: the program did not reach the tray (log: $E2E_OUT/idle.log)" >&2
    exit 1
}
sleep 5  # the start settles
read -r ns_before runs_before < <(cpu_and_runs "$NETVIK_UNIX_PID")
sleep "$seconds"
read -r ns_after runs_after < <(cpu_and_runs "$NETVIK_UNIX_PID")
kill -0 "$NETVIK_UNIX_PID" 2>/dev/null || { echo "idle: the program ended meanwhile" >&2; exit 1; }
kill "$NETVIK_UNIX_PID"
netvik_wait_exit || true
awk -v s="$seconds" -v ns=$((ns_after - ns_before)) -v runs=$((runs_after - runs_before)) 'BEGIN {
    printf "idle in the tray, %d s: CPU %.1f ms, %d wake-ups (%.2f a second)\n", s, ns / 1e6, runs, runs / s
}'
