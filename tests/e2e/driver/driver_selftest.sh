#!/usr/bin/env bash
# Proves the driver's commands for the program's windows and settings
# against driver_target.exe under Wine and Xvfb: what trayctl reads must be
# what the target shows, and what it sends must arrive in the target's log.
#
# usage: driver_selftest.sh DRIVER_TARGET.exe TRAYCTL.exe OUTDIR [PREFIX]
# With PREFIX (a booted prefix, like the build tree's) the test runs on a
# copy of it; without, it boots a fresh one of WINEARCH (default win32).
# The target sends no packets, so no sandbox network is needed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
target_exe=$1
export TRAYCTL_EXE=$2 E2E_OUT=$3
source_prefix=${4:-}
. "$here/../e2e-lib.sh"

rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT"
wine_env_start_xvfb --force
if [ -n "$source_prefix" ]; then
    export WINEPREFIX=$E2E_OUT/prefix
    cp -a "$source_prefix" "$WINEPREFIX"
    WINE_ENV_PREFIXES+=("$WINEPREFIX")
else
    WINEARCH=${WINEARCH:-win32} wine_env_make_prefix "$E2E_OUT/prefix"
fi
wine_env_start_shell "$TRAYCTL_EXE" "$E2E_OUT/shell.log"

KEY='HKLM\Software\NetvikDriverTest'
log=$E2E_OUT/target.log
: >"$log"

# same WHAT EXPECTED ACTUAL: equal strings, else both are shown.
same() {
    [ "$1" = "$2" ] && return 0
    printf '  expected: %s\n  got:      %s\n' "$1" "$2" >&2
    return 1
}
# fails CODE COMMAND...: the command exits with CODE.
fails() {
    local want=$1 rc=0 out
    shift
    out=$("$@" 2>&1) || rc=$?
    [ "$rc" = "$want" ] && return 0
    printf '  exit status %s, not %s; output: %s\n' "$rc" "$want" "$out" >&2
    return 1
}
# becomes EXPECTED COMMAND...: COMMAND prints EXPECTED within 5 s; else
# what it prints last is shown beside it.
becomes() { eventually 5 prints "$1" "${@:2}" || same "$1" "$("${@:2}")"; }
# The log lines written since line MARK, once they are EXPECTED (5 s).
log_mark() { wc -l <"$log"; }
log_after() { tail -n +"$(($1 + 1))" "$log"; }
log_since() { becomes "$2" log_after "$1"; }
# The window's text, once it is EXPECTED (5 s): posted input is handled
# by the target a moment after trayctl returns.
text_is() { becomes "$2" trayctl text "$1"; }
timed() {
    local start
    start=$(now_ms)
    "$@"
    echo "timing: ${*:1:2} took $(($(now_ms) - start)) ms" >&2
}

# --- a setting planted before the start, read back as the target reads it
trayctl reg-delete "$KEY" >/dev/null 2>&1 || true
e2e_check "reg-set plants a string" trayctl reg-set "$KEY" Greeting 'srv\x01'
e2e_check "reg-get shows it without a NUL" same 'type=REG_SZ size=4 nul=0 data="srv\x01"' \
    "$(trayctl reg-get "$KEY" Greeting)"

WINEDEBUG=-all wine "$target_exe" "$(winepath -w "$log")" 2>"$E2E_OUT/target.err" &
main=$(trayctl find -class DriverTargetWindow -timeout 20000 | head -n 1)
pid=$(window_field "$main" pid)
echo "target: main window $main, process $pid"
e2e_check "the target read the planted string exactly" log_since 0 'start greeting=srv\x01 bytes=4 nul=0'

