# shellcheck shell=bash
# Wine + Xvfb environment for end-to-end tests.  Source it from a bash script:
#
#   . tests/lib/wine-env.sh
#   wine_env_start_xvfb                  # only if $DISPLAY is unset (or pass --force)
#   wine_env_make_prefix "$work/prefix"  # fresh win64 prefix, exported as WINEPREFIX
#   wine_env_start_shell "$bin/trayctl.exe" "$work/shell.log"
#   ... wine Netvik.exe & ... wine "$bin/trayctl.exe" wait-tip '...'
#   wine_env_screenshot "$work/tray.png" root "$(... geometry)"
#
# Everything that was started here is stopped by wine_env_cleanup, which is
# installed as the EXIT trap unless WINE_ENV_NO_TRAP=1 (then call it from
# your own trap).  Works under `set -euo pipefail`.
#
# Settings (environment):
#   WINEDEBUG              default "-all" (the wine wrapper would print fixmes)
#   WINE_ENV_SCREEN        Xvfb screen, default 1024x768x24
#   WINE_ENV_BOOT_TIMEOUT  seconds for wineboot, default 300
#   WINE_ENV_SHELL_DEBUG   WINEDEBUG for the shell (explorer.exe), default $WINEDEBUG
#   WINE_ENV_KEEP=1        keep prefixes (and their logs) after cleanup

export WINEDEBUG="${WINEDEBUG:--all}"

# Every wine, wineboot, winepath and wineserver below runs as this machine
# can run it (wine-arch.sh).
. "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
netvik_wine_use_shims

WINE_ENV_XVFB_PID=""
WINE_ENV_SHELL_PID=""
WINE_ENV_PREFIXES=()
WINE_ENV_TRAP_SET=""

wine_env_die() {
    echo "wine-env: $*" >&2
    return 1
}

wine_env_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || wine_env_die "required tool '$tool' not found in PATH" || return 1
    done
}

wine_env_install_trap() {
    [[ -n $WINE_ENV_TRAP_SET || ${WINE_ENV_NO_TRAP:-} == 1 ]] && return 0
    trap wine_env_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    WINE_ENV_TRAP_SET=1
}

# wine_env_start_xvfb [--force]
# Starts Xvfb on a free display and exports DISPLAY, unless DISPLAY is
# already set and --force is not given.  Xvfb chooses the display itself
# (-displayfd), so parallel runs cannot collide.  TCP is not opened.
wine_env_start_xvfb() {
    if [[ -n ${DISPLAY:-} && ${1:-} != --force ]]; then
        return 0
    fi
    [[ -z $WINE_ENV_XVFB_PID ]] || wine_env_die "Xvfb already started (pid $WINE_ENV_XVFB_PID)" || return 1
    wine_env_need Xvfb || return 1
    wine_env_install_trap
    local fdfile log i
    fdfile=$(mktemp) && log=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 "${WINE_ENV_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        3>"$fdfile" >"$log" 2>&1 &
    WINE_ENV_XVFB_PID=$!
    for ((i = 0; i < 100; i++)); do
        [[ -s $fdfile ]] && break
        if ! kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null; then
            WINE_ENV_XVFB_PID=""
            local why
            why=$(tail -n 5 "$log")
            rm -f "$fdfile" "$log"
            wine_env_die "Xvfb exited at start: $why" || return 1
        fi
        sleep 0.1
    done
    local display
    display=$(tr -dc 0-9 <"$fdfile")
    rm -f "$fdfile" "$log"
    [[ -n $display ]] || wine_env_die "Xvfb did not report a display within 10 s" || return 1
    export DISPLAY=":$display"
}

# wine_env_make_prefix DIR
# Creates a fresh prefix (of WINEARCH, default win64) in DIR (which must not exist or be empty),
# exports WINEPREFIX, and returns once wineboot and every process it started
# have finished.  The Mono and Gecko install dialogs are suppressed.
wine_env_make_prefix() {
    local dir=${1:-}
    [[ -n $dir ]] || wine_env_die "usage: wine_env_make_prefix DIR" || return 1
    [[ -n ${DISPLAY:-} ]] || wine_env_die "DISPLAY is not set; call wine_env_start_xvfb first" || return 1
    wine_env_need wine wineserver || return 1
    if [[ -e $dir ]] && [[ -n $(ls -A "$dir" 2>/dev/null) ]]; then
        wine_env_die "prefix directory '$dir' is not empty; a fresh prefix needs an empty one"
        return 1
    fi
    mkdir -p "$dir" && dir=$(cd "$dir" && pwd) || return 1
    wine_env_install_trap
    export WINEPREFIX=$dir
    WINE_ENV_PREFIXES+=("$dir")
    local log=$dir.boot.log
    local overrides="mscoree,mshtml="
    [[ -n ${WINEDLLOVERRIDES:-} ]] && overrides="$overrides;$WINEDLLOVERRIDES"
    if ! WINEARCH=${WINEARCH:-win64} WINEDLLOVERRIDES=$overrides timeout "${WINE_ENV_BOOT_TIMEOUT:-300}" wine wineboot -i >"$log" 2>&1; then
        tail -n 20 "$log" >&2
        wine_env_die "wineboot -i failed in $dir (log: $log)" || return 1
    fi
    wine_env_wait_idle "${WINE_ENV_BOOT_TIMEOUT:-300}"
}

