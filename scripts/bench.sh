#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the size of both builds'
# Netvik.exe; what a check cycle costs, the program's own work apart from the
# shell's tray calls and the echo requests, and how closely each echo
# time-out is kept; what the History window costs on the largest record it
# reads, its data and the window drawn as the user sees it; what the trace
# after a change to no-internet takes, and how the window answers meanwhile;
# and what the real program costs while it waits in the tray (CPU time and
# wake-ups over two minutes). The programs run under Wine, inside sandbox
# networks, with Xvfbs of their own.
#
# usage: scripts/bench.sh [--arch i686|x86_64] [--idle-seconds N]
#   --arch          the build that runs (default as for scripts/run.sh)
#   --idle-seconds  how long the idle program is watched (default 120)
# NETVIK_BUILD_ROOT (in the environment) puts the build trees elsewhere than
# build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
usage="usage: scripts/bench.sh [--arch i686|x86_64] [--idle-seconds N]"
arch=""
idle_seconds=120
while [ $# -gt 0 ]; do
    case $1 in
        --arch) arch=${2:?$usage}; shift 2 ;;
        --idle-seconds) idle_seconds=${2:?$usage}; shift 2 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
done
[[ $idle_seconds =~ ^[1-9][0-9]*$ ]] || { echo "$usage" >&2; exit 2; }

scripts/install-deps.sh
. tests/lib/wine-arch.sh
netvik_wine_use_shims
netvik_wine_choose_arch "$arch" || exit
root=${NETVIK_BUILD_ROOT:-$top/build}
# build PRESET TARGET...: configures and builds in $root/PRESET.
build() {
    local preset=$1
    shift
    cmake --preset "$preset" -B "$root/$preset" >/dev/null
    cmake --build "$root/$preset" --target "$@" -j"$(nproc)" >/dev/null
}

# Both builds' program, as a user downloads it.
build mingw32 Netvik
build mingw64 Netvik
size32=$(stat -c %s "$root/mingw32/Netvik.exe")
size64=$(stat -c %s "$root/mingw64/Netvik.exe")
# The target: 256 KiB, the most a download of such a tray utility should be.
awk -v a="$size32" -v b="$size64" 'BEGIN {
    printf "Netvik.exe: i686 %d bytes (%.1f KiB), x86_64 %d bytes (%.1f KiB); target, i686 at most 256 KiB: %s\n",
        a, a / 1024, b, b / 1024, a <= 256 * 1024 ? "met" : "missed"
}'

tree=$root/$NETVIK_PRESET
build "$NETVIK_PRESET" netvik_bench netvik_history_bench trayctl
prefix=$tree/bench-prefix
WINEARCH=$NETVIK_WINEARCH tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix" "$tree/bench-idle" "$tree/bench-window" "$tree/bench-trace"' EXIT
tests/lib/wine-in-sandbox.sh "$prefix" -- "$tree/tests/netvik_bench.exe"
tests/lib/wine-in-sandbox.sh "$prefix" -- "$tree/tests/netvik_history_bench.exe"
tests/bench/history-window.sh "$tree/Netvik.exe" "$tree/tests/e2e/driver/trayctl.exe" "$prefix" "$tree/bench-window"
tests/bench/trace.sh "$tree/Netvik.exe" "$tree/tests/e2e/driver/trayctl.exe" "$prefix" "$tree/bench-trace"
tests/bench/idle.sh "$tree/Netvik.exe" "$tree/tests/e2e/driver/trayctl.exe" "$prefix" "$tree/bench-idle" "$idle_seconds"