# --- children, item, text
children=$(timed trayctl children "$main")
printf '%s\n' "$children" >"$E2E_OUT/children.txt"
id_of() { grep " id=$1 " <<<"$children"; }
hwnd_of() { field_in hwnd "$(id_of "$1")"; }
edit=$(hwnd_of 1001)
message=$(hwnd_of 1002)
remember=$(hwnd_of 1003)
delay=$(hwnd_of 1004)
menu_button=$(hwnd_of 1005)
save=$(hwnd_of 1007)
locked=$(hwnd_of 1008)
panel=$(hwnd_of 1009)
e2e_check "children: every descendant, in z-order, depth first" same \
    "1000 1001 1002 1006 1003 1004 1005 1007 1008 1009 1010" "$(field_in id "$children" | tr '\n' ' ' | sed 's/ $//')"
e2e_check "children: the edit, its styles, limit and text" grep -q \
    "depth=0 id=1001 class=\"Edit\" visible=1 disabled=0 tabstop=1 group=1 .* limit=15 text=\"srv\\\\x01\"$" \
    <<<"$children"
e2e_check "children: the trackbar's range, position, line, page and ticks" grep -q \
    'id=1004 class="msctls_trackbar32" .* min=1 max=15 pos=3 line=1 page=5 tics=15 text=""$' <<<"$children"
e2e_check "children: check box type and state" grep -q \
    'id=1003 class="Button" .* group=1 .* button=autocheckbox check=0 text="&Remember"$' <<<"$children"
e2e_check "children: group box, default and plain push buttons" \
    grep -q 'id=1006 .* button=groupbox text="Options"' <<<"$children"
e2e_check "children: the default push button" grep -q 'id=1007 .* button=defpushbutton text="&Save"' <<<"$children"
e2e_check "children: a disabled button" grep -q 'id=1008 .* disabled=1 .* button=pushbutton text="Locked"' \
    <<<"$children"
e2e_check "children: a control inside another" grep -q \
    "parent=$panel depth=1 id=1010 .* button=autoradiobutton check=0 text=\"&Fast\"" <<<"$children"
e2e_check "item: the nested control as children shows it" same "$(id_of 1010)" "$(trayctl item "$main" 1010)"
e2e_check "item: an unknown id is not found" fails 1 trayctl item "$main" 4242
e2e_check "text: the main window's title" same "Driver Target" "$(trayctl text "$main")"
e2e_check "settext: the edit takes a new text" trayctl settext "$edit" 'one\ttwo'
e2e_check "text: read back exactly" same 'one\ttwo' "$(trayctl text "$edit")"
e2e_check "settext: a NUL cannot be carried" fails 1 trayctl settext "$edit" 'a\x00b'

# --- typing: every character through the target's filter, the limit held
trayctl settext "$edit" '' >/dev/null
mark=$(log_mark)
e2e_check "type: posts the characters" trayctl type "$edit" 'a b~\xe9'
e2e_check "type: the filter saw each character, in order" log_since "$mark" \
    "$(printf 'char 0x61\nrejected 0x20\nchar 0x62\nchar 0x7e\nchar 0xe9')"
e2e_check "type: the edit holds what the filter let through" text_is "$edit" 'ab~\xe9'
trayctl type "$edit" '0123456789abcdefghij' >/dev/null
e2e_check "type: the edit's limit of 15 holds, as for a user" text_is "$edit" 'ab~\xe90123456789a'
e2e_check "type: refused for a disabled window" fails 1 trayctl type "$locked" x

# --- keys
trayctl settext "$edit" 'xyz' >/dev/null
mark=$(log_mark)
trayctl key "$edit" VK_END >/dev/null
e2e_check "key VK_BACK: the key, then its character, then the release" trayctl key "$edit" VK_BACK
e2e_check "key: the target saw a keyboard's order" log_since "$mark" \
    "$(printf 'keydown 0x23\nkeyup 0x23\nkeydown 0x08\nchar 0x08\nkeyup 0x08')"