# wine_env_wait_idle [SECONDS]
# Waits until the prefix's wineserver has exited, i.e. no Wine process is
# left (a server kept alive by wine_env_start_shell never gets there).
wine_env_wait_idle() {
    [[ -n ${WINEPREFIX:-} ]] || wine_env_die "WINEPREFIX is not set" || return 1
    timeout "${1:-60}" wineserver -w ||
        wine_env_die "wineserver of $WINEPREFIX still busy after ${1:-60} s"
}

# wine_env_start_shell TRAYCTL LOG
# Starts Wine's shell (explorer.exe) now, with WINE_ENV_SHELL_DEBUG as its
# WINEDEBUG and its stderr appended to LOG, and keeps it up until cleanup.
# Without this the shell inherits environment and stderr from whichever
# Wine process happens to need the desktop first, and it exits a few
# seconds after the last program does.
wine_env_start_shell() {
    local trayctl=${1:-} log=${2:-}
    [[ -n $trayctl && -n $log ]] || wine_env_die "usage: wine_env_start_shell TRAYCTL LOG" || return 1
    [[ -f $trayctl ]] || wine_env_die "no such file: $trayctl" || return 1
    [[ -z $WINE_ENV_SHELL_PID ]] || wine_env_die "shell already held (pid $WINE_ENV_SHELL_PID)" || return 1
    wine_env_install_trap
    local out i
    out=$(mktemp) || return 1
    WINEDEBUG=${WINE_ENV_SHELL_DEBUG:-$WINEDEBUG} wine "$trayctl" hold >"$out" 2>>"$log" &
    WINE_ENV_SHELL_PID=$!
    for ((i = 0; i < 600; i++)); do
        if grep -q '^ready' "$out"; then
            rm -f "$out"
            return 0
        fi
        kill -0 "$WINE_ENV_SHELL_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$out"
    wine_env_die "the shell did not come up (see $log)"
}

# wine_env_kill [PREFIX]
# Kills every process of the prefix (default $WINEPREFIX) and its wineserver.
wine_env_kill() {
    local prefix=${1:-${WINEPREFIX:-}}
    [[ -n $prefix ]] || wine_env_die "wine_env_kill: no prefix given and WINEPREFIX is not set" || return 1
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$prefix timeout 10 wineserver -w >/dev/null 2>&1 || true
}

# wine_env_screenshot OUT.png [WINDOW] [GEOMETRY]
# Saves the root window (default) or the X window id WINDOW as PNG, cropped
# to GEOMETRY (WxH+X+Y, relative to that window) when given.
wine_env_screenshot() {
    local out=${1:-} window=${2:-root} geometry=${3:-}
    [[ -n $out ]] || wine_env_die "usage: wine_env_screenshot OUT.png [WINDOW] [GEOMETRY]" || return 1
    [[ -n ${DISPLAY:-} ]] || wine_env_die "DISPLAY is not set" || return 1
    if command -v import >/dev/null 2>&1; then
        import -display "$DISPLAY" -window "$window" "png:$out" ||
            wine_env_die "import could not capture window '$window'" || return 1
    elif command -v xwd >/dev/null 2>&1; then
        local which=(-root)
        [[ $window == root ]] || which=(-id "$window")
        xwd -silent -display "$DISPLAY" "${which[@]}" | convert xwd:- "png:$out" ||
            wine_env_die "xwd could not capture window '$window'" || return 1
    else
        wine_env_die "neither import (ImageMagick) nor xwd is installed" || return 1
    fi
    if [[ -n $geometry ]]; then
        convert "$out" -crop "$geometry" +repage "png:$out" ||
            wine_env_die "could not crop $out to $geometry" || return 1
    fi
}

# wine_env_pixel PNG X Y  -> prints the colour as "R,G,B" (0..255), e.g.
# "30,200,60", whatever colour type the PNG was saved with.
wine_env_pixel() {
    [[ $# -eq 3 ]] || wine_env_die "usage: wine_env_pixel PNG X Y" || return 1
    local c channel fmt=""
    for channel in r g b; do
        c="%[fx:int(255*p{$2,$3}.$channel+0.5)]"
        fmt+=${fmt:+,}$c
    done
    convert "$1" -format "$fmt\n" info:
}

# Stops what this library started: the held shell, every prefix's
# wineserver (with all its processes), Xvfb; removes the prefixes unless
# WINE_ENV_KEEP=1.  Safe to call more than once.
wine_env_cleanup() {
    local prefix server_dir
    if [[ -n $WINE_ENV_SHELL_PID ]]; then
        kill "$WINE_ENV_SHELL_PID" 2>/dev/null || true
        wait "$WINE_ENV_SHELL_PID" 2>/dev/null || true
        WINE_ENV_SHELL_PID=""
    fi
    for prefix in "${WINE_ENV_PREFIXES[@]}"; do
        wine_env_kill "$prefix"
        if [[ ${WINE_ENV_KEEP:-} != 1 ]]; then
            # This Wine build keeps its server socket in a /tmp/wine-XXXXXX
            # directory named in the prefix; it would outlive the prefix.
            server_dir=$(cat "$prefix/wineserver" 2>/dev/null || true)
            if [[ $server_dir =~ ^wine-[A-Za-z0-9]+$ ]]; then rm -rf "${TMPDIR:-/tmp}/$server_dir"; fi
            rm -rf "$prefix" "$prefix.boot.log"
        fi
    done
    WINE_ENV_PREFIXES=()
    if [[ -n $WINE_ENV_XVFB_PID ]]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
        WINE_ENV_XVFB_PID=""
    fi
}
