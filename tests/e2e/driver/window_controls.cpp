// The program's controls: their texts, what they are and hold (a list
// view's cells too), and whether a user could reach them; and the text the
// program put on the clipboard.
#include "window_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "tray_driver.h"
#include "window_common.h"

namespace e2e {

namespace {

const size_t kMaxText = size_t(1) << 20;

void walk(HWND parent, int depth, std::vector<HWND>& out, std::vector<int>& depths) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        out.push_back(c);
        depths.push_back(depth);
        walk(c, depth + 1, out, depths);
    }
}

}  // namespace

bool read_text(HWND hwnd, std::string& text, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    DWORD_PTR len = 0;
    if (!send_timeout(hwnd, WM_GETTEXTLENGTH, 0, 0, &len)) {
        err = last_error("WM_GETTEXTLENGTH");
        return false;
    }
    // The length is only a hint (the text may change meanwhile): a buffer
    // that comes back full is read again with room to spare.
    size_t cap = std::min<size_t>(len, kMaxText) + 64;
    for (;;) {
        std::vector<char> buf(cap + 1, '\0');
        DWORD_PTR n = 0;
        if (!send_timeout(hwnd, WM_GETTEXT, cap + 1, reinterpret_cast<LPARAM>(buf.data()), &n)) {
            err = last_error("WM_GETTEXT");
            return false;
        }
        n = std::min<size_t>(n, strnlen(buf.data(), cap));
        if (n < cap) {
            text.assign(buf.data(), n);
            return true;
        }
        if (cap >= kMaxText) {
            err = "window text longer than " + std::to_string(kMaxText) + " bytes";
            return false;
        }
        cap *= 2;
    }
}

bool read_list_rows(HWND list, std::vector<std::vector<std::string>>& rows, std::string& err) {
    rows.clear();
    if (!IsWindow(list) || !base_class_is(list, WC_LISTVIEWA)) {
        err = hex(list) + " is no list view";
        return false;
    }
    DWORD_PTR count = 0, header = 0, columns = 0;
    if (!send_timeout(list, LVM_GETITEMCOUNT, 0, 0, &count) || !send_timeout(list, LVM_GETHEADER, 0, 0, &header)) {
        err = last_error("LVM_GETITEMCOUNT");
        return false;
    }
    if (!header || !send_timeout(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &columns) ||
        LONG_PTR(columns) < 1)
        columns = 1;
    Handle proc;
    if (!open_same_bitness(window_pid(list), 0, proc, err)) return false;
    const size_t kCell = 1024, text_off = (sizeof(LVITEMA) + 15) & ~size_t(15);
    RemoteBlock mem(proc.get(), text_off + kCell);
    if (!mem.ok()) {
        err = last_error("VirtualAllocEx");
        return false;
    }
    for (DWORD_PTR row = 0; row < count; ++row) {
        rows.emplace_back();
        for (DWORD_PTR column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = int(column);
            item.pszText = mem.at(text_off);
            item.cchTextMax = int(kCell);
            char cell[kCell];
            DWORD_PTR n = 0;
            if (!mem.write(0, &item, sizeof item) ||
                !send_timeout(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(mem.at(0)), &n) ||
                !mem.read(text_off, cell, kCell)) {
                err = last_error("LVM_GETITEMTEXTA");
                return false;
            }
            rows.back().emplace_back(cell, strnlen(cell, std::min<size_t>(n, kCell - 1)));
        }
    }
    return true;
}

double precise_ms() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool wait_drawn(DWORD pid, const char* title, DWORD timeout_ms, double& visible, double& drawn, std::string& err) {
    const double deadline = precise_ms() + timeout_ms;
    HWND window = nullptr;
    while (window == nullptr) {
        for (HWND h : find_windows(nullptr, title, pid))
            if (IsWindowVisible(h)) window = h;
        if (window == nullptr && precise_ms() > deadline) {
            err = std::string("no visible window \"") + title + "\" within " + std::to_string(timeout_ms) + " ms";
            return false;
        }
        if (window == nullptr) Sleep(1);
    }
    visible = precise_ms();
    // A sent message returns once the program's thread is back at its
    // messages: the command that showed the window is over.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout_ms, &result);
    const auto waiting = [](HWND h) { return IsWindowVisible(h) && GetUpdateRect(h, nullptr, FALSE); };
    for (;;) {
        bool painting = waiting(window);
        for (HWND child : child_windows(window)) painting = painting || waiting(child);
        if (!painting) break;
        if (precise_ms() > deadline) {
            err = std::string("\"") + title + "\" still not drawn after " + std::to_string(timeout_ms) + " ms";
            return false;
        }
        Sleep(1);
    }
    drawn = precise_ms();
    return true;
}

bool read_clipboard_text(std::string& text, std::string& err) {
    // The program may hold the clipboard open for a moment.
    if (!wait_until(2000, [] { return OpenClipboard(nullptr) != FALSE; })) {
        err = last_error("OpenClipboard");
        return false;
    }
    const HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes) {
        text.assign(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    } else {
        err = "no text on the clipboard";
    }
    CloseClipboard();
    return bytes != nullptr;
}

bool write_text(HWND hwnd, const std::string& text, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        err = "the text contains a NUL byte, which WM_SETTEXT cannot carry";
        return false;
    }
    DWORD_PTR ok = 0;
    if (!send_timeout(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok)) {
        err = last_error("WM_SETTEXT");
        return false;
    }
    if (!ok) {
        err = "the window refused the text (WM_SETTEXT returned FALSE)";
        return false;
    }
    return true;
}

