#!/usr/bin/env bash
# Checks the choice of Wine loader (wine-arch.sh, wine-bin/, wine-test.sh)
# with stand-in loaders: one machine that runs 32-bit programs, one whose
# kernel refuses them, and the switch that forces the 64-bit-only path.
set -euo pipefail
lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tmp=$(mktemp -d /tmp/wine-arch-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
passed=0
failed=0
check() {
    local what=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL: %s\n  expected: %s\n  got:      %s\n' "$what" "$expected" "$actual" >&2
    fi
}

# Stand-ins: loaders that say who they are, and Debian's wine commands.
mkdir -p "$tmp/loaders" "$tmp/debian"
fake() { printf '#!/bin/sh\n%s\n' "$2" >"$1"; chmod +x "$1"; }
fake "$tmp/loaders/wine32-works" 'echo wine-8.0'
fake "$tmp/loaders/wine32-refused" 'echo "cannot execute binary file: Exec format error" >&2; exit 126'
fake "$tmp/loaders/wine64" 'echo "wine64 [$WINELOADER] $*"'
fake "$tmp/loaders/wineserver64" 'echo "wineserver64 $*"'
for tool in wine wineboot winepath wineserver; do fake "$tmp/debian/$tool" "echo \"debian-$tool \$*\""; done

# on MACHINE [VAR=VALUE]... -- COMMAND: runs COMMAND in a clean environment
# on a machine whose 32-bit loader works (works) or is refused (refused).
on() {
    local machine=$1
    shift
    local vars=()
    while [ "$1" != -- ]; do vars+=("$1"); shift; done
    shift
    env -i PATH="$tmp/debian:/usr/bin:/bin" HOME="$tmp" \
        NETVIK_WINE32_LOADER="$tmp/loaders/wine32-$machine" NETVIK_WINE64_LOADER="$tmp/loaders/wine64" \
        "${vars[@]+"${vars[@]}"}" bash -c "$*" 2>&1
}
detect=". '$lib/wine-arch.sh'; netvik_wine_detect; echo \"\$NETVIK_WINE_ARCHES|\$NETVIK_WINE_WHY\""
shims=". '$lib/wine-arch.sh'; netvik_wine_use_shims; wine prog.exe; wineboot -i; winepath -w /tmp; wineserver -k"

# --- a machine that runs 32-bit programs
check "both builds run" "win32 win64|" "$(on works -- "$detect")"
check "Debian's own commands" "debian-wine prog.exe
debian-wineboot -i
debian-winepath -w /tmp
debian-wineserver -k" "$(on works -- "$shims")"
check "i686 by default" "i686" "$(on works -- ". '$lib/wine-arch.sh'; netvik_wine_default_arch")"
check "32-bit test runs" "ran" "$(on works -- "'$lib/wine-test.sh' win32 echo ran")"

# --- a machine whose kernel runs no 32-bit programs
check "only the 64-bit build" "win64|this machine runs no 32-bit programs" "$(on refused -- "$detect")"
check "the 64-bit loader for every call" "wine64 [$tmp/loaders/wine64] prog.exe
wine64 [$tmp/loaders/wine64] wineboot -i
wine64 [$tmp/loaders/wine64] winepath -w /tmp
wineserver64 -p0 -k" "$(on refused -- "$shims")"
check "x86_64 by default, said once" "this machine runs no 32-bit programs: running the x86_64 build
x86_64 mingw64 win64" \
    "$(on refused -- ". '$lib/wine-arch.sh'; netvik_wine_choose_arch ''; echo \$NETVIK_ARCH \$NETVIK_PRESET \$NETVIK_WINEARCH")"
check "i686 refused" "the i686 build cannot run here: this machine runs no 32-bit programs; use --arch x86_64
status 1" "$(on refused -- ". '$lib/wine-arch.sh'; netvik_wine_choose_arch i686 || echo status \$?")"
check "32-bit test skipped with the reason" "skipped: this machine runs no 32-bit programs
status 77" "$(on refused -- "'$lib/wine-test.sh' win32 echo ran || echo status \$?")"
check "64-bit test runs through the 64-bit loader" "wine64 [$tmp/loaders/wine64] t.exe" \
    "$(on refused -- "'$lib/wine-test.sh' win64 wine t.exe")"

# --- the switch, on a machine that runs 32-bit programs
check "switch forces 64-bit only" "win64|this machine runs no 32-bit programs (NETVIK_WINE64_ONLY=1)" \
    "$(on works NETVIK_WINE64_ONLY=1 -- "$detect")"
check "switch: the 64-bit loader" "wine64 [$tmp/loaders/wine64] prog.exe" \
    "$(on works NETVIK_WINE64_ONLY=1 -- ". '$lib/wine-arch.sh'; netvik_wine_use_shims; wine prog.exe")"

# --- found out once: a run's later scripts take the exported answer
check "decided once per run" "win32 win64|" \
    "$(on works -- ". '$lib/wine-arch.sh'; netvik_wine_detect; NETVIK_WINE32_LOADER=/nonexistent; $detect")"

# --- this machine: the answer agrees with its own 32-bit loader
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    expected="win32 win64"
else
    expected=win64
fi
check "this machine" "$expected" "$(env -u NETVIK_WINE_ARCHES -u NETVIK_WINE64_ONLY -u NETVIK_WINE32_LOADER \
    bash -c ". '$lib/wine-arch.sh'; netvik_wine_detect; echo \$NETVIK_WINE_ARCHES")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
