#!/usr/bin/env bash
# What the user waits for when the History window opens on the largest
# record Netvik reads (4 MiB in its two files) and a full latency.csv
# (1 MiB), its picture drawn: from the choice of
# "History..." in the tray menu to the window visible, and to the window
# drawn whole with its list filled, measured from outside by the e2e driver,
# over RUNS openings (default 20; the first also makes the window). The real
# Netvik.exe under Wine and Xvfb, inside a sandbox network of its own.
#
# usage: history-window.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../e2e/e2e-lib.sh"
e2e_test "$0" "$@"
runs=${5:-20}

net_reset
net_answer 127.0.0.1
"$here/../e2e/full-record.py" "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik"
netvik_store_settings 127.0.0.1 127.0.0.2 127.0.0.3 15
netvik_start window
trayctl wait-tip 'Connected to the Internet.' 20000 >/dev/null || {
    echo "history window: the program did not reach the tray (log: $E2E_OUT/window.log)" >&2
    exit 1
}
for ((run = 1; run <= runs; run++)); do
    menu=$(open_menu)
    index=$(trayctl menu-items "$menu" | sed -n 's/^item index=\([0-9]*\) .*text="Hi&story\.\.\."$/\1/p')
    trayctl menu-opens "$menu" "$index" 'Netvik History' -timeout 10000
    history=$(trayctl find -title 'Netvik History' -pid "$NETVIK_PID" | head -n 1)
    press "$history" 2
    eventually 5 prints 0 window_visible "$history"
done | awk -v runs="$runs" '
    { split($1, v, "="); split($2, d, "="); visible[NR] = v[2]; drawn[NR] = d[2] }
    function stats(a, name,    n, i, j, t, s) {
        n = 0
        for (i = 2; i <= NR; i++) s[++n] = a[i]
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (s[j] < s[i]) { t = s[i]; s[i] = s[j]; s[j] = t }
        printf "  %-44s first %8.1f  then min %6.1f  median %6.1f  max %6.1f ms\n", name, a[1], s[1], s[int((n + 1) / 2)], s[n]
        return s[int((n + 1) / 2)]
    }
    END {
        printf "History window from the menu on the largest record (4 MiB) and latency.csv (1 MiB), from outside (%d openings):\n", NR
        stats(visible, "visible")
        m = stats(drawn, "drawn whole, its list filled")
        printf "  target, drawn within 100 ms: %s (median %.1f ms; the first %.1f ms)\n", (m < 100 && drawn[1] < 100) ? "met" : "missed", m, drawn[1]
    }'
netvik_close
