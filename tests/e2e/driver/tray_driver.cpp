#include "tray_driver.h"

#include "remote_process.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace e2e {

namespace {

const char kStandaloneTrayClass[] = "__winex11_standalone_tray";
const char kTrayIconClass[] = "__winex11_tray_icon";
const char kShellTrayClass[] = "Shell_TrayWnd";
const char kTooltipClass[] = "tooltips_class32";
const char kX11WindowProp[] = "__wine_x11_whole_window";

// Tips are at most 127 characters (V1: 63), but the shell writes the text
// with its own idea of the limit (Wine: up to 1024 WCHARs for TTM_GETTEXTW);
// leave ample room and insist on a terminator.
const size_t kTextBytes = 4096;
// Wine's TTM_GETTEXTA writes at most 80 bytes and then leaves the text
// unterminated; a result that long may be cut and is fetched again as WCHARs.
const size_t kAnsiCap = 80;
const DWORD kPollMs = 100;

#ifdef _WIN64
static_assert(sizeof(TTTOOLINFOA) == 72, "64-bit TTTOOLINFOA layout");
#else
static_assert(sizeof(TTTOOLINFOA) == 48, "32-bit TTTOOLINFOA layout");
#endif

// The NUL-terminated WCHARs in buf (kTextBytes) as ANSI bytes, converted
// with this process's code page, which is the shell's when both run with
// the same locale; false when there is no terminator.
bool ansi_from_wide(const char* buf, std::string& text) {
    WCHAR w[kTextBytes / sizeof(WCHAR)];
    std::memcpy(w, buf, sizeof w);
    size_t n = 0;
    while (n + 1 < kTextBytes / sizeof(WCHAR) && w[n]) ++n;
    if (w[n]) return false;
    const int len = n ? WideCharToMultiByte(CP_ACP, 0, w, int(n), nullptr, 0, nullptr, nullptr) : 0;
    text.assign(len, '\0');
    if (len) WideCharToMultiByte(CP_ACP, 0, w, int(n), &text[0], len, nullptr, nullptr);
    return true;
}

// Fetches the text of the tool described by `ti` into the remote buffer
// (zeroed first, so the terminator is ours if the shell writes none) and
// returns it as ANSI bytes.
bool get_text(HWND tooltip, RemoteBlock& mem, TTTOOLINFOA ti, bool wide, std::string& text, std::string& err) {
    static const char zeros[kTextBytes] = {};
    const size_t text_off = (sizeof ti + 15) & ~size_t(15);
    ti.cbSize = sizeof ti;  // TTTOOLINFOW has the same layout
    ti.lpszText = mem.at(text_off);
    if (!mem.write(text_off, zeros, kTextBytes) || !mem.write(0, &ti, sizeof ti)) {
        err = last_error("WriteProcessMemory");
        return false;
    }
    const UINT msg = wide ? TTM_GETTEXTW : TTM_GETTEXTA;
    const WPARAM capacity = wide ? kTextBytes / sizeof(WCHAR) : kTextBytes;
    DWORD_PTR ignored = 0;
    if (!send_timeout(tooltip, msg, capacity, reinterpret_cast<LPARAM>(mem.at(0)), &ignored)) {
        err = last_error(wide ? "TTM_GETTEXTW" : "TTM_GETTEXTA");
        return false;
    }
    char buf[kTextBytes];
    if (!mem.read(text_off, buf, kTextBytes)) {
        err = last_error("ReadProcessMemory");
        return false;
    }
    if (!wide) {
        const char* nul = static_cast<const char*>(std::memchr(buf, 0, kTextBytes));
        if (nul) {
            text.assign(buf, nul - buf);
            return true;
        }
    } else if (ansi_from_wide(buf, text)) {
        return true;
    }
    err = "tooltip text is not terminated within " + std::to_string(kTextBytes) + " bytes";
    return false;
}

// A balloon's title, which tooltips give only as WCHARs (TTM_GETTITLE),
// read like a text into the remote buffer.  A tooltip that does not know
// the message (Wine's, so far) leaves the buffer's mark: no title is known.
bool get_title(HWND tooltip, RemoteBlock& mem, std::string& title, bool& known, std::string& err) {
    static const char zeros[kTextBytes] = {};
    const WCHAR kMark = 0xFFFF;
    const size_t text_off = (sizeof(TTGETTITLE) + 15) & ~size_t(15);
    TTGETTITLE get{};
    get.dwSize = sizeof get;
    get.cch = kTextBytes / sizeof(WCHAR) - 1;  // the last stays a terminator
    get.pszTitle = reinterpret_cast<WCHAR*>(mem.at(text_off));
    char buf[kTextBytes];
    DWORD_PTR ignored = 0;
    if (!mem.write(text_off, zeros, kTextBytes) || !mem.write(text_off, &kMark, sizeof kMark) ||
        !mem.write(0, &get, sizeof get) ||
        !send_timeout(tooltip, TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(mem.at(0)), &ignored) ||
        !mem.read(text_off, buf, kTextBytes)) {
        err = last_error("TTM_GETTITLE");
        return false;
    }
    known = std::memcmp(buf, &kMark, sizeof kMark) != 0;
    if (!known || ansi_from_wide(buf, title)) return true;
    err = "balloon title is not terminated within " + std::to_string(kTextBytes) + " bytes";
    return false;
}

// Reads the tools of one tooltip window.  A tooltip that vanished meanwhile
// (its icon was removed) yields no tools rather than an error.
bool read_tooltip(HWND tooltip, RemoteBlock& mem, std::vector<RemoteTip>& out, std::string& err) {
    auto gone = [&] {
        if (IsWindow(tooltip)) return false;
        err.clear();
        return true;
    };
    DWORD_PTR count = 0;
    if (!send_timeout(tooltip, TTM_GETTOOLCOUNT, 0, 0, &count)) {
        err = last_error("TTM_GETTOOLCOUNT");
        return gone();
    }
    for (DWORD_PTR i = 0; i < count; ++i) {
        TTTOOLINFOA ti;
        std::memset(&ti, 0, sizeof ti);
        ti.cbSize = sizeof ti;
        DWORD_PTR found = 0;
        if (!mem.write(0, &ti, sizeof ti)) {
            err = last_error("WriteProcessMemory");
            return false;
        }
        if (!send_timeout(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(mem.at(0)), &found)) {
            err = last_error("TTM_ENUMTOOLSA");
            return gone();
        }
        if (!found) continue;  // the tool went away between count and enum
        if (!mem.read(0, &ti, sizeof ti)) {
            err = last_error("ReadProcessMemory");
            return false;
        }

        RemoteTip tip;
        tip.tooltip = tooltip;
        tip.tool_hwnd = ti.hwnd;
        tip.tool_id = ti.uId;
        tip.tool_rect = ti.rect;
        tip.flags = ti.uFlags;
        tip.balloon = (GetWindowLongPtrA(tooltip, GWL_STYLE) & TTS_BALLOON) != 0;
        tip.visible = IsWindowVisible(tooltip) != FALSE;
        if (tip.balloon && !get_title(tooltip, mem, tip.title, tip.has_title, err)) return gone();
        if (!get_text(tooltip, mem, ti, false, tip.text, err)) return gone();
        if (tip.text.size() >= kAnsiCap) {
            std::string full;
            if (!get_text(tooltip, mem, ti, true, full, err)) return gone();
            if (full.compare(0, tip.text.size(), tip.text) != 0) {
                err =
                    "tip text differs between TTM_GETTEXTA and TTM_GETTEXTW: "
                    "run trayctl with the same LANG as the shell";
                return false;
            }
            tip.text = full;
        }
        out.push_back(tip);
    }
    return true;
}

HWND find_shell_window(const char* cls) {
    std::vector<HWND> found = find_windows(cls, nullptr, 0);
    return found.empty() ? nullptr : found.front();
}

template <class Pred>
bool poll_tray(DWORD timeout_ms, std::string& err, Pred pred) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        Tray tray;
        std::string read_err;
        if (read_tray(tray, read_err)) {
            if (pred(tray)) {
                err.clear();
                return true;
            }
            err.clear();
        } else {
            err = read_err;  // the shell may still be starting: keep polling
        }
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
}

}  // namespace

