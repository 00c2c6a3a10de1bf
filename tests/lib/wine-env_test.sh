#!/usr/bin/env bash
# Checks of wine-env.sh that need no Wine prefix: Xvfb comes and goes with
# the script, screenshots work, and refused input leaves the caller's files
# alone.  Each case runs the library in its own bash, as a test script would.
set -euo pipefail

lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-env.sh
tmp=$(mktemp -d /tmp/wine-env-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
passed=0
failed=0

check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what" >&2
    fi
}
not() { ! "$@"; }
# Runs a snippet with the library sourced under strict mode, no DISPLAY.
with_lib() { env -u DISPLAY bash -c "set -euo pipefail; . '$lib'; $1"; }
gone() { for _ in {1..50}; do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }

# --- Xvfb lifecycle
out=$(with_lib "wine_env_start_xvfb; echo \"\$DISPLAY \$WINE_ENV_XVFB_PID\"
    wine_env_screenshot '$tmp/root.png'; wine_env_pixel '$tmp/root.png' 5 5
    wine_env_screenshot '$tmp/crop.png' root 10x5+2+3; identify -format '%wx%h\n' '$tmp/crop.png'")
read -r display xvfb_pid <<<"$(sed -n 1p <<<"$out")"
check "Xvfb display exported" test -n "$display" -a -n "$xvfb_pid"
check "root screenshot readable" test "$(sed -n 2p <<<"$out")" = "0,0,0"
check "screenshot cropped to geometry" test "$(sed -n 3p <<<"$out")" = "10x5"
check "Xvfb stopped when the script exits" gone "$xvfb_pid"

# (bash runs traps only between commands, so the script idles in a builtin)
mkfifo "$tmp/idle"
env -u DISPLAY bash -c "set -eu; . '$lib'; wine_env_start_xvfb; echo \$WINE_ENV_XVFB_PID >'$tmp/pid'
    read -r -t 60 _ <>'$tmp/idle'" &
runner=$!
for _ in {1..50}; do [[ -s $tmp/pid ]] && break; sleep 0.1; done
kill -TERM "$runner"
wait "$runner" 2>/dev/null || true
check "Xvfb stopped when the script is terminated" gone "$(cat "$tmp/pid")"

out=$(DISPLAY=:4711 bash -c ". '$lib'; wine_env_start_xvfb; echo \"\${WINE_ENV_XVFB_PID:-none} \$DISPLAY\"")
check "an existing DISPLAY is kept without --force" test "$out" = "none :4711"

# --- refused input
mkdir -p "$tmp/used"
touch "$tmp/used/keep"
err=$(DISPLAY=:4711 bash -c ". '$lib'; wine_env_make_prefix '$tmp/used'" 2>&1) && rc=0 || rc=$?
check "non-empty prefix directory refused" test "$rc" -ne 0
check "refusal says why" grep -q "not empty" <<<"$err"
check "refused directory left intact by cleanup" test -f "$tmp/used/keep"
err=$(with_lib "wine_env_make_prefix '$tmp/new'" 2>&1) && rc=0 || rc=$?
check "prefix without a display refused" grep -q "DISPLAY is not set" <<<"$err"
check "nothing created without a display" not test -e "$tmp/new"
err=$(with_lib "wine_env_screenshot '$tmp/x.png'" 2>&1) && rc=0 || rc=$?
check "screenshot without a display refused" grep -q "DISPLAY is not set" <<<"$err"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
