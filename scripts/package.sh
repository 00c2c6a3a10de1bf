#!/usr/bin/env bash
# Builds the release of both Windows builds into dist/: for each, a zip
# (Netvik.exe, README.txt, LICENSE.txt in a folder Netvik) and an NSIS
# installer, all with the project's version; checks each package's files and
# prints their sizes. Installs what is missing first.
#
# usage: scripts/package.sh [--build32 DIR] [--build64 DIR] [--out DIR]
#   --build32, --build64  the build trees (default: the presets' build/mingw32
#                         and build/mingw64); also NETVIK_BUILD32, NETVIK_BUILD64
#   --out                 where the packages go (default dist/); also NETVIK_DIST
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

build32=${NETVIK_BUILD32:-build/mingw32}
build64=${NETVIK_BUILD64:-build/mingw64}
out=${NETVIK_DIST:-dist}
while [ $# -gt 0 ]; do
    case $1 in
        --build32) build32=${2:?--build32 needs a folder}; shift 2 ;;
        --build64) build64=${2:?--build64 needs a folder}; shift 2 ;;
        --out) out=${2:?--out needs a folder}; shift 2 ;;
        *) sed -n '8,11s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh
mkdir -p "$out"
for preset in mingw32 mingw64; do
    tree=$build32
    [ "$preset" = mingw64 ] && tree=$build64
    echo "== $preset in $tree"
    cmake --preset "$preset" -B "$tree" >/dev/null
    cmake --build "$tree" --target packages -j"$(nproc)" >/dev/null
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
    arch=win32
    [ "$preset" = mingw64 ] && arch=win64
    package=$tree/dist/Netvik-$version-$arch
    # The tree's checks of the program's and the packages' files.
    ctest --test-dir "$tree" -R '^(exe_headers|package_files)$' --output-on-failure --verbose |
        sed -n 's/^[0-9]*: \([^ ]*: \)/\1/p'
    cp "$package.zip" "$package-setup.exe" "$out/"
done
echo "== packages in $out"
ls -l "$out"