std::string window_text(HWND hwnd) {
    char buf[1024];
    int n = GetWindowTextA(hwnd, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

WindowInfo describe_window(HWND hwnd) {
    WindowInfo w;
    w.hwnd = hwnd;
    w.parent = GetAncestor(hwnd, GA_PARENT);
    w.owner = GetWindow(hwnd, GW_OWNER);
    w.tid = GetWindowThreadProcessId(hwnd, &w.pid);
    w.cls = class_of(hwnd);
    w.title = window_text(hwnd);
    GetWindowRect(hwnd, &w.rect);
    GetClientRect(hwnd, &w.client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&w.client), 2);
    w.visible = IsWindowVisible(hwnd) != FALSE;
    w.x11_window = reinterpret_cast<ULONG_PTR>(GetPropA(hwnd, kX11WindowProp));
    return w;
}

std::vector<WindowInfo> list_windows(bool with_children) {
    std::vector<WindowInfo> out;
    for (HWND top : top_level_windows()) {
        out.push_back(describe_window(top));
        if (!with_children) continue;
        for (HWND child : child_windows(top)) out.push_back(describe_window(child));
    }
    return out;
}

std::vector<HWND> find_windows(const char* cls, const char* title, DWORD pid, HWND parent) {
    std::vector<HWND> out;
    for (HWND h : parent ? child_windows(parent) : top_level_windows()) {
        if (cls && !class_is(h, cls)) continue;
        if (title && window_text(h) != title) continue;
        if (pid && window_pid(h) != pid) continue;
        out.push_back(h);
    }
    return out;
}

bool read_remote_tips(DWORD pid, std::vector<RemoteTip>& out, std::string& err) {
    out.clear();
    Handle proc;
    if (!open_same_bitness(pid, 0, proc, err)) return false;
    RemoteBlock mem(proc.get(), 256 + kTextBytes);
    if (!mem.ok()) {
        err = last_error("VirtualAllocEx");
        return false;
    }
    for (HWND h : find_windows(kTooltipClass, nullptr, pid))
        if (!read_tooltip(h, mem, out, err)) return false;
    return true;
}

bool read_tray(Tray& out, std::string& err) {
    out = Tray();
    HWND standalone = find_shell_window(kStandaloneTrayClass);
    HWND taskbar = find_shell_window(kShellTrayClass);  // hidden unless in a virtual desktop
    if (!standalone && !taskbar) {
        err = "no shell tray window (" + std::string(kShellTrayClass) + ") found";
        return false;
    }
    out.shell_pid = window_pid(standalone ? standalone : taskbar);
    out.host = standalone ? standalone : IsWindowVisible(taskbar) ? taskbar : nullptr;
    if (out.host) out.host_info = describe_window(out.host);

    // Icons docked in the standalone tray are its children; with an XEMBED
    // tray manager they are top-level windows of the shell instead.
    std::vector<HWND> icons;
    for (HWND h : top_level_windows()) {
        if (window_pid(h) != out.shell_pid) continue;
        if (class_is(h, kTrayIconClass)) icons.push_back(h);
        for (HWND c : child_windows(h))
            if (class_is(c, kTrayIconClass)) icons.push_back(c);
    }

    std::vector<RemoteTip> tips;
    if (!read_remote_tips(out.shell_pid, tips, err)) return false;
    for (HWND h : icons) {
        TrayIcon icon;
        icon.hwnd = h;
        GetWindowRect(h, &icon.rect);
        icon.at = {(icon.rect.right - icon.rect.left) / 2, (icon.rect.bottom - icon.rect.top) / 2};
        icon.visible = IsWindowVisible(h) != FALSE;
        for (const RemoteTip& t : tips) {
            if (t.tool_hwnd != h || t.balloon) continue;
            icon.has_tip = true;
            icon.tip = t.text;
            break;
        }
        out.icons.push_back(icon);
    }
    if (icons.empty()) {
        // The shell draws the icons itself; each has a tool on the taskbar.
        // A removed icon leaves its tool behind with an empty rectangle.
        for (const RemoteTip& t : tips) {
            if (!taskbar || t.tool_hwnd != taskbar || IsRectEmpty(&t.tool_rect) || t.balloon) continue;
            TrayIcon icon;
            icon.hwnd = taskbar;
            icon.rect = t.tool_rect;
            icon.at = {(t.tool_rect.left + t.tool_rect.right) / 2, (t.tool_rect.top + t.tool_rect.bottom) / 2};
            MapWindowPoints(taskbar, nullptr, reinterpret_cast<POINT*>(&icon.rect), 2);
            icon.visible = IsWindowVisible(taskbar) != FALSE;
            icon.has_tip = true;
            icon.tip = t.text;
            out.icons.push_back(icon);
        }
    }
    std::sort(out.icons.begin(), out.icons.end(), [](const TrayIcon& a, const TrayIcon& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    for (size_t i = 0; i < out.icons.size(); ++i) out.icons[i].index = i;
    return true;
}

bool wait_for_tip(const std::string& tip, DWORD timeout_ms, TrayIcon* found, std::string& err) {
    return poll_tray(timeout_ms, err, [&](const Tray& tray) {
        for (const TrayIcon& icon : tray.icons) {
            if (!icon.has_tip || icon.tip != tip) continue;
            if (found) *found = icon;
            return true;
        }
        return false;
    });
}

bool wait_for_icon_count(size_t count, DWORD timeout_ms, size_t* last_count, std::string& err) {
    return poll_tray(timeout_ms, err, [&](const Tray& tray) {
        if (last_count) *last_count = tray.icons.size();
        return tray.icons.size() == count;
    });
}

bool click_icon(const TrayIcon& icon, Click kind, std::string& err) {
    const LPARAM at = MAKELPARAM(icon.at.x, icon.at.y);
    struct Step {
        UINT msg;
        WPARAM keys;
    };
    static const Step kLeft[] = {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}};
    static const Step kRight[] = {{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}};
    static const Step kDouble[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}, {WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_LBUTTONUP, 0}};
    const Step* steps = kind == Click::Left ? kLeft : kind == Click::Right ? kRight : kDouble;
    const size_t n = kind == Click::Double ? 4 : 2;
    for (size_t i = 0; i < n; ++i)
        if (!post_message(icon.hwnd, steps[i].msg, steps[i].keys, at, err)) return false;
    return true;
}

bool post_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window";
        return false;
    }
    if (!PostMessageA(hwnd, msg, wp, lp)) {
        err = last_error("PostMessage");
        return false;
    }
    return true;
}

BOOL CALLBACK collect_window(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

std::vector<HWND> top_level_windows() {
    std::vector<HWND> out;
    EnumWindows(collect_window, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::vector<HWND> child_windows(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(parent, collect_window, reinterpret_cast<LPARAM>(&out));
    return out;
}

}  // namespace e2e
