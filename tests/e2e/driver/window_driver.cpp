#include "window_driver.h"

#include "tray_driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

#include "remote_process.h"
#include "text_escape.h"

namespace e2e {

namespace {

const char kMenuClass[] = "#32768";
const char kDialogClass[] = "#32770";
const char kTooltipClass[] = "tooltips_class32";
const UINT kGetHMenu = 0x01E1;  // MN_GETHMENU: the HMENU a menu window shows
const DWORD kPollMs = 20;
const DWORD kKeyHoldMs = 30;
const size_t kMaxText = size_t(1) << 20;
const unsigned kMessageTextId = 0xFFFF;  // the text static of a message box

std::vector<HWND> thread_windows(DWORD tid) {
    std::vector<HWND> out;
    EnumThreadWindows(tid, collect_window, reinterpret_cast<LPARAM>(&out));
    return out;
}

// Class name without the version prefix that side-by-side common controls
// may carry ("6.0.2600.2982!Button").
std::string base_class(HWND hwnd) {
    std::string cls = class_of(hwnd);
    size_t bang = cls.rfind('!');
    return bang == std::string::npos ? cls : cls.substr(bang + 1);
}

bool base_class_is(HWND hwnd, const char* cls) { return lstrcmpiA(base_class(hwnd).c_str(), cls) == 0; }

std::string hex(const void* p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(p)));
    return buf;
}

template <class Pred>
bool wait_until(DWORD timeout_ms, Pred pred) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (pred()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
}

bool gone_or_hidden(HWND hwnd) { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }

// Visible menus and dialogs of one thread: what a click may open.
std::set<HWND> modal_windows(DWORD tid) {
    std::set<HWND> out;
    for (HWND h : thread_windows(tid))
        if (IsWindowVisible(h) && (class_is(h, kMenuClass) || class_is(h, kDialogClass))) out.insert(h);
    return out;
}

void CALLBACK on_reply(HWND, UINT, ULONG_PTR data, LRESULT) { *reinterpret_cast<bool*>(data) = true; }

// Delivers any replies to messages sent with SendMessageCallback.
void pump(DWORD ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void walk(HWND parent, int depth, std::vector<HWND>& out, std::vector<int>& depths) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        out.push_back(c);
        depths.push_back(depth);
        walk(c, depth + 1, out, depths);
    }
}

bool post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, std::string& err) {
    if (PostMessageA(hwnd, msg, wp, lp)) return true;
    err = last_error("PostMessage");
    return false;
}

// ---- menus read inside the program's process
//
// Wine keeps menus in the process that made them: GetMenuItemCount on
// another process's HMENU fails.  The program's own user32 can read it, so
// a thread started there runs menu_job, a position-independent routine that
// calls user32 only through the pointers in the job.  Its machine code is
// copied from this program; the two sections keep it apart from everything
// else so that its length is known.  It runs at another address, so it must
// not touch globals or call anything but those pointers (no library helper,
// no jump table); the self-test reads menus through it in both bitnesses.

const int kMaxMenuItems = 128;
const int kMenuTextBytes = 256;

struct MenuJob {
    int(WINAPI* count)(HMENU);
    BOOL(WINAPI* info)(HMENU, UINT, BOOL, LPMENUITEMINFOA);
    HMENU menu;
    int n;
    BOOL ok[kMaxMenuItems];
    MENUITEMINFOA items[kMaxMenuItems];
    char text[kMaxMenuItems][kMenuTextBytes];
};

__attribute__((section(".text$e2e_menu_job_a"), noinline, used)) DWORD WINAPI menu_job(LPVOID param) {
    MenuJob* job = static_cast<MenuJob*>(param);
    int n = job->count(job->menu);
    job->n = n;
    if (n > kMaxMenuItems) n = kMaxMenuItems;
    for (int i = 0; i < n; ++i) job->ok[i] = job->info(job->menu, i, TRUE, &job->items[i]);
    return n >= 0;
}

__attribute__((section(".text$e2e_menu_job_b"), noinline, used)) void menu_job_end() {}

const UINT kItemMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;

