#!/usr/bin/env bash
# Checks a tree's packages without running them: the zip holds the tree's
# Netvik.exe, byte for byte, with the users' README and licence in a folder Netvik;
# the installer is a GUI program that imports only system DLLs and carries
# the project's version (tests/lib/pe-check.sh). Prints both sizes.
#
# usage: package-check.sh OBJDUMP WINDRES VERSION NETVIK.exe ZIP INSTALLER
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: package-check.sh OBJDUMP WINDRES VERSION NETVIK.exe ZIP INSTALLER" >&2; exit 2; }
objdump=$1 windres=$2 version=$3 exe=$4 zip=$5 installer=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=()

listing=$(cd "$work" && cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$listing" = "Netvik/ Netvik/LICENSE.txt Netvik/Netvik.exe Netvik/README.txt " ] ||
    failures+=("the zip holds: $listing")
(cd "$work" && cmake -E tar xf "$zip")
cmp -s "$exe" "$work/Netvik/Netvik.exe" || failures+=("the zip's Netvik.exe is not the tree's")
grep -q $'\r$' "$work/Netvik/README.txt" || failures+=("README.txt has no Windows line ends")
tr -d '\r' <"$work/Netvik/README.txt" | cmp -s - "$here/../../packaging/README.txt" ||
    failures+=("README.txt is not the users' (packaging/README.txt)")
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes: $listing"

"$here/pe-check.sh" "$objdump" "$installer" "$windres" "$version" || failures+=("the installer's file")
if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}" >&2
    exit 1
fi
