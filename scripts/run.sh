#!/usr/bin/env bash
# Builds Netvik.exe and starts it under Wine, installing what is missing.
# Without a display it starts Xvfb and takes a screenshot of the screen. It
# says what it is doing at each step, and the build shows its own progress.
# A first run on a machine of 2 cores with the packages installed shows
# Netvik after about half a minute (10 to 25 s to build, 10 s to make the
# Wine prefix); on a new machine apt-get's download and set-up of the
# packages come first, in a time that depends on the mirror. Later runs
# start Netvik within a few seconds.
#
# usage: scripts/run.sh [--arch i686|x86_64] [--real-network] [--answer ADDRESS]... [--seconds N]
#
# --arch chooses the build: by default the 32-bit one, or the 64-bit one on a
# machine whose kernel runs no 32-bit programs (or with NETVIK_WINE64_ONLY=1).
# By default Netvik runs inside a network namespace of its own, so that its
# echo requests cannot leave this machine: there, the addresses given with
# --answer answer (default: 192.168.0.1 and 192.168.0.2, the host and this PC
# of a LAN whose Internet is out of reach), and every other address is
# unreachable. --real-network lets it probe this machine's real network.
# --seconds N ends it after N seconds; otherwise it runs until you quit it
# (tray menu Quit) or press Ctrl-C.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

real_network=0
arch=""
seconds=""
answers=()
while [ $# -gt 0 ]; do
    case "$1" in
        --arch) arch=$2; shift 2 ;;
        --real-network) real_network=1; shift ;;
        --answer) answers+=("$2"); shift 2 ;;
        --seconds) seconds=$2; shift 2 ;;
        *) echo "usage: scripts/run.sh [--arch i686|x86_64] [--real-network] [--answer ADDRESS]... [--seconds N]" >&2; exit 2 ;;
    esac
done
[ ${#answers[@]} -gt 0 ] || answers=(192.168.0.1 192.168.0.2)

# step TEXT: tells what the script does next, and how long it has run.
step() { echo "run.sh [$SECONDS s]: $*"; }

cd "$top"
[ -d build/run ] ||
    step "a first run: after installing what is missing, about 30 s on 2 cores to build Netvik and make its Wine prefix"
step "checking what building and running Netvik needs (scripts/install-deps.sh installs what is missing)"
scripts/install-deps.sh
. tests/lib/wine-env.sh
netvik_wine_choose_arch "$arch" || exit
exe=build/$NETVIK_PRESET/Netvik.exe
[ -f "$exe" ] && when="again, only what changed" || when="the first time: 10 to 25 s on 2 cores"
step "building the $NETVIK_ARCH Netvik.exe in build/$NETVIK_PRESET ($when)"
cmake --preset "$NETVIK_PRESET" --log-level=WARNING
cmake --build --preset "$NETVIK_PRESET" --target Netvik -j"$(nproc)"
exe=$top/$exe
run=$top/build/run
mkdir -p "$run"

WINE_ENV_NO_TRAP=1
trap 'wineserver -k 2>/dev/null || true; wine_env_cleanup' EXIT
headless=0
if [ -z "${DISPLAY:-}" ]; then
    wine_env_start_xvfb
    headless=1
    step "no display: started Xvfb on $DISPLAY"
fi

# One prefix per build for every run, so that stored settings last between runs.
export WINEPREFIX=$run/prefix-$NETVIK_ARCH WINEARCH=$NETVIK_WINEARCH
first_start=0
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    first_start=1
    step "making the Wine prefix $WINEPREFIX (once: about 10 s)"
    window_manager=()
    # Xvfb has no window manager: Wine then draws the frames itself.
    [ "$headless" = 1 ] && window_manager=(--no-window-manager)
    "$top/tests/lib/fresh-wineprefix.sh" "${window_manager[@]+"${window_manager[@]}"}" "$WINEPREFIX" >/dev/null
fi
# Its wineserver, which sends the echo requests, must start where Netvik runs.
wineserver -k 2>/dev/null || true

screenshot() {
    sleep 6
    wine_env_screenshot "$run/screenshot.png" && step "screenshot of the screen: $run/screenshot.png"
}
shooter=""
if [ "$headless" = 1 ]; then
    screenshot &
    shooter=$!
fi

launch=(bash -c 'status=0; wine "$0" || status=$?; wineserver -w; exit $status' "$exe")
step "starting Wine with Netvik ($([ "$real_network" = 1 ] && echo "real network" || echo "sandbox network answering ${answers[*]}"))"
if [ "$headless" = 1 ]; then
    step "its windows and tray icon show on the Xvfb display $DISPLAY; a screenshot of it follows in 6 s"
else
    step "its windows and tray icon show on the display $DISPLAY"
fi
if [ "$first_start" = 1 ]; then
    step "a first start says \"Using default settings.\" and opens the panel; Save and Ok put Netvik in the tray"
else
    step "with the settings an earlier run saved it goes straight to the tray; without, it opens the panel"
fi
if [ -n "$seconds" ]; then
    step "it ends after $seconds s"
else
    step "it runs until you quit it (tray menu Quit) or press Ctrl-C"
fi
if [ "$real_network" = 1 ]; then
    "${launch[@]}" &
else
    locals=()
    for address in "${answers[@]}"; do locals+=(--local "$address"); done
    "$top/tests/lib/sandbox-net.sh" "${locals[@]}" -- "${launch[@]}" &
fi
netvik=$!
if [ -n "$seconds" ]; then
    sleep "$seconds"
    wineserver -k 2>/dev/null || true
fi
status=0
wait "$netvik" || status=$?
[ -z "$shooter" ] || wait "$shooter" || true
[ -n "$seconds" ] && status=0  # ended on purpose
exit "$status"