e2e_check "key VK_BACK: the edit lost a character" text_is "$edit" 'xy'
mark=$(log_mark)
trayctl key "$edit" VK_HOME >/dev/null
trayctl key "$edit" 0x41 down >/dev/null
trayctl key "$edit" VK_A up >/dev/null
e2e_check "key down / up: a letter typed at the start" log_since "$mark" \
    "$(printf 'keydown 0x24\nkeyup 0x24\nkeydown 0x41\nchar 0x61\nkeyup 0x41')"
e2e_check "key: the letter went where the caret was" text_is "$edit" 'axy'
mark=$(log_mark)
trayctl key "$edit" VK_RETURN >/dev/null
trayctl key "$edit" VK_ESCAPE >/dev/null
e2e_check "key VK_RETURN / VK_ESCAPE reach the dialog keys" log_since "$mark" \
    "$(printf 'return\nkeyup 0x0d\nescape\nkeyup 0x1b')"
e2e_check "key: an unknown key name is a usage error" fails 2 trayctl key "$edit" VK_NOPE
mark=$(log_mark)
trayctl key "$delay" VK_RIGHT >/dev/null
trayctl key "$delay" VK_NEXT >/dev/null
e2e_check "key: the trackbar moves by its line and page sizes" log_since "$mark" "$(printf 'trackbar 4\ntrackbar 9')"
e2e_check "item: the trackbar's new position" grep -q ' pos=9 ' <<<"$(trayctl item "$main" 1004)"

# --- buttons
mark=$(log_mark)
e2e_check "click-button: a check box's handler ran" same "done" "$(trayctl click-button "$remember")"
e2e_check "click-button: the handler saw it checked" log_since "$mark" "check 1"
e2e_check "click-button: the check box is checked" grep -q ' check=1 ' <<<"$(trayctl item "$main" 1003)"
e2e_check "click-button: a disabled button is refused" fails 1 trayctl click-button "$locked"
e2e_check "click-button: an edit is no button" fails 1 trayctl click-button "$edit"

