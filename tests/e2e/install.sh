#!/usr/bin/env bash
# End to end: the tree's installer on a fresh Wine prefix. For this user
# alone (/CurrentUser), a silent install puts the program into the user's
# own programs folder, a shortcut into the user's Start menu and an entry
# into the user's Add/Remove Programs, and the silent uninstaller takes them
# away again, HKEY_LOCAL_MACHINE untouched. For all users (the default for
# an administrator), a silent install puts the program with its README and
# licence under Program Files, a Start-menu shortcut and an Add/Remove
# Programs entry; the shortcut starts the installed program, which shows its
# tray icon; setup again ends it and starts the installed one; /LOGON writes
# the logon entry. The silent uninstaller ends the running program and
# removes the files, the shortcut, its entry and the logon entries under both
# HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER; it keeps the settings unless
# /REMOVESETTINGS is given.
#
# usage: install.sh NETVIK.exe TRAYCTL.exe PREFIX OUTDIR SETUP.exe VERSION
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/e2e-lib.sh"
e2e_test "$0" "$@"
setup=$5
version=$6
# Shortcuts stay inside the prefix: no menu entries for this machine's desktop.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

dir="$WINEPREFIX/drive_c/Program Files/Netvik"
exe_path='C:\Program Files\Netvik\Netvik.exe'
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Netvik.lnk"
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Netvik'
RUN='Software\Microsoft\Windows\CurrentVersion\Run'
KEY='Software\Netvik'
HOST=192.0.2.1
NO_INTERNET='No Internet connection,\rcheck the internetsettings.'

