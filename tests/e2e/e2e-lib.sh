# shellcheck shell=bash
# Shared steps of the end-to-end tests: checks, waiting, the sandbox
# network's hosts, and starting, reading, driving and ending the real
# Netvik.exe. A test script starts
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

# --- waiting
# eventually SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds
# (then succeeds) or SECONDS have passed (then fails).
eventually() {
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.1
    done
}
# prints TEXT COMMAND...: COMMAND's output is TEXT.
prints() { [ "$("${@:2}")" = "$1" ]; }
# ended PID: the process PID (a child of this shell) has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }

# --- the test's world
# Names for the test's own /etc/hosts, one "ADDRESS NAME..." line each; call
# it before e2e_test (or e2e_sandbox).
e2e_hosts() {
    [ "${NETVIK_IN_SANDBOX_NET:-}" = 1 ] && return 0
    E2E_HOSTS=$(mktemp)
    printf '%s\n' "$@" >"$E2E_HOSTS"
    export E2E_HOSTS
}

# Runs SCRIPT ARGUMENT... again inside a sandbox network of its own (with
# E2E_HOSTS, a hosts file of the test's own, as its /etc/hosts) and exits
# with its status; inside one, returns at once.
e2e_sandbox() {
    [ "${NETVIK_IN_SANDBOX_NET:-}" = 1 ] && return 0
    local status=0
    "$E2E_LIB_DIR/../lib/sandbox-net.sh" ${E2E_HOSTS:+--hosts "$E2E_HOSTS"} -- "$@" || status=$?
    [ -z "${E2E_HOSTS:-}" ] || rm -f "$E2E_HOSTS"
    exit "$status"
}

# The common start of a test script: e2e_test SCRIPT NETVIK.exe TRAYCTL.exe
# PREFIX OUTDIR. It runs SCRIPT inside a sandbox network (e2e_sandbox), and
# there sets up the test's world (e2e_begin) from the booted PREFIX.
e2e_test() {
    e2e_sandbox "$@"
    export NETVIK_EXE=$2 TRAYCTL_EXE=$3 E2E_OUT=$5
    e2e_begin "$4"
}

# Sets up a test's world: a private Xvfb, a copy of the booted prefix
# SOURCE_PREFIX in $E2E_OUT/prefix, and the shell (explorer.exe) with its
# systray trace in $E2E_OUT/shell.log. Everything goes at exit. Before the
# shell starts, E2E_DPI sets the screen's dots per inch, E2E_DESKTOP
# (WIDTHxHEIGHT) puts everything in a virtual desktop of that size, whose
# taskbar shows the icons and, unlike the standalone tray, their balloons,
# and E2E_SHELL_DEBUG is the shell's WINEDEBUG (-all,+systray).
e2e_begin() {
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT"
    wine_env_start_xvfb --force
    export WINEPREFIX=$E2E_OUT/prefix
    cp -a "$1" "$WINEPREFIX"
    WINE_ENV_PREFIXES+=("$WINEPREFIX")
    [ -z "${E2E_DPI:-}" ] || { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$E2E_DPI" \
        /f >/dev/null 2>&1 && wine_env_wait_idle; }
    [ -z "${E2E_DESKTOP:-}" ] || { wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$E2E_DESKTOP" /f >/dev/null 2>&1 &&
        wine_env_wait_idle; }
    WINE_ENV_SHELL_DEBUG=${E2E_SHELL_DEBUG:--all,+systray} wine_env_start_shell "$TRAYCTL_EXE" "$E2E_OUT/shell.log"
}

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
    NETVIK_PID=$(window_field "$main" pid)
}
# The main window's handle, waiting for it to exist.
netvik_main_window() { trayctl find -class NetvikMainWindow -timeout 20000 | head -n 1; }
# Waits up to 20 s for the program's process to end.
netvik_wait_exit() {
    eventually 20 ended "$NETVIK_UNIX_PID" || return 1
    wait "$NETVIK_UNIX_PID" 2>/dev/null || true
}
# Closes the main window, as the system does at shutdown, and waits for the
# program to end.
netvik_close() {
    close_window "$(netvik_main_window)"
    netvik_wait_exit || true
}
# Opens the panel from the tray: waits for the icon, double-clicks it and
# waits up to 5 s for the panel to show.
open_panel() {
    trayctl wait-count 1 20000 >/dev/null || true
    trayctl click '#0' double >/dev/null
    wait_visible "$(netvik_main_window)"
}
# Right-clicks the tray icon and prints the window of the menu it opens.
open_menu() {
    trayctl click '#0' right >/dev/null
    trayctl menu -pid "$NETVIK_PID" -timeout 5000 | head -n 1 | sed 's/ .*//; s/^hwnd=//'
}
# choose MENU TEXT: chooses the menu's item of that text (its "&" too).
choose() {
    local index
    index=$(trayctl menu-items "$1" | grep -F " text=\"$2\"" | sed -n 's/^item index=\([0-9]*\) .*/\1/p' | head -n 1)
    trayctl menu-choose "$1" "$index" >/dev/null
}
# The items of a menu, "|" between them; menu_texts_specified leaves out
# Netvik's own group (Settings..., History... and Notify on change, with
# their separator).
menu_texts() { trayctl menu-items "$1" | sed 's/.* text="\(.*\)"$/\1/' | paste -sd'|'; }
menu_texts_specified() { menu_texts "$1" | sed 's/||Se&ttings\.\.\.|Hi&story\.\.\.|&Notify on change|/|/'; }
# message [MS [OPTION...]]: waits up to MS (10000) for a message box of the
# program (trayctl msgbox OPTIONs narrow it) and prints its line, or nothing.
message() { trayctl msgbox -pid "$NETVIK_PID" -timeout "${1:-10000}" "${@:2}" || true; }
# dismiss BOX: presses OK in the message box whose line message printed.
dismiss() { trayctl msgbox-ok "$(field_in hwnd "$1")" >/dev/null; }
# stored KEY NAME: a registry value as trayctl prints it (escaped), or
# nothing when it is missing.
stored() { trayctl reg-get "$1" "$2" 2>/dev/null | sed -n 's/.* data="\(.*\)"$/\1/p' || true; }