MenuItem to_item(const MENUITEMINFOA& mi, const char* text) {
    MenuItem item;
    item.id = mi.wID;
    item.separator = (mi.fType & MFT_SEPARATOR) != 0;
    item.disabled = (mi.fState & (MFS_DISABLED | MFS_GRAYED)) != 0;
    item.checked = (mi.fState & MFS_CHECKED) != 0;
    item.is_default = (mi.fState & MFS_DEFAULT) != 0;
    item.popup = mi.hSubMenu != nullptr;
    if (!item.separator && !(mi.fType & MFT_OWNERDRAW) && text) item.text.assign(text, strnlen(text, mi.cch));
    return item;
}

bool check_text_fits(const MENUITEMINFOA& mi, size_t index, std::string& err) {
    if (mi.cch < UINT(kMenuTextBytes)) return true;
    err = "menu item " + std::to_string(index) + " has a text longer than " + std::to_string(kMenuTextBytes - 1) +
          " bytes";
    return false;
}

bool read_menu_here(HMENU menu, int count, std::vector<MenuItem>& items, std::string& err) {
    for (int i = 0; i < count; ++i) {
        char text[kMenuTextBytes] = {};
        MENUITEMINFOA mi;
        std::memset(&mi, 0, sizeof mi);
        mi.cbSize = sizeof mi;
        mi.fMask = kItemMask;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, i, TRUE, &mi)) {
            err = last_error("GetMenuItemInfo");
            return false;
        }
        if (!check_text_fits(mi, i, err)) return false;
        items.push_back(to_item(mi, text));
    }
    return true;
}

ULONG_PTR remote_module_base(DWORD pid, const char* name) {
    HANDLE snap = INVALID_HANDLE_VALUE;
    for (int i = 0; i < 10 && snap == INVALID_HANDLE_VALUE; ++i) {
        snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
        if (snap == INVALID_HANDLE_VALUE && GetLastError() != ERROR_BAD_LENGTH) break;
    }
    if (snap == INVALID_HANDLE_VALUE) return 0;
    Handle closer(snap);
    MODULEENTRY32 me;
    me.dwSize = sizeof me;
    for (BOOL ok = Module32First(snap, &me); ok; ok = Module32Next(snap, &me))
        if (!lstrcmpiA(me.szModule, name)) return reinterpret_cast<ULONG_PTR>(me.modBaseAddr);
    return 0;
}

