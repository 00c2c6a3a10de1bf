#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Wine and Xvfb
# into docs/screenshots/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target Netvik trayctl -j"$(nproc)" >/dev/null
prefix=$top/build/mingw32/screenshots-prefix
WINEARCH=win32 tests/lib/fresh-wineprefix.sh --no-window-manager "$prefix" >/dev/null
trap 'rm -rf "$prefix"' EXIT
tests/e2e/screenshots.sh build/mingw32/Netvik.exe build/mingw32/tests/e2e/driver/trayctl.exe "$prefix" docs/screenshots
