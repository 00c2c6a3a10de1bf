#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the cost of a check cycle
# beyond its echo requests, and how closely a silent chain keeps to its
# time-outs. The real program's pieces run under Wine, inside a sandbox
# network with a silent host, with an Xvfb of their own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target netvik_bench -j"$(nproc)" >/dev/null

prefix=$top/build/mingw32/bench-prefix
WINEARCH=win32 tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix"' EXIT
tests/lib/wine-in-sandbox.sh "$prefix" -- build/mingw32/tests/netvik_bench.exe