bool read_menu_remote(DWORD pid, HMENU menu, std::vector<MenuItem>& items, std::string& err) {
    const char* code_begin = reinterpret_cast<const char*>(&menu_job);
    const char* code_end = reinterpret_cast<const char*>(&menu_job_end);
    if (code_end <= code_begin || code_end - code_begin > 4096) {
        err = "the menu reader's code cannot be located in trayctl";
        return false;
    }
    const size_t code_size = size_t(code_end - code_begin);
    Handle proc;
    if (!open_same_bitness(pid, PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION, proc, err)) return false;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const ULONG_PTR there = remote_module_base(pid, "user32.dll");
    if (!user32 || !there) {
        err = "user32.dll not found in process " + std::to_string(pid);
        return false;
    }
    // The same user32.dll: a function lies at the same offset from its base.
    auto relocate = [&](const char* fn) {
        return there + (reinterpret_cast<ULONG_PTR>(GetProcAddress(user32, fn)) - reinterpret_cast<ULONG_PTR>(user32));
    };
    std::unique_ptr<MenuJob> job(new MenuJob());
    job->count = reinterpret_cast<int(WINAPI*)(HMENU)>(relocate("GetMenuItemCount"));
    job->info = reinterpret_cast<BOOL(WINAPI*)(HMENU, UINT, BOOL, LPMENUITEMINFOA)>(relocate("GetMenuItemInfoA"));
    job->menu = menu;

    RemoteBlock code(proc.get(), code_size);
    RemoteBlock data(proc.get(), sizeof(MenuJob));
    if (!code.ok() || !data.ok()) {
        err = last_error("VirtualAllocEx");
        return false;
    }
    for (int i = 0; i < kMaxMenuItems; ++i) {
        MENUITEMINFOA& mi = job->items[i];
        mi.cbSize = sizeof mi;
        mi.fMask = kItemMask;
        mi.dwTypeData = data.at(offsetof(MenuJob, text) + size_t(i) * kMenuTextBytes);
        mi.cch = kMenuTextBytes;
    }
    DWORD old = 0;
    if (!code.write(0, code_begin, code_size) || !data.write(0, job.get(), sizeof(MenuJob)) ||
        !VirtualProtectEx(proc.get(), code.at(0), code_size, PAGE_EXECUTE_READ, &old)) {
        err = last_error("preparing the menu reader");
        return false;
    }
    FlushInstructionCache(proc.get(), code.at(0), code_size);
    Handle thread(CreateRemoteThread(proc.get(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(code.at(0)),
                                     data.at(0), 0, nullptr));
    if (!thread.get()) {
        err = last_error("CreateRemoteThread");
        return false;
    }
    if (WaitForSingleObject(thread.get(), 5000) != WAIT_OBJECT_0) {
        code.abandon();  // the thread may still run there
        data.abandon();
        err = "the menu reader in process " + std::to_string(pid) + " did not finish within 5 s";
        return false;
    }
    if (!data.read(0, job.get(), sizeof(MenuJob))) {
        err = last_error("ReadProcessMemory");
        return false;
    }
    if (job->n < 0) {
        err = "menu " + hex(menu) + " cannot be read in its own process either";
        return false;
    }
    if (job->n > kMaxMenuItems) {
        err = "the menu has " + std::to_string(job->n) + " items, more than " + std::to_string(kMaxMenuItems);
        return false;
    }
    for (int i = 0; i < job->n; ++i) {
        if (!job->ok[i]) {
            err = "menu item " + std::to_string(i) + " cannot be read";
            return false;
        }
        if (!check_text_fits(job->items[i], i, err)) return false;
        items.push_back(to_item(job->items[i], job->text[i]));
    }
    return true;
}

// ---- message box icons
//
// The icon static holds a handle that means nothing outside the program,
// and Wine cannot hand out its pixels across processes either.  What the
// static shows on screen can be compared with the stock icons as this
// process draws them: pixels that come out the same over black and over
// white are the icon's opaque ones, and those must all match.

struct Pixels {
    int w = 0, h = 0;
    std::vector<DWORD> px;  // 0x00RRGGBB, top row first
};

bool capture(HDC src, int x, int y, int w, int h, COLORREF fill, HICON icon, Pixels& out) {
    BITMAPINFO bi;
    std::memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC mem = CreateCompatibleDC(src);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!mem || !bmp) {
        if (bmp) DeleteObject(bmp);
        if (mem) DeleteDC(mem);
        return false;
    }
    HGDIOBJ old = SelectObject(mem, bmp);
    bool ok;
    if (icon) {
        HBRUSH brush = CreateSolidBrush(fill);
        RECT r = {0, 0, w, h};
        FillRect(mem, &r, brush);
        DeleteObject(brush);
        ok = DrawIconEx(mem, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL) != 0;
    } else {
        ok = BitBlt(mem, 0, 0, w, h, src, x, y, SRCCOPY) != 0;
    }
    GdiFlush();
    out.w = w;
    out.h = h;
    out.px.assign(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size_t(w) * h);
    for (DWORD& p : out.px) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return ok;
}

std::string identify_icon(HWND icon_static) {
    RECT r;
    GetClientRect(icon_static, &r);
    MapWindowPoints(icon_static, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0 || w > 256 || h > 256) return "unknown";
    HDC screen = GetDC(nullptr);
    Pixels shown;
    const bool captured = capture(screen, r.left, r.top, w, h, 0, nullptr, shown);
    ReleaseDC(nullptr, screen);
    if (!captured) return "unknown";

    static const struct {
        const char* name;
        LPCSTR id;
    } kStock[] = {{"error", IDI_ERROR},
                  {"warning", IDI_WARNING},
                  {"information", IDI_INFORMATION},
                  {"question", IDI_QUESTION},
                  {"application", IDI_APPLICATION}};
    const char* best = nullptr;
    double best_score = 0, second = 0;
    for (const auto& stock : kStock) {
        HICON icon = LoadIconA(nullptr, stock.id);
        Pixels on_black, on_white;
        if (!icon || !capture(nullptr, 0, 0, w, h, RGB(0, 0, 0), icon, on_black) ||
            !capture(nullptr, 0, 0, w, h, RGB(255, 255, 255), icon, on_white))
            continue;
        size_t opaque = 0, same = 0;
        for (size_t i = 0; i < shown.px.size(); ++i) {
            if (on_black.px[i] != on_white.px[i]) continue;
            ++opaque;
            if (on_black.px[i] == shown.px[i]) ++same;
        }
        const double score = opaque >= 16 ? double(same) / double(opaque) : 0;
        if (score > best_score) {
            second = best_score;
            best_score = score;
            best = stock.name;
        } else if (score > second) {
            second = score;
        }
    }
    // The information and question icons share their round outline (about
    // four in five opaque pixels), so the winner must lead clearly rather
    // than stand alone.
    return best && best_score >= 0.9 && best_score - second >= 0.1 ? best : "unknown";
}

