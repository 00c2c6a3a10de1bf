// Tooltips: moving the pointer onto a control, and the tip it brings up.
#include "window_driver.h"

#include <commctrl.h>

#include <cstring>

#include "text_escape.h"
#include "tray_driver.h"
#include "window_common.h"

namespace e2e {

namespace {

bool current_tool(HWND tooltip, DWORD pid, ShownTip& out) {
    Handle proc;
    std::string ignored;
    if (!open_same_bitness(pid, 0, proc, ignored)) return false;
    RemoteBlock mem(proc.get(), sizeof(TTTOOLINFOA));
    TTTOOLINFOA ti;
    std::memset(&ti, 0, sizeof ti);
    ti.cbSize = sizeof ti;  // lpszText stays null: no text is copied
    DWORD_PTR found = 0;
    if (!mem.ok() || !mem.write(0, &ti, sizeof ti) ||
        !send_timeout(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(mem.at(0)), &found) || !found ||
        !mem.read(0, &ti, sizeof ti))
        return false;
    if (ti.uFlags & TTF_IDISHWND) {
        out.tool = reinterpret_cast<HWND>(ti.uId);
        out.tool_id = unsigned(GetDlgCtrlID(out.tool));
    } else {
        out.tool = ti.hwnd;
        out.tool_id = unsigned(ti.uId);
    }
    return true;
}

}  // namespace

bool hover(HWND hwnd, POINT& at, std::string& err) {
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd)) {
        err = hex(hwnd) + " is not a visible window";
        return false;
    }
    RECT r;
    GetWindowRect(hwnd, &r);
    at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    // Within the window's own top-level window the program's hit testing
    // decides (a group box lets the pointer through); another top-level
    // window in the way would take the pointer, unless it is a tip shown
    // a moment ago.
    HWND under = WindowFromPoint(at);
    HWND top = under ? GetAncestor(under, GA_ROOT) : nullptr;
    if (top != GetAncestor(hwnd, GA_ROOT) && !class_is(top, kTooltipClass)) {
        err = "window " + hex(top) + " (\"" + escape_text(class_of(top)) + "\") covers the centre of " + hex(hwnd);
        return false;
    }
    // Two moves, so that the program sees motion even when the pointer was
    // already there.
    SetCursorPos(at.x + 1, at.y + 1);
    Sleep(kPollMs);
    if (!SetCursorPos(at.x, at.y)) {
        err = last_error("SetCursorPos");
        return false;
    }
    POINT now;
    if (!GetCursorPos(&now) || now.x != at.x || now.y != at.y) {
        err = "the pointer did not move to " + std::to_string(at.x) + "," + std::to_string(at.y);
        return false;
    }
    return true;
}

bool find_shown_tip(DWORD pid, const std::string* text, ShownTip& out, std::string& err) {
    for (HWND h : top_level_windows()) {
        if (!class_is(h, kTooltipClass) || !IsWindowVisible(h) || window_pid(h) != pid) continue;
        ShownTip tip;
        tip.tooltip = h;
        if (!read_text(h, tip.text, err)) {
            if (!IsWindow(h)) continue;
            return false;
        }
        if (text && tip.text != *text) continue;
        GetWindowRect(h, &tip.rect);
        current_tool(h, pid, tip);
        out = tip;
        return true;
    }
    err.clear();
    return false;
}

}  // namespace e2e