# A text escaped as trayctl prints a stored value.
escaped() { local text=${1//\\/\\\\}; echo "${text//\"/\\\"}"; }
present() { trayctl reg-get "$1" "$2" >/dev/null 2>&1; }
# The files in a folder (default: under Program Files).
installed_files() { find "${1:-$dir}" -mindepth 1 -printf '%f\n' 2>/dev/null | sort | tr '\n' ' '; }
# The uninstaller runs as a copy of itself: it is done when its last steps
# are. uninstalled [FOLDER ADD_REMOVE_KEY]
uninstalled() { [ ! -e "${1:-$dir}" ] && ! present "${2:-$UNINSTALL}" DisplayName; }
run_setup() { WINEDEBUG=-all wine "$setup" "$@" >"$E2E_OUT/setup.log" 2>&1; }
# run_uninstaller [-in FOLDER ADD_REMOVE_KEY] [ARGUMENT]...
run_uninstaller() {
    local folder=$dir key=$UNINSTALL
    if [ "${1:-}" = -in ]; then folder=$2 key=$3; shift 3; fi
    WINEDEBUG=-all wine "$folder/Uninstall.exe" "$@" >"$E2E_OUT/uninstall.log" 2>&1 || return 1
    eventually 30 uninstalled "$folder" "$key"
}
logon_entry() { present "HKLM\\$RUN" Netvik || present "HKCU\\$RUN" Netvik; }
netvik_running() { [ -n "$(trayctl find -class NetvikMainWindow -timeout 0 2>/dev/null)" ]; }
# The Windows process of the running program, or nothing.
netvik_process() { window_field "$(trayctl find -class NetvikMainWindow -timeout 0 2>/dev/null)" pid; }
# The program runs, in another process than OLD_PROCESS.
runs_anew() { local now; now=$(netvik_process) && [ -n "$now" ] && [ "$now" != "$1" ]; }
# HKEY_LOCAL_MACHINE as text. The uninstaller of an installation for one
# user runs as a copy in the user's temporary folder, which it asks the
# system to delete when Windows next starts (PendingFileRenameOperations):
# without administrator rights it cannot, and Windows leaves the copy where
# it is. Wine lets it; that value is left out.
machine_registry() {
    wine reg export HKLM "$E2E_OUT/hklm.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$E2E_OUT/hklm.reg" |
        awk '/^"PendingFileRenameOperations"=/ { skip = 1 } !skip { print } skip && !/\\\r?$/ { skip = 0 }'
}

net_reset
net_answer "$HOST"

# --- for this user alone, in the fresh prefix: nothing of the machine's
machine_registry >"$E2E_OUT/hklm-before.txt"
e2e_check "for this user: silent install, exit status 0" run_setup /S /CurrentUser
user_dir=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Netvik' -type d | head -n 1)
user_shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Netvik.lnk' | head -n 1)
user_uninstall=${UNINSTALL/HKLM/HKCU}
e2e_check "for this user: the program in the user's own programs folder" \
    test "$(installed_files "$user_dir")" = "LICENSE.txt Netvik.exe README.txt Uninstall.exe "
e2e_check "for this user: a shortcut in the user's Start menu" \
    grep -qaF 'AppData\Local\Programs\Netvik\Netvik.exe' "$user_shortcut"
e2e_check "for this user: the user's Add/Remove Programs entry" \
    test "$(stored "$user_uninstall" DisplayName)|$(stored "$user_uninstall" DisplayVersion)" = "Netvik|$version"
e2e_check "for this user: nothing under Program Files, no machine-wide entry" \
    not test -e "$dir" -o -n "$(stored "$UNINSTALL" DisplayName)"
e2e_check "for this user: silent uninstall" run_uninstaller -in "$user_dir" "$user_uninstall" /S
e2e_check "for this user: the shortcut is gone" test ! -e "$user_shortcut"
machine_registry >"$E2E_OUT/hklm-after.txt"
e2e_check "for this user: HKEY_LOCAL_MACHINE as it was" \
    diff -q "$E2E_OUT/hklm-before.txt" "$E2E_OUT/hklm-after.txt"

# --- for all users, as an administrator's silent install chooses
e2e_check "silent install: exit status 0" run_setup /S
e2e_check "the program, its README, licence and uninstaller under Program Files" \
    test "$(installed_files)" = "LICENSE.txt Netvik.exe README.txt Uninstall.exe "
e2e_check "the installed program is the tree's" cmp -s "$NETVIK_EXE" "$dir/Netvik.exe"
e2e_check "a Start-menu shortcut to it" grep -qaF "$exe_path" "$shortcut"
e2e_check "Add/Remove Programs: name and version" \
    test "$(stored "$UNINSTALL" DisplayName)|$(stored "$UNINSTALL" DisplayVersion)" = "Netvik|$version"
e2e_check "Add/Remove Programs: publisher" test -n "$(stored "$UNINSTALL" Publisher)"
size_kb=$(trayctl reg-get "$UNINSTALL" EstimatedSize | sed -n 's/.* data=\([0-9]*\).*/\1/p')
e2e_check "Add/Remove Programs: the size, $size_kb KiB" test "${size_kb:-0}" -ge $(($(stat -c %s "$NETVIK_EXE") / 1024))
e2e_check "Add/Remove Programs: the uninstaller" \
    test "$(stored "$UNINSTALL" UninstallString)" = "$(escaped '"C:\Program Files\Netvik\Uninstall.exe"')"
e2e_check "no logon entry unless asked" not present "HKCU\\$RUN" Netvik

e2e_check "a first install starts nothing" not netvik_running

# --- the shortcut starts the installed program, which shows its tray icon
netvik_store_settings 203.0.113.10 "$HOST" 198.51.100.2
wine start "$(winepath -w "$shortcut")" >/dev/null 2>&1
e2e_check "started from the Start menu: its tray icon and verdict" trayctl wait-tip "$NO_INTERNET" 20000

# --- setup again over the running program: it ends it, installs, and
# starts the installed program again
before=$(netvik_process)
e2e_check "setup over the running program: exit status 0" run_setup /S
e2e_check "setup over the running program: the files are in place" \
    test "$(installed_files)" = "LICENSE.txt Netvik.exe README.txt Uninstall.exe "
e2e_check "setup over the running program: it runs again, a new process" eventually 30 runs_anew "$before"
e2e_check "setup over the running program: its tray icon and verdict" trayctl wait-tip "$NO_INTERNET" 20000

# --- uninstalled while it runs: the program ends, everything of it goes
e2e_check "silent uninstall while the program runs" run_uninstaller /S
e2e_check "the program has ended" eventually 30 not netvik_running
e2e_check "the folder is gone" test ! -e "$dir"
e2e_check "the shortcut is gone" test ! -e "$shortcut"
e2e_check "the settings are kept" test "$(stored "HKLM\\$KEY" Host)" = "$HOST"

# --- "start when I log on"; the program's own entry too; both removed
e2e_check "silent install with /LOGON" run_setup /S /LOGON
e2e_check "the logon entry names the installed program, quoted" \
    test "$(stored "HKCU\\$RUN" Netvik)" = "$(escaped "\"$exe_path\"")"
trayctl reg-set "HKLM\\$RUN" Netvik "$(escaped "\"$exe_path\"")" >/dev/null
trayctl reg-set "HKCU\\$KEY" Internet 203.0.113.10 >/dev/null
e2e_check "silent uninstall" run_uninstaller /S
e2e_check "the logon entries are gone" not logon_entry
e2e_check "the machine's and the user's settings are kept" \
    test "$(stored "HKLM\\$KEY" Host)|$(stored "HKCU\\$KEY" Internet)" = "$HOST|203.0.113.10"

# --- settings removed when asked
run_setup /S
e2e_check "silent uninstall with /REMOVESETTINGS" run_uninstaller /S /REMOVESETTINGS
e2e_check "the settings are gone" eventually 30 not present "HKLM\\$KEY" Host
e2e_check "the user's settings are gone" not present "HKCU\\$KEY" Internet

echo "logs: $E2E_OUT"
e2e_summary