bool is_message_box(HWND h) {
    if (!class_is(h, kDialogClass)) return false;
    for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const unsigned id = unsigned(GetDlgCtrlID(c)) & 0xFFFF;
        if (id == kMessageTextId && base_class_is(c, "Static") &&
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            return true;
    }
    return false;
}

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

bool click_button(HWND button, DWORD wait_ms, ClickOutcome& outcome, HWND& modal, std::string& err) {
    modal = nullptr;
    if (!IsWindow(button)) {
        err = "not a window: " + hex(button);
        return false;
    }
    if (!base_class_is(button, "Button")) {
        err = hex(button) + " is not a button (class \"" + escape_text(class_of(button)) + "\")";
        return false;
    }
    DWORD tid = 0;
    window_pid(button, &tid);
    const std::set<HWND> before = modal_windows(tid);
    bool replied = false;
    if (!SendMessageCallbackA(button, BM_CLICK, 0, 0, on_reply, reinterpret_cast<ULONG_PTR>(&replied))) {
        err = last_error("SendMessageCallback(BM_CLICK)");
        return false;
    }
    const ULONGLONG deadline = GetTickCount64() + wait_ms;
    for (;;) {
        pump(kPollMs);
        if (replied) {
            outcome = ClickOutcome::Done;
            return true;
        }
        for (HWND h : modal_windows(tid)) {
            if (before.count(h)) continue;
            outcome = ClickOutcome::Modal;
            modal = h;
            return true;
        }
        if (GetTickCount64() >= deadline) {
            outcome = ClickOutcome::Running;
            return true;
        }
    }
}

bool parse_vk(const std::string& name, unsigned& vk) {
    static const struct {
        const char* name;
        unsigned vk;
    } kKeys[] = {{"BACK", VK_BACK},       {"TAB", VK_TAB},       {"RETURN", VK_RETURN}, {"SHIFT", VK_SHIFT},
                 {"CONTROL", VK_CONTROL}, {"MENU", VK_MENU},     {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE},
                 {"PRIOR", VK_PRIOR},     {"NEXT", VK_NEXT},     {"END", VK_END},       {"HOME", VK_HOME},
                 {"LEFT", VK_LEFT},       {"UP", VK_UP},         {"RIGHT", VK_RIGHT},   {"DOWN", VK_DOWN},
                 {"INSERT", VK_INSERT},   {"DELETE", VK_DELETE}, {"APPS", VK_APPS}};
    if (name.size() > 3 && !_strnicmp(name.c_str(), "VK_", 3)) {
        const std::string key = name.substr(3);
        for (const auto& k : kKeys)
            if (!lstrcmpiA(key.c_str(), k.name)) {
                vk = k.vk;
                return true;
            }
        if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
            vk = unsigned(std::toupper(static_cast<unsigned char>(key[0])));
            return true;
        }
        if ((key[0] == 'F' || key[0] == 'f') && key.size() <= 3) {
            char* end = nullptr;
            const long n = std::strtol(key.c_str() + 1, &end, 10);
            if (end && !*end && n >= 1 && n <= 24) {
                vk = VK_F1 + unsigned(n - 1);
                return true;
            }
        }
        return false;
    }
    char* end = nullptr;
    const unsigned long n = std::strtoul(name.c_str(), &end, 0);
    if (name.empty() || name[0] == '-' || !end || *end || n < 1 || n > 254) return false;
    vk = unsigned(n);
    return true;
}

bool is_extended_key(unsigned vk) {
    switch (vk) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
        case VK_APPS:
        case VK_RCONTROL:
        case VK_RMENU:
        case VK_DIVIDE:
        case VK_NUMLOCK: return true;
        default: return false;
    }
}

