#!/usr/bin/env bash
# End to end: the tree's installer on a fresh Wine prefix. A silent install
# puts the program with its README and licence under Program Files, a
# Start-menu shortcut and an Add/Remove Programs entry; the shortcut starts
# the installed program, which shows its tray icon; setup again ends it
# and starts it again; /LOGON writes the logon entry. The silent uninstaller ends the
# running program and removes the files, the shortcut, its entry and the
# logon entries under both HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER; it keeps
# the settings and the record of the connection unless /REMOVESETTINGS is
# given. For this user alone, install and uninstall leave HKEY_LOCAL_MACHINE
# as it was.
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
history=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Netvik
HOST=192.0.2.1
NO_INTERNET='No Internet connection,\rcheck the internetsettings.'

# A text escaped as trayctl prints a stored value.
escaped() { local text=${1//\\/\\\\}; echo "${text//\"/\\\"}"; }
present() { trayctl reg-get "$1" "$2" >/dev/null 2>&1; }
installed_files() { find "$dir" -mindepth 1 -printf '%f\n' 2>/dev/null | sort | tr '\n' ' '; }
# The uninstaller runs as a copy of itself: it is done when its last steps are.
uninstalled() { [ ! -e "$dir" ] && ! present "$UNINSTALL" DisplayName; }
run_setup() { WINEDEBUG=-all wine "$setup" "$@" >"$E2E_OUT/setup.log" 2>&1; }
run_uninstaller() {
    WINEDEBUG=-all wine "$dir/Uninstall.exe" "$@" >"$E2E_OUT/uninstall.log" 2>&1 || return 1
    eventually 30 uninstalled
}
logon_entry() { present "HKLM\\$RUN" Netvik || present "HKCU\\$RUN" Netvik; }
netvik_running() { [ -n "$(trayctl find -class NetvikMainWindow -timeout 0 2>/dev/null)" ]; }
# The Windows process of the running program, or nothing.
netvik_process() { window_field "$(trayctl find -class NetvikMainWindow -timeout 0 2>/dev/null)" pid; }
runs_anew() { local now; now=$(netvik_process) && [ -n "$now" ] && [ "$now" != "$1" ]; }
# HKEY_LOCAL_MACHINE, but the uninstaller's request to delete its temporary
# copy when Windows next starts, which Wine grants where a user without
# administrator rights is refused (and the copy stays in the user's TEMP).
machine_registry() {
    wine reg export HKLM "$E2E_OUT/hklm.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$E2E_OUT/hklm.reg" | sed '/^"PendingFileRenameOperations"/,/[^\\]\r$/d'
}

net_reset
net_answer "$HOST"

# --- for this user alone: the user's own folder, Start menu and entry
USER_UNINSTALL=${UNINSTALL/HKLM/HKCU}
user_files() { find "$WINEPREFIX/drive_c/users" -path '*/Programs/Netvik*' | sed 's|.*/AppData/||' | sort | tr '\n' ' '; }
uninstalled_for_user() { [ -z "$(user_files)" ] && ! present "$USER_UNINSTALL" DisplayName; }
machine_registry >"$E2E_OUT/hklm-before.txt"
e2e_check "for this user: silent install" run_setup /S /CurrentUser
e2e_check "for this user: the program in the user's programs folder, a shortcut in the user's Start menu" \
    test "$(user_files)" = "$(printf '%s ' Local/Programs/Netvik{,/LICENSE.txt,/Netvik.exe,/README.txt,/Uninstall.exe} \
        'Roaming/Microsoft/Windows/Start Menu/Programs/Netvik.lnk')"
e2e_check "for this user: the user's Add/Remove Programs entry" test "$(stored "$USER_UNINSTALL" DisplayName)" = Netvik
WINEDEBUG=-all wine "$(find "$WINEPREFIX/drive_c/users" -path '*/Programs/Netvik/Uninstall.exe')" /S
e2e_check "for this user: uninstalled" eventually 30 uninstalled_for_user
machine_registry >"$E2E_OUT/hklm-after.txt"
e2e_check "for this user: HKEY_LOCAL_MACHINE as it was" cmp -s "$E2E_OUT/hklm-before.txt" "$E2E_OUT/hklm-after.txt"

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

# --- setup again over the running program: it ends it, installs, starts it
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
e2e_check "the record of the connection is kept" test -s "$history/history.csv"

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
touch "$history/history.old.csv"
e2e_check "silent uninstall with /REMOVESETTINGS" run_uninstaller /S /REMOVESETTINGS
e2e_check "the record of the connection is gone, its folder too" eventually 30 test ! -e "$history"
e2e_check "the settings are gone" eventually 30 not present "HKLM\\$KEY" Host
e2e_check "the user's settings are gone" not present "HKCU\\$KEY" Internet

echo "logs: $E2E_OUT"
e2e_summary
