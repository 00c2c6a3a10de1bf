#!/usr/bin/env bash
# Runs every test, installing what is missing: the portable logic natively
# under AddressSanitizer and UBSan, the fuzz targets (libFuzzer), then the 32-bit and the 64-bit Windows
# builds under Wine (the same unit tests, the Win32 layer against Wine's real
# services, and the shipped program end to end), each test that needs a
# display with an Xvfb of its own. Each Windows test run gets a
# fresh Wine prefix inside its build tree; every test that sends a packet
# does so inside a network namespace of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

scripts/install-deps.sh
jobs=$(nproc)

for preset in native fuzz mingw32 mingw64; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    # Every test that needs a display starts a private Xvfb of its own.
    ctest --preset "$preset"
done
echo "all tests passed"