LPARAM key_lparam(unsigned scan, bool extended, bool up) {
    DWORD lp = 1 | ((scan & 0xFF) << 16);  // one keystroke, no repeat
    if (extended) lp |= 1u << 24;
    if (up) lp |= (1u << 30) | (1u << 31);  // was down, is being released
    return static_cast<LPARAM>(lp);
}

bool post_key(HWND hwnd, unsigned vk, KeyAction action, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    const unsigned scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    const bool ext = is_extended_key(vk);
    if (action != KeyAction::Up && !post(hwnd, WM_KEYDOWN, vk, key_lparam(scan, ext, false), err)) return false;
    // A key is held for a moment, so that the character TranslateMessage
    // makes of the press comes before the release, as from a keyboard.
    if (action == KeyAction::Press) {
        Sleep(kKeyHoldMs);
        // A press may close its window (a menu, a dialog): the release
        // then has nowhere to go, as with a real keyboard.
        if (!IsWindow(hwnd)) return true;
    }
    if (action != KeyAction::Down && !post(hwnd, WM_KEYUP, vk, key_lparam(scan, ext, true), err))
        return action == KeyAction::Press && !IsWindow(hwnd);
    return true;
}

bool post_chars(HWND hwnd, const std::string& bytes, DWORD delay_ms, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const SHORT key = VkKeyScanA(static_cast<CHAR>(c));
        const unsigned scan = key == -1 ? 0 : MapVirtualKeyA(LOBYTE(key), MAPVK_VK_TO_VSC);
        if (!post(hwnd, WM_CHAR, c, key_lparam(scan, false, false), err)) return false;
        if (delay_ms && i + 1 < bytes.size()) Sleep(delay_ms);
    }
    return true;
}

std::vector<HWND> find_menus(DWORD pid) {
    std::vector<HWND> out;
    for (HWND h : top_level_windows())
        if (class_is(h, kMenuClass) && IsWindowVisible(h) && (!pid || window_pid(h) == pid)) out.push_back(h);
    return out;
}

bool read_menu(HWND menu_window, std::vector<MenuItem>& items, std::string& how, std::string& err) {
    items.clear();
    if (!IsWindow(menu_window) || !class_is(menu_window, kMenuClass)) {
        err = hex(menu_window) + " is not a menu window";
        return false;
    }
    DWORD_PTR handle = 0;
    if (!send_timeout(menu_window, kGetHMenu, 0, 0, &handle) || !handle) {
        err = "menu window " + hex(menu_window) + " shows no menu (MN_GETHMENU)";
        return false;
    }
    HMENU menu = reinterpret_cast<HMENU>(handle);
    const int count = GetMenuItemCount(menu);
    if (count >= 0) {
        how = "direct";
        return read_menu_here(menu, count, items, err);
    }
    how = "in-process";
    return read_menu_remote(window_pid(menu_window), menu, items, err);
}

bool menu_downs(const std::vector<MenuItem>& items, size_t index, size_t& downs, std::string& err) {
    if (index >= items.size()) {
        err = "no item " + std::to_string(index) + ": the menu has " + std::to_string(items.size());
        return false;
    }
    if (items[index].separator) {
        err = "item " + std::to_string(index) + " is a separator";
        return false;
    }
    downs = 0;
    for (size_t i = 0; i < index; ++i)
        if (!items[i].separator) ++downs;
    return true;
}

