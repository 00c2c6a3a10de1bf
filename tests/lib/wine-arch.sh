# shellcheck shell=bash
# Which Windows programs this machine's Wine can run, found out once per run.
#
# Where the kernel runs 32-bit programs, Debian's Wine runs both builds: its
# `wine` wrapper picks the 32-bit loader, which hands 64-bit programs on to
# the 64-bit one. Where it does not ("Exec format error"), that wrapper fails
# for every program, and only Wine's 64-bit loader, called directly, runs:
# the x86_64 build in a win64 prefix.
#
#   . tests/lib/wine-arch.sh
#   netvik_wine_detect          # exports NETVIK_WINE_ARCHES and NETVIK_WINE_WHY
#   netvik_wine_runs win32      # true when 32-bit programs run here
#   netvik_wine_default_arch    # i686 where both run, else x86_64
#
# Settings (environment):
#   NETVIK_WINE64_ONLY=1    take the 64-bit-only path on any machine
#   NETVIK_WINE32_LOADER    the 32-bit loader to try, default /usr/lib/wine/wine
#   NETVIK_WINE64_LOADER    the 64-bit loader, default /usr/lib/wine/wine64

NETVIK_WINE_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
NETVIK_WINE32_LOADER=${NETVIK_WINE32_LOADER:-/usr/lib/wine/wine}
NETVIK_WINE64_LOADER=${NETVIK_WINE64_LOADER:-/usr/lib/wine/wine64}
NETVIK_NO_32BIT="this machine runs no 32-bit programs"

# Decides once: a run's later scripts inherit the exported answer.
netvik_wine_detect() {
    [ -n "${NETVIK_WINE_ARCHES:-}" ] && return 0
    if [ "${NETVIK_WINE64_ONLY:-}" = 1 ]; then
        NETVIK_WINE_ARCHES=win64
        NETVIK_WINE_WHY="$NETVIK_NO_32BIT (NETVIK_WINE64_ONLY=1)"
    elif "$NETVIK_WINE32_LOADER" --version >/dev/null 2>&1; then
        NETVIK_WINE_ARCHES="win32 win64"
        NETVIK_WINE_WHY=""
    else
        NETVIK_WINE_ARCHES=win64
        NETVIK_WINE_WHY=$NETVIK_NO_32BIT
    fi
    export NETVIK_WINE_ARCHES NETVIK_WINE_WHY NETVIK_WINE32_LOADER NETVIK_WINE64_LOADER
}

# netvik_wine_runs win32|win64
netvik_wine_runs() {
    netvik_wine_detect
    [[ " $NETVIK_WINE_ARCHES " == *" $1 "* ]]
}

netvik_wine_default_arch() {
    if netvik_wine_runs win32; then echo i686; else echo x86_64; fi
}

# The Wine commands of this library (wine-bin/) come first on PATH, so that
# every wine, wineboot, winepath and wineserver call goes through them.
netvik_wine_use_shims() {
    netvik_wine_detect
    case ":$PATH:" in
        *":$NETVIK_WINE_LIB_DIR/wine-bin:"*) ;;
        *) export PATH="$NETVIK_WINE_LIB_DIR/wine-bin:$PATH" ;;
    esac
}

# netvik_wine_choose_arch [i686|x86_64]: the build a script runs, as asked or
# else the default; sets NETVIK_ARCH, NETVIK_PRESET (the CMake preset) and
# NETVIK_WINEARCH (the prefix's kind). Says so when the machine decided;
# fails when the build asked for cannot run here.
netvik_wine_choose_arch() {
    netvik_wine_detect
    NETVIK_ARCH=${1:-$(netvik_wine_default_arch)}
    case $NETVIK_ARCH in
        i686) NETVIK_PRESET=mingw32 NETVIK_WINEARCH=win32 ;;
        x86_64) NETVIK_PRESET=mingw64 NETVIK_WINEARCH=win64 ;;
        *) echo "unknown build '$NETVIK_ARCH': i686 or x86_64" >&2; return 2 ;;
    esac
    if ! netvik_wine_runs "$NETVIK_WINEARCH"; then
        echo "the i686 build cannot run here: $NETVIK_WINE_WHY; use --arch x86_64" >&2
        return 1
    fi
    if [ -z "${1:-}" ] && [ -n "$NETVIK_WINE_WHY" ]; then
        echo "$NETVIK_WINE_WHY: running the x86_64 build"
    fi
}
