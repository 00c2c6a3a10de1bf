#!/usr/bin/env bash
# What the trace after a change to no-internet costs the user: how long it
# runs, from the end of the check (whose echo requests block, as they always
# have) to its line in the record, and the longest the program's window
# takes to answer meanwhile, measured from outside by the e2e driver
# (WM_NULL every millisecond or two), beside the same wait when no trace
# runs (Wine's and the machine's share). RUNS traces (default 5) of each kind:
# the path cut after the third hop, the site silent to TCP (the trace ends
# at its time); and the site ignoring echo requests but taking connections
# (it ends once the last request has timed out). The real Netvik.exe under
# Wine and Xvfb, on the e2e test's chain of network namespaces.
#
# usage: trace.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_ENV_NO_TRAP=1
. "$here/../e2e/e2e-lib.sh"
. "$here/../e2e/chain-lib.sh"
e2e_sandbox "$0" "$@"
trap 'wine_env_cleanup; chain_down' EXIT
e2e_test "$0" "$@"
runs=${5:-5}

CONNECTED='Connected to the Internet.'
record="C:\\users\\$(id -un)\\AppData\\Local\\Netvik\\history.csv"
chain_up
netvik_store_settings "$SITE" 10.25.1.1 10.25.1.2 15
netvik_start bench
trayctl wait-tip "$CONNECTED" 20000 >/dev/null || {
    echo "trace: the program did not reach the tray (log: $E2E_OUT/bench.log)" >&2
    exit 1
}
main=$(netvik_main_window)
# traced BREAK MEND: RUNS traces after the outage BREAK makes, each ended by
# MEND; and after each, for comparison, as long again after the next check,
# which sees the outage still and traces nothing.
traced() {
    local trace
    for ((run = 1; run <= runs; run++)); do
        $1
        choose "$(open_menu)" '&Refresh'
        trace=$(trayctl stalls "$main" "$record" -timeout 30000)
        choose "$(open_menu)" '&Refresh'
        echo "$trace $(trayctl stalls "$main" -for "$(field_in after_ms "$trace" | cut -d. -f1)" -timeout 30000 |
            sed 's/.*longest_ms=/idle_ms=/')"
        $2
        choose "$(open_menu)" '&Refresh' && trayctl wait-tip "$CONNECTED" 20000 >/dev/null
    done
}
summary() {
    awk -v what="$1" '
        { split($1, a, "="); split($2, l, "="); split($4, i, "="); after[NR] = a[2]; longest[NR] = l[2]; idle[NR] = i[2] }
        function line(v, name,    i, j, t) {
            for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
            printf "    %-42s min %8.1f  median %8.1f  max %8.1f ms\n", name, v[1], v[int((NR + 1) / 2)], v[NR]
            return v[NR]
        }
        END {
            printf "  %s (%d traces):\n", what, NR
            slowest = line(after, "the trace, from the check to its line")
            stall = line(longest, "the longest wait for the window meanwhile")
            line(idle, "the same after the next check, no trace")
            printf "    target, over within 1500 ms, the window answering within 50 ms: %s\n", slowest <= 1500 && stall <= 50 ? "met" : "missed"
        }'
}
echo "the trace after a change to no-internet, measured from outside:"
traced chain_cut chain_mend | summary "cut after hop 3, the site silent to TCP"
traced "site_echo 0" "site_echo 1" | summary "the site ignores echo requests, takes connections"
netvik_close