bool choose_menu_item(HWND menu_window, size_t index, DWORD wait_ms, HWND& submenu, std::string& err) {
    submenu = nullptr;
    std::vector<MenuItem> items;
    std::string how;
    size_t downs = 0;
    if (!read_menu(menu_window, items, how, err) || !menu_downs(items, index, downs, err)) return false;
    const MenuItem& item = items[index];
    if (item.disabled) {
        err = "item " + std::to_string(index) + " (\"" + escape_text(item.text) + "\") is disabled";
        return false;
    }
    // Keys go to the innermost open menu, whichever window they are sent to.
    const std::vector<HWND> open = find_menus(window_pid(menu_window));
    if (!open.empty() && open.front() != menu_window) {
        err = "menu " + hex(open.front()) + " is open above " + hex(menu_window) + ": choose there or close it";
        return false;
    }
    if (!post_key(menu_window, VK_HOME, KeyAction::Press, err)) return false;
    for (size_t i = 0; i < downs; ++i)
        if (!post_key(menu_window, VK_DOWN, KeyAction::Press, err)) return false;
    if (!post_key(menu_window, VK_RETURN, KeyAction::Press, err)) return false;
    if (item.popup) {
        const std::set<HWND> before(open.begin(), open.end());
        const bool opened = wait_until(wait_ms, [&] {
            for (HWND h : find_menus(window_pid(menu_window)))
                if (!before.count(h)) submenu = h;
            return submenu != nullptr;
        });
        if (!opened) err = "the submenu of item " + std::to_string(index) + " did not open";
        return opened;
    }
    if (!wait_until(wait_ms, [&] { return gone_or_hidden(menu_window); })) {
        err = "the menu is still open " + std::to_string(wait_ms) + " ms after choosing item " + std::to_string(index);
        return false;
    }
    return true;
}

bool close_menu(HWND menu_window, DWORD wait_ms, std::string& err) {
    if (!IsWindow(menu_window) || !class_is(menu_window, kMenuClass)) {
        err = hex(menu_window) + " is not a menu window";
        return false;
    }
    if (!post_key(menu_window, VK_ESCAPE, KeyAction::Press, err)) return false;
    if (wait_until(wait_ms, [&] { return gone_or_hidden(menu_window); })) return true;
    err = "the menu is still open " + std::to_string(wait_ms) + " ms after VK_ESCAPE";
    return false;
}

std::vector<HWND> find_message_boxes(DWORD pid, const std::string* title) {
    std::vector<HWND> out;
    for (HWND h : top_level_windows()) {
        if (!IsWindowVisible(h) || (pid && window_pid(h) != pid) || !is_message_box(h)) continue;
        std::string text, ignored;
        if (title && (!read_text(h, text, ignored) || text != *title)) continue;
        out.push_back(h);
    }
    return out;
}

bool read_message_box(HWND box, MessageBoxInfo& out, std::string& err) {
    out = MessageBoxInfo();
    if (!IsWindow(box) || !is_message_box(box)) {
        err = hex(box) + " is not a message box";
        return false;
    }
    out.hwnd = box;
    out.pid = window_pid(box);
    if (!read_text(box, out.title, err)) return false;
    HWND icon_static = nullptr;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (base_class_is(c, "Static")) {
            if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon_static = c;
            else if ((unsigned(GetDlgCtrlID(c)) & 0xFFFF) == kMessageTextId && !read_text(c, out.text, err))
                return false;
        } else if (base_class_is(c, "Button") && IsWindowVisible(c)) {
            std::string text;
            if (!read_text(c, text, err)) return false;
            out.buttons.emplace_back(unsigned(GetDlgCtrlID(c)), text);
        }
    }
    out.icon = "none";
    DWORD_PTR icon = 0;
    if (icon_static && IsWindowVisible(icon_static) && send_timeout(icon_static, STM_GETICON, 0, 0, &icon) && icon) {
        RECT r;
        GetClientRect(icon_static, &r);
        out.icon_size = {r.right - r.left, r.bottom - r.top};
        // A box that just appeared may not be painted yet.
        wait_until(1000, [&] {
            out.icon = identify_icon(icon_static);
            return out.icon != "unknown";
        });
    }
    return true;
}

bool press_message_box(HWND box, unsigned id, DWORD wait_ms, std::string& err) {
    if (!IsWindow(box) || !is_message_box(box)) {
        err = hex(box) + " is not a message box";
        return false;
    }
    if (!id) id = GetDlgItem(box, IDOK) ? IDOK : IDCANCEL;
    HWND button = GetDlgItem(box, int(id));
    if (!button) {
        err = "message box " + hex(box) + " has no button with id " + std::to_string(id);
        return false;
    }
    ClickOutcome outcome;
    HWND modal;
    if (!click_button(button, 0, outcome, modal, err)) return false;
    if (wait_until(wait_ms, [&] { return !IsWindow(box); })) return true;
    err = "message box " + hex(box) + " is still there " + std::to_string(wait_ms) + " ms after pressing button " +
          std::to_string(id);
    return false;
}

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
