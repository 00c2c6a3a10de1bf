#!/usr/bin/env bash
# Runs one Windows test of a build tree: with this library's Wine commands
# first on PATH, or, when this machine's Wine cannot run the tree's programs,
# not at all: it says why and exits 77, which CTest reports as skipped.
#
# usage: wine-test.sh win32|win64 COMMAND [ARGUMENT]...
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-arch.sh"
arch=${1:?usage: wine-test.sh win32|win64 COMMAND...}
shift
if ! netvik_wine_runs "$arch"; then
    echo "skipped: $NETVIK_WINE_WHY"
    exit 77
fi
netvik_wine_use_shims
exec "$@"