# --- checks, balloons and the record
# refresh TIP: the tray menu's Refresh, until the check ends in TIP.
refresh() { choose "$(open_menu)" '&Refresh' && trayctl wait-tip "$1" 20000 >/dev/null; }
# The text of the balloon the shell shows (escaped), or nothing.
balloon() { trayctl balloons | sed -n 's/^balloon .* visible=1 title=.* text="\(.*\)"$/\1/p' | tail -n 1; }
# The shell drew a balloon titled TITLE: as its tooltip tells, or where
# it tells no title (Wine's), as the shell's trace of what it drew says.
titled() {
    local title
    title=$(trayctl balloons | sed -n 's/^balloon .* visible=1 title=\(.*\) text=".*"$/\1/p' | tail -n 1)
    if [ "$title" = - ]; then grep -qF "title L\"$1\"" "$E2E_OUT/shell.log"; else [ "$title" = "\"$1\"" ]; fi
}
# The record's lines, without their CR; line N of it, once it is written.
record() { tr -d '\r' 2>/dev/null <"$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik/history.csv"; }
has_lines() { [ "$(record | wc -l)" -ge "$1" ]; }
record_line() { eventually 5 has_lines "$1" || true; record | sed -n "$1p"; }

# --- windows and controls
# field_in NAME LINE: the value of NAME=... in a line of trayctl's fields.
field_in() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<" $2"; }
# window_field HWND NAME: a field of a window as trayctl windows lists it.
window_field() {
    local line
    line=$(trayctl windows | grep "^hwnd=$1 ") || return
    field_in "$2" "$line"
}
# window_visible HWND: 1 when the window is visible, else 0.
window_visible() { window_field "$1" visible; }
# wait_visible HWND: waits up to 5 s for the window to be visible.
wait_visible() { eventually 5 prints 1 window_visible "$1"; }
# close_window HWND: closes a window as its close box does (WM_CLOSE).
close_window() { trayctl post "$1" 0x0010 0 0 >/dev/null; }
# minimise HWND: as the window's minimise box does (WM_SYSCOMMAND, SC_MINIMIZE).
minimise() { trayctl post "$1" 0x0112 0xF020 0 >/dev/null; }
# field WINDOW ID NAME: a field of WINDOW's control ID as trayctl item shows it.
field() {
    local line
    line=$(trayctl item "$1" "$2") || return
    field_in "$3" "$line"
}
# item WINDOW ID: the handle of WINDOW's control ID.
item() { field "$1" "$2" hwnd; }
# text WINDOW ID: the text of WINDOW's control ID.
text() { trayctl text "$(item "$1" "$2")"; }
# press WINDOW ID: clicks WINDOW's button ID.
press() { trayctl click-button "$(item "$1" "$2")" >/dev/null; }
# tab_order WINDOW: the ids of the controls Tab stops at, in order.
tab_order() { trayctl children "$1" | grep ' tabstop=1 ' | sed 's/.* id=\([0-9]*\) .*/\1/' | paste -sd' '; }

# --- the tray icon's picture
ICONS=$(cd "$E2E_LIB_DIR/../../src/app/icons" && pwd)
# The colour of the tray icon ICON (#INDEX) at its centre, on screen.
icon_colour_on_screen() {
    local shot=$1 geometry w h x y
    geometry=$(trayctl geometry "$2")
    IFS='x+' read -r w h x y <<<"$geometry"
    wine_env_screenshot "$shot"
    wine_env_pixel "$shot" $((x + w / 2)) $((y + h / 2))
}

# The colour at the centre of an icon file's 16 x 16 picture, as it was drawn.
icon_colour_in_file() {
    local ico=$1 frame
    # The last 16 x 16 frame of the file is its 32-bit image.
    frame=$(identify -format '%p %wx%h\n' "$ico" | awk '$2 == "16x16" { last = $1 } END { print last }')
    wine_env_pixel "${ico}[$frame]" 8 8
}
