#!/usr/bin/env bash
# Runs every test, installing what is missing: the format of the sources,
# the portable logic natively under AddressSanitizer and UBSan, the fuzz
# targets (libFuzzer), then the 32-bit and the 64-bit Windows builds: each
# checked as a file, and run under Wine (the same unit tests, the Win32 layer
# against Wine's real services, and the shipped program end to end), each
# test that needs a display with an Xvfb of its own. Each Windows test run
# gets a fresh Wine prefix inside its build tree; every test that sends a
# packet does so inside a network namespace of its own.
#
# Where this machine runs no 32-bit programs (or NETVIK_WINE64_ONLY=1), the
# 32-bit build is built and checked but its Wine tests are skipped, and
# everything under Wine runs through Wine's 64-bit loader.
#
# Every stage runs, even after one has failed; a summary of the stages ends
# the output, and the exit status is non-zero when any stage failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh || exit 1
. tests/lib/wine-arch.sh
netvik_wine_detect
netvik_wine_use_shims
jobs=$(nproc)

summary=()
failed=0
# stage NAME COMMAND...: runs one stage, teeing its output, and notes the outcome.
stage() {
    local name=$1 log status skipped why note=""
    shift
    echo "== $name"
    log=$(mktemp)
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    skipped=$(grep -c '(Skipped)$' "$log" || true)
    if [ "$skipped" -gt 0 ]; then
        note=", $skipped tests skipped"
        why=$(sed -n 's/.*skipped: //p' "$log" | head -n 1)
        [ -z "$why" ] || note+=" ($why)"
    fi
    rm -f "$log"
    if [ "$status" -eq 0 ]; then
        summary+=("$name: passed$note")
    else
        summary+=("$name: FAILED (exit $status)$note")
        failed=1
    fi
}

# preset NAME [CTEST OPTION]...: configure, build and test one CMake preset.
preset() {
    local name=$1
    shift
    cmake --preset "$name" >/dev/null &&
        cmake --build --preset "$name" -j"$jobs" &&
        ctest --preset "$name" --output-on-failure "$@"
}

# A tree whose programs Wine cannot run here: its tests print why they skip.
mingw32_options=()
netvik_wine_runs win32 || mingw32_options=(--verbose)

# Every C++ source of the project keeps the project's format (.clang-format).
format() {
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
}

stage format format
stage native preset native
stage fuzz preset fuzz
stage mingw32 preset mingw32 "${mingw32_options[@]+"${mingw32_options[@]}"}"
stage mingw64 preset mingw64

echo
echo "== summary"
[ -z "$NETVIK_WINE_WHY" ] || echo "Wine: 64-bit only, $NETVIK_WINE_WHY"
printf '%s\n' "${summary[@]}"
for tree in mingw32 mingw64; do
    exe=build/$tree/Netvik.exe
    [ -f "$exe" ] && echo "$tree Netvik.exe: $(stat -c %s "$exe") bytes"
    for package in "build/$tree"/dist/Netvik-*; do
        [ -f "$package" ] && echo "$tree $(basename "$package"): $(stat -c %s "$package") bytes"
    done
done
if [ "$failed" -ne 0 ]; then
    echo "some stages failed"
    exit 1
fi
echo "all stages passed"