# --- message boxes
clicked=$(trayctl click-button "$message")
box=${clicked#modal }
e2e_check "click-button: returns when the handler opens a message box" grep -q '^modal 0x' <<<"$clicked"
line=$(timed trayctl msgbox -pid "$pid" -title 'Driver Target')
e2e_check "msgbox: the box the click opened" same "$box" "$(field_in hwnd "$line")"
e2e_check "msgbox: title, text with its CR, error icon, OK button" same \
    "msgbox hwnd=$box pid=$pid icon=error icon_size=32x32 buttons=1:\"OK\" title=\"Driver Target\" text=\"The host did not answer.\\rCheck the cable.\"" \
    "$line"
e2e_check "msgbox: another title is not found" fails 1 trayctl msgbox -title 'Other' -timeout 300
e2e_check "click-button: the owner is disabled while the box is open" fails 1 trayctl click-button "$save"
mark=$(log_mark)
e2e_check "msgbox-ok: returns once the box is gone" timed trayctl msgbox-ok "$box"
e2e_check "msgbox-ok: the program's MessageBox returned IDOK" log_since "$mark" "msgbox 1"
e2e_check "msgbox: none left" fails 1 trayctl msgbox -pid "$pid" -timeout 0

trayctl post "$main" 0x8002 0 0 >/dev/null # a warning with OK and Cancel
line=$(trayctl msgbox -pid "$pid" -title 'Driver Notice')
e2e_check "msgbox: a warning icon and two buttons" grep -q \
    ' icon=warning icon_size=32x32 buttons=1:"OK",2:"Cancel" title="Driver Notice" text="Settings saved."$' <<<"$line"
mark=$(log_mark)
e2e_check "msgbox-ok ID: presses Cancel" trayctl msgbox-ok "$(field_in hwnd "$line")" 2
e2e_check "msgbox-ok ID: MessageBox returned IDCANCEL" log_since "$mark" "msgbox2 2"
trayctl post "$main" 0x8002 1 0 >/dev/null # no icon
line=$(trayctl msgbox -pid "$pid" -title 'Driver Notice')
e2e_check "msgbox: a box without icon" grep -q ' icon=none icon_size=0x0 buttons=1:"OK" ' <<<"$line"
mark=$(log_mark)
trayctl msgbox-ok "$(field_in hwnd "$line")" >/dev/null
e2e_check "msgbox-ok: OK of the plain box" log_since "$mark" "msgbox2 1"

# --- tooltips
tips=$(trayctl tips-of "$pid")
e2e_check "tips-of: the edit's tool with its CR" grep -q \
    "control=$edit id=1001 .* text=\"Host name or address,\\\\rup to 15 characters\"$" <<<"$tips"
e2e_check "tips-of: the button's tool" grep -q "control=$message id=1002 .* text=\"Shows a message\"$" <<<"$tips"
e2e_check "tips-of: two tools" same 2 "$(grep -c '^tip ' <<<"$tips")"
at=$(trayctl hover "$edit")
if command -v xdotool >/dev/null; then
    e2e_check "hover: the X pointer moved to the edit's centre ($at)" same "$at" \
        "$(xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\) .*/\1,\2/')"
fi
line=$(timed trayctl tooltip-visible "$pid" -text 'Host name or address,\rup to 15 characters' -timeout 5000)
e2e_check "tooltip-visible: the edit's tip shows" grep -q "control=$edit id=1001 " <<<"$line"
trayctl hover "$message" >/dev/null
line=$(trayctl tooltip-visible "$pid" -text 'Shows a message' -timeout 5000)
e2e_check "tooltip-visible: the button's tip follows the pointer" grep -q "control=$message id=1002 " <<<"$line"
e2e_check "tooltip-visible: a text never shown times out" \
    fails 1 trayctl tooltip-visible "$pid" -text 'nothing' -timeout 800

# --- popup menus
expected_items='item index=0 id=101 separator=0 disabled=0 checked=0 popup=0 default=0 text="&Open"
item index=1 id=102 separator=0 disabled=1 checked=0 popup=0 default=0 text="&Pause"
item index=3 id=103 separator=0 disabled=0 checked=1 popup=0 default=0 text="&Settings...\tCtrl+S"
item index=6 id=105 separator=0 disabled=0 checked=0 popup=0 default=0 text="E&xit"'
e2e_check "menu: none open yet" fails 1 trayctl menu -pid "$pid" -timeout 0
clicked=$(trayctl click-button "$menu_button")
popup=$(trayctl menu -pid "$pid")
e2e_check "menu: the popup the click opened" same "modal $popup" "$clicked"
items=$(timed trayctl menu-items "$popup")
e2e_check "menu-items: texts, ids and flags" same "$expected_items" \
    "$(grep -v -e 'separator=1' -e 'popup=1' <<<"$items")"
e2e_check "menu-items: separators at 2 and 5" same "2 5" \
    "$(grep 'separator=1' <<<"$items" | sed 's/^item index=\([0-9]*\) .*/\1/' | tr '\n' ' ' | sed 's/ $//')"
e2e_check "menu-items: the submenu item" grep -q \
    '^item index=4 id=[0-9]* separator=0 disabled=0 checked=0 popup=1 default=0 text="&More"$' <<<"$items"
e2e_check "menu-choose: a separator is refused" fails 1 trayctl menu-choose "$popup" 2
e2e_check "menu-choose: a grayed item is refused" fails 1 trayctl menu-choose "$popup" 1
opened=$(trayctl menu-choose "$popup" 4)
sub=${opened#submenu }
e2e_check "menu-choose: a submenu item opens it" grep -q '^submenu 0x' <<<"$opened"
e2e_check "menu: the submenu first, then its parent" same "$(printf '%s\n%s' "$sub" "$popup")" "$(trayctl menu -pid "$pid")"
e2e_check "menu-choose: refused below an open submenu" fails 1 trayctl menu-choose "$popup" 6
e2e_check "menu-items: the submenu's item" same \
    'item index=0 id=104 separator=0 disabled=0 checked=0 popup=0 default=0 text="&First"' "$(trayctl menu-items "$sub")"
e2e_check "menu-close: the submenu closes" trayctl menu-close "$sub"
e2e_check "menu: its parent stays open" same "$popup" "$(trayctl menu -pid "$pid")"
mark=$(log_mark)
e2e_check "menu-choose: an item after a separator" trayctl menu-choose "$popup" 3
e2e_check "menu-choose: the program got that item's command" log_since "$mark" "menu 103"
trayctl post "$main" 0x8001 0 0 >/dev/null
popup=$(trayctl menu -pid "$pid")
mark=$(log_mark)
opened=$(trayctl menu-choose "$popup" 4)
sub=${opened#submenu }
e2e_check "menu-choose: the submenu's item" trayctl menu-choose "$sub" 0
e2e_check "menu-choose: the program got the submenu's command" log_since "$mark" "menu 104"
trayctl post "$main" 0x8001 0 0 >/dev/null
popup=$(trayctl menu -pid "$pid")
mark=$(log_mark)
e2e_check "menu-close: the whole menu closes" trayctl menu-close "$popup"
e2e_check "menu-close: nothing was chosen" log_since "$mark" "menu 0"
trayctl post "$main" 0x8001 0 0 >/dev/null
popup=$(trayctl menu -pid "$pid")
mark=$(log_mark)
e2e_check "menu-choose: the last item, past two separators" trayctl menu-choose "$popup" 6
e2e_check "menu-choose: the program got Exit's command" log_since "$mark" "menu 105"

# --- a list's cells, a balloon, the clipboard
mark=$(log_mark)
trayctl post "$main" 0x8003 0 0 >/dev/null
log_since "$mark" report >/dev/null
report=$(trayctl find -class SysListView32 -pid "$pid" | head -n 1)
e2e_check "list-rows: every cell, a tab between them" same 'row index=0 text="2026-01-02 10:00\tbeyond \"the\" router"
row index=1 text="\tstill down"' "$(timed trayctl list-rows "$report")"
e2e_check "list-rows: a button is no list" fails 1 trayctl list-rows "$message"
balloon=$(trayctl balloons "$pid" | sed 's/ tooltip=[^ ]*//')
e2e_check "balloons: the shown balloon's text, and its title where the tooltip tells it (not Wine's)" grep -qxF \
    -e 'balloon visible=1 title="Driver \"notice\"" text="Line one\rline two"' \
    -e 'balloon visible=1 title=- text="Line one\rline two"' <<<"$balloon"
e2e_check "clipboard: the text, its CR LF exactly" same 'Report\r\nline two\r\n' "$(trayctl clipboard)"

# --- settings the target writes, and values planted for it
trayctl settext "$edit" 'host.example' >/dev/null
mark=$(log_mark)
e2e_check "click-button: Save" same "done" "$(trayctl click-button "$save")"
e2e_check "the target saved" log_since "$mark" "saved"
e2e_check "reg-get: the target's string with its NUL" same 'type=REG_SZ size=13 nul=1 data="host.example"' \
    "$(trayctl reg-get "$KEY" Host)"
e2e_check "reg-get: the target's DWORD" same 'type=REG_DWORD size=4 data=9 hex=09000000' \
    "$(trayctl reg-get "$KEY" Delay)"
e2e_check "reg-set-raw: a DWORD value becomes binary" trayctl reg-set-raw "$KEY" Delay REG_BINARY 09ff
e2e_check "reg-set-raw: a string without NUL, as UTF-16" trayctl reg-set-raw "$KEY" Raw REG_SZ 41004200
e2e_check "reg-set: a NUL given in the text is stored" trayctl reg-set "$KEY\\Sub" Nul 'ab\x00'
# (in the registry's order, which is Wine's by name)
e2e_check "reg-list: subkeys, then every value exactly" same 'key name="Sub"
value name="Delay" type=REG_BINARY size=2 hex=09ff
value name="Greeting" type=REG_SZ size=4 nul=0 data="srv\x01"
value name="Host" type=REG_SZ size=13 nul=1 data="host.example"
value name="Raw" type=REG_SZ size=2 nul=0 data="AB"' "$(trayctl reg-list "$KEY")"
e2e_check "reg-get: the NUL in the subkey's value" same 'type=REG_SZ size=3 nul=1 data="ab"' \
    "$(trayctl reg-get "$KEY\\Sub" Nul)"
e2e_check "reg-delete: a value" trayctl reg-delete "$KEY" Raw
e2e_check "reg-get: the deleted value is not found" fails 1 trayctl reg-get "$KEY" Raw
e2e_check "reg-delete: a missing value is not found" fails 1 trayctl reg-delete "$KEY" Raw
RUN='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
e2e_check "reg-set: a Run entry" trayctl reg-set "$RUN" DriverTarget 'C:\\driver_target.exe'
e2e_check "reg-get: the Run entry" same 'type=REG_SZ size=20 nul=0 data="C:\\driver_target.exe"' \
    "$(trayctl reg-get "$RUN" DriverTarget)"
trayctl reg-delete "$RUN" DriverTarget >/dev/null
e2e_check "reg-delete: the key with its subkey" trayctl reg-delete "$KEY"
e2e_check "reg-list: the deleted key is not found" fails 1 trayctl reg-list "$KEY"
e2e_check "reg-get: a path without root is a usage error" fails 2 trayctl reg-get 'Software\Netvik' Host
if grep -q '^#arch=win64' "$WINEPREFIX/system.reg"; then
    # A 32-bit program's HKLM\Software is Software\Wow6432Node here.
    trayctl reg-set -32 "$KEY" Bits 32 >/dev/null
    e2e_check "reg -32: not in the 64-bit view" fails 1 trayctl reg-get -64 "$KEY" Bits
    e2e_check "reg -32: in Wow6432Node" same 'type=REG_SZ size=2 nul=0 data="32"' \
        "$(trayctl reg-get -64 'HKLM\Software\Wow6432Node\NetvikDriverTest' Bits)"
    e2e_check "reg-delete -32: removes it there" trayctl reg-delete -32 "$KEY"
    e2e_check "reg-delete -32: gone from Wow6432Node" \
        fails 1 trayctl reg-list -64 'HKLM\Software\Wow6432Node\NetvikDriverTest'
else
    trayctl reg-set -32 "$KEY" Bits 32 >/dev/null
    e2e_check "reg -32 and -64: one view in a 32-bit prefix" same 'type=REG_SZ size=2 nul=0 data="32"' \
        "$(trayctl reg-get -64 "$KEY" Bits)"
    trayctl reg-delete "$KEY" >/dev/null
fi

# --- usage errors, and the end
e2e_check "usage: children without HWND" fails 2 trayctl children
e2e_check "usage: menu-choose without INDEX" fails 2 trayctl menu-choose "$main"
e2e_check "usage: only the command's own lines" same 'usage:
  menu-choose HWND INDEX [-timeout MS] [-shown TITLE]
                                choose item INDEX (from 0, separators counted) with the
                                keyboard; waits for the menu to close (a submenu: to open,
                                then prints "submenu HWND"); -shown: then for the window
                                TITLE of the menu'\''s process to be visible and drawn whole,
                                and prints the milliseconds from the choice to each' "$(trayctl menu-choose "$main" 2>&1)"
e2e_check "usage: a number with a sign or a blank" fails 2 trayctl item "$main" ' +1010'
mark=$(log_mark)
trayctl post "$main" 0x10 0 0 >/dev/null # WM_CLOSE
e2e_check "the target ends" log_since "$mark" "exit"

echo "logs: $E2E_OUT"
e2e_summary
