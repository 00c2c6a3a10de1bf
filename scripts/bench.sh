#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the cost of a check cycle
# beyond its echo requests, and how closely a silent chain keeps to its
# time-outs. The real program's pieces run under Wine, inside a sandbox
# network with a silent host, with an Xvfb of their own.
#
# usage: scripts/bench.sh [--arch i686|x86_64]   (default as for scripts/run.sh)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
arch=""
case "${1:-}" in
    --arch) arch=${2:?usage: scripts/bench.sh [--arch i686|x86_64]} ;;
    "") ;;
    *) echo "usage: scripts/bench.sh [--arch i686|x86_64]" >&2; exit 2 ;;
esac

scripts/install-deps.sh
. tests/lib/wine-arch.sh
netvik_wine_use_shims
netvik_wine_choose_arch "$arch" || exit
cmake --preset "$NETVIK_PRESET" >/dev/null
cmake --build --preset "$NETVIK_PRESET" --target netvik_bench -j"$(nproc)" >/dev/null

prefix=$top/build/$NETVIK_PRESET/bench-prefix
WINEARCH=$NETVIK_WINEARCH tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix"' EXIT
tests/lib/wine-in-sandbox.sh "$prefix" -- "build/$NETVIK_PRESET/tests/netvik_bench.exe"
