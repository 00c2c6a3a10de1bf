# shellcheck shell=bash
# Shared steps of the end-to-end tests: checks, the sandbox network's hosts,
# and starting, reading and ending the real Netvik.exe. A test script starts
#   . "$here/e2e-lib.sh"
#   e2e_test "$0" "$@"     # NETVIK.exe TRAYCTL.exe PREFIX OUTDIR
# which runs it inside a sandbox network of its own (tests/lib/sandbox-net.sh)
# and sets NETVIK_EXE, TRAYCTL_EXE and E2E_OUT (a directory for logs and
# screenshots).

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$E2E_LIB_DIR/../lib/wine-env.sh"

E2E_PASSED=0
E2E_FAILED=0
NETVIK_PID=""

e2e_check() {
    local what=$1
    shift
    if "$@"; then
        E2E_PASSED=$((E2E_PASSED + 1))
        echo "ok: $what"
    else
        E2E_FAILED=$((E2E_FAILED + 1))
        echo "FAIL: $what" >&2
    fi
}

# Prints the totals; fails when any check failed.
e2e_summary() {
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    [ "$E2E_FAILED" -eq 0 ]
}

not() { ! "$@"; }
now_ms() { date +%s%3N; }
trayctl() { wine "$TRAYCTL_EXE" "$@"; }

# Names for the test's own /etc/hosts, one "ADDRESS NAME..." line each; call
# it before e2e_test.
e2e_hosts() {
    [ "${NETVIK_IN_SANDBOX_NET:-}" = 1 ] && return 0
    E2E_HOSTS=$(mktemp)
    printf '%s\n' "$@" >"$E2E_HOSTS"
    export E2E_HOSTS
}

# The common start of a test script: e2e_test SCRIPT NETVIK.exe TRAYCTL.exe
# PREFIX OUTDIR. Outside a sandbox network it runs SCRIPT again inside one
# (with E2E_HOSTS, a hosts file of the test's own, as its /etc/hosts);
# inside, it sets up the test's world (e2e_begin) from the booted PREFIX.
e2e_test() {
    local script=$1
    shift
    if [ "${NETVIK_IN_SANDBOX_NET:-}" != 1 ]; then
        exec "$E2E_LIB_DIR/../lib/sandbox-net.sh" ${E2E_HOSTS:+--hosts "$E2E_HOSTS"} -- "$script" "$@"
    fi
    export NETVIK_EXE=$1 TRAYCTL_EXE=$2 E2E_OUT=$4
    e2e_begin "$3"
}

# Sets up a test's world: a private Xvfb, a copy of the booted prefix
# SOURCE_PREFIX in $E2E_OUT/prefix, and the shell (explorer.exe) with its
# systray trace in $E2E_OUT/shell.log. Everything goes at exit. With E2E_DPI
# set, the screen has that many dots per inch for every program, the shell
# included.
e2e_begin() {
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT"
    wine_env_start_xvfb --force
    export WINEPREFIX=$E2E_OUT/prefix
    cp -a "$1" "$WINEPREFIX"
    WINE_ENV_PREFIXES+=("$WINEPREFIX")
    if [ -n "${E2E_DPI:-}" ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$E2E_DPI" /f >/dev/null 2>&1
        wine_env_wait_idle  # the shell reads it when it starts
    fi
    WINE_ENV_SHELL_DEBUG=-all,+systray wine_env_start_shell "$TRAYCTL_EXE" "$E2E_OUT/shell.log"
}

ICONS=$(cd "$E2E_LIB_DIR/../../src/app/icons" && pwd)

# --- hosts of the sandbox network
# An address that answers echo requests: this namespace holds it.
net_answer() { ip addr add "$1/32" dev lo; }
# An address that swallows echo requests: routed to the silent veth peer.
net_silence() {
    ip route add "$1/32" dev nv0
    ip neigh replace "$1" lladdr 02:00:00:00:00:02 dev nv0 nud permanent
}
# Back to loopback alone: every address added above is gone again.
net_reset() {
    ip addr flush dev lo
    ip addr add 127.0.0.1/8 dev lo
    ip route flush dev nv0 2>/dev/null || true
    ip addr add 198.18.0.1/24 dev nv0 2>/dev/null || true
}

# --- the program
# Stores settings as an earlier run would have (HKLM\Software\Netvik), so
# that the program starts in the tray: netvik_store_settings INTERNET HOST
# COMPUTER [REFRESH [HOSTNAME [STARTUP]]].
netvik_store_settings() {
    local key='HKLM\Software\Netvik'
    trayctl reg-set "$key" Internet "$1" >/dev/null
    trayctl reg-set "$key" Host "$2" >/dev/null
    trayctl reg-set "$key" Computer "$3" >/dev/null
    trayctl reg-set "$key" RefreshRate "${4:-1}" >/dev/null
    trayctl reg-set "$key" HostName "${5:-www.example.org}" >/dev/null
    trayctl reg-set "$key" LoadatStartup "${6:-0}" >/dev/null
}

# Starts Netvik.exe; its stderr (with WINEDEBUG's systray trace) goes to
# $E2E_OUT/NAME.log, and NETVIK_PID is its Windows process id.
netvik_start() {
    local name=$1
    WINEDEBUG=-all,+systray wine "$NETVIK_EXE" 2>"$E2E_OUT/$name.log" &
    NETVIK_UNIX_PID=$!
    local main
    main=$(netvik_main_window)
    NETVIK_PID=$(trayctl windows | grep "^hwnd=$main " | sed -n 's/.* pid=\([0-9]*\).*/\1/p')
}

# The main window's handle, waiting for it to exist.
netvik_main_window() { trayctl find -class NetvikMainWindow -timeout 20000 | head -n 1; }

# Waits for the program's process to end.
netvik_wait_exit() {
    local i
    for ((i = 0; i < 200; i++)); do
        kill -0 "$NETVIK_UNIX_PID" 2>/dev/null || { wait "$NETVIK_UNIX_PID" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    return 1
}

# A window's visibility as trayctl lists it (1 or 0).
window_visible() { trayctl windows | grep "hwnd=$1 " | sed -n 's/.* visible=\([01]\).*/\1/p'; }

# Waits up to 5 s for a window to be visible.
wait_visible() {
    local i
    for ((i = 0; i < 25; i++)); do
        [ "$(window_visible "$1")" = 1 ] && return 0
        sleep 0.2
    done
    return 1
}

# The colour of the tray icon ICON (#INDEX) at its centre, on screen.
icon_colour_on_screen() {
    local shot=$1 geometry w h x y
    geometry=$(trayctl geometry "$2")
    IFS='x+' read -r w h x y <<<"$geometry"
    wine_env_screenshot "$shot"
    wine_env_pixel "$shot" $((x + w / 2)) $((y + h / 2))
}

# The frame of an icon file that holds its picture of SIZE pixels with alpha
# (the last one of that size).
icon_frame() {
    identify -format '%p %wx%h\n' "$1" | awk -v size="$2x$2" '$2 == size { last = $1 } END { print last }'
}

# The colour at the centre of an icon file's 16 x 16 picture, as it was drawn.
icon_colour_in_file() {
    local ico=$1 frame
    # The last 16 x 16 frame of the file is its 32-bit image.
    frame=$(identify -format '%p %wx%h\n' "$ico" | awk '$2 == "16x16" { last = $1 } END { print last }')
    wine_env_pixel "$ico[$frame]" 8 8
}