const char* button_type_name(DWORD style) {
    static const char* const kNames[16] = {"pushbutton",  "defpushbutton",   "checkbox",    "autocheckbox",
                                           "radiobutton", "3state",          "auto3state",  "groupbox",
                                           "userbutton",  "autoradiobutton", "pushbox",     "ownerdraw",
                                           "splitbutton", "defsplitbutton",  "commandlink", "defcommandlink"};
    return kNames[style & BS_TYPEMASK];
}

bool describe_control(HWND hwnd, ControlInfo& out, std::string& err) {
    out = ControlInfo();
    out.hwnd = hwnd;
    out.parent = GetAncestor(hwnd, GA_PARENT);
    out.id = unsigned(GetDlgCtrlID(hwnd));
    out.cls = class_of(hwnd);
    out.style = DWORD(GetWindowLongA(hwnd, GWL_STYLE));
    GetWindowRect(hwnd, &out.rect);
    if (!read_text(hwnd, out.text, err)) return false;
    DWORD_PTR r = 0;
    auto ask = [&](UINT msg, const char* what) {
        if (send_timeout(hwnd, msg, 0, 0, &r)) return true;
        err = last_error(what);
        return false;
    };
    if (base_class_is(hwnd, "Button")) {
        out.button = button_type_name(out.style);
        switch (out.style & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_RADIOBUTTON:
            case BS_3STATE:
            case BS_AUTO3STATE:
            case BS_AUTORADIOBUTTON:
                if (!ask(BM_GETCHECK, "BM_GETCHECK")) return false;
                out.check = int(r);
        }
    } else if (base_class_is(hwnd, "Edit")) {
        if (!ask(EM_GETLIMITTEXT, "EM_GETLIMITTEXT")) return false;
        out.limit = static_cast<long long>(r);
    } else if (base_class_is(hwnd, TRACKBAR_CLASSA)) {
        out.trackbar = true;
        const struct {
            UINT msg;
            long* into;
            const char* what;
        } kAsk[] = {{TBM_GETRANGEMIN, &out.tb_min, "TBM_GETRANGEMIN"},
                    {TBM_GETRANGEMAX, &out.tb_max, "TBM_GETRANGEMAX"},
                    {TBM_GETPOS, &out.tb_pos, "TBM_GETPOS"},
                    {TBM_GETLINESIZE, &out.tb_line, "TBM_GETLINESIZE"},
                    {TBM_GETPAGESIZE, &out.tb_page, "TBM_GETPAGESIZE"},
                    {TBM_GETNUMTICS, &out.tb_tics, "TBM_GETNUMTICS"}};
        for (const auto& a : kAsk) {
            if (!ask(a.msg, a.what)) return false;
            *a.into = long(LONG(r));
        }
    }
    return true;
}

bool list_controls(HWND parent, std::vector<ControlInfo>& out, std::string& err) {
    out.clear();
    if (!IsWindow(parent)) {
        err = "not a window: " + hex(parent);
        return false;
    }
    std::vector<HWND> found;
    std::vector<int> depths;
    walk(parent, 0, found, depths);
    for (size_t i = 0; i < found.size(); ++i) {
        ControlInfo info;
        if (!describe_control(found[i], info, err)) return false;
        info.depth = depths[i];
        out.push_back(info);
    }
    return true;
}

HWND find_control(HWND parent, unsigned id, int* depth) {
    std::vector<HWND> found;
    std::vector<int> depths;
    walk(parent, 0, found, depths);
    for (size_t i = 0; i < found.size(); ++i) {
        if (unsigned(GetDlgCtrlID(found[i])) != id) continue;
        if (depth) *depth = depths[i];
        return found[i];
    }
    return nullptr;
}

bool reachable(HWND hwnd, std::string& why) {
    if (!IsWindow(hwnd)) {
        why = "not a window: " + hex(hwnd);
        return false;
    }
    HWND desktop = GetDesktopWindow();
    for (HWND h = hwnd; h && h != desktop; h = GetAncestor(h, GA_PARENT)) {
        const DWORD style = DWORD(GetWindowLongA(h, GWL_STYLE));
        const std::string who = h == hwnd ? "the window" : "its ancestor " + hex(h);
        if (!(style & WS_VISIBLE)) {
            why = who + " is hidden";
            return false;
        }
        if (style & WS_DISABLED) {
            why = who + " is disabled";
            return false;
        }
    }
    return true;
}

bool read_focus(HWND window, FocusInfo& out, std::string& err) {
    const DWORD thread = IsWindow(window) ? GetWindowThreadProcessId(window, nullptr) : 0;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (thread == 0 || !GetGUIThreadInfo(thread, &info)) {
        err = thread == 0 ? "not a window: " + hex(window) : last_error("GetGUIThreadInfo");
        return false;
    }
    out = FocusInfo{};
    out.active = info.hwndActive;
    out.focus = info.hwndFocus;
    out.caret = info.hwndCaret;
    out.edit = out.focus != nullptr && base_class_is(out.focus, "Edit");
    if (out.edit) {
        // The return value carries the selection: no pointer into the other process.
        DWORD_PTR packed = 0;
        if (!send_timeout(out.focus, EM_GETSEL, 0, 0, &packed)) {
            err = last_error("EM_GETSEL");
            return false;
        }
        out.sel_start = LOWORD(packed);
        out.sel_end = HIWORD(packed);
    }
    return true;
}

}  // namespace e2e
