// Commands for the shell's tray and for top-level windows.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "commands.h"
#include "text_escape.h"
#include "tray_driver.h"

#include <shellapi.h>

namespace trayctl {
namespace {

using namespace e2e;

std::string geometry_text(const RECT& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%ldx%ld+%ld+%ld", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return buf;
}

void print_icon(const TrayIcon& icon) {
    std::printf("icon %u hwnd=0x%llx rect=%s geometry=%s visible=%d tip=%s%s%s\n", unsigned(icon.index), hv(icon.hwnd),
                rect_text(icon.rect).c_str(), geometry_text(icon.rect).c_str(), icon.visible ? 1 : 0,
                icon.has_tip ? "\"" : "", icon.has_tip ? escape_text(icon.tip).c_str() : "-", icon.has_tip ? "\"" : "");
}

// The optional MS argument at argv[i], 10000 when absent.
bool timeout_arg(int argc, char** argv, int i, DWORD& ms) {
    ms = kDefaultWaitMs;
    return i >= argc || parse_ms(argv[i], ms);
}

// Resolves "#N" or an escaped tip text to an icon of the current tray.
bool resolve_icon(const char* which, TrayIcon& out, std::string& err) {
    Tray tray;
    if (!read_tray(tray, err)) return false;
    if (which[0] == '#') {
        unsigned long long i;
        if (!parse_number(which + 1, i) || i >= tray.icons.size()) {
            err = "no icon " + std::string(which) + " (" + std::to_string(tray.icons.size()) + " icons)";
            return false;
        }
        out = tray.icons[i];
        return true;
    }
    std::string tip;
    if (!unescape_text(which, tip)) {
        err = "bad escape in tip text";
        return false;
    }
    for (const TrayIcon& icon : tray.icons)
        if (icon.has_tip && icon.tip == tip) {
            out = icon;
            return true;
        }
    err = "no icon with tip \"" + escape_text(tip) + "\"";
    return false;
}

int cmd_tray(int, char**) {
    Tray tray;
    std::string err;
    if (!read_tray(tray, err)) return fail(err);
    const WindowInfo& h = tray.host_info;
    std::printf(
        "tray host=0x%llx pid=%lu class=\"%s\" visible=%d rect=%s client=%s geometry=%s x11=0x%llx "
        "icons=%u\n",
        hv(tray.host), tray.shell_pid, escape_text(h.cls).c_str(), h.visible ? 1 : 0, rect_text(h.rect).c_str(),
        rect_text(h.client).c_str(), geometry_text(h.client).c_str(), h.x11_window, unsigned(tray.icons.size()));
    for (const TrayIcon& icon : tray.icons) print_icon(icon);
    return 0;
}

int cmd_count(int, char**) {
    Tray tray;
    std::string err;
    if (!read_tray(tray, err)) return fail(err);
    std::printf("%u\n", unsigned(tray.icons.size()));
    return 0;
}

int cmd_tips(int, char**) {
    Tray tray;
    std::vector<RemoteTip> tips;
    std::string err;
    if (!read_tray(tray, err) || !read_remote_tips(tray.shell_pid, tips, err)) return fail(err);
    for (const RemoteTip& t : tips)
        std::printf("tip tooltip=0x%llx tool_hwnd=0x%llx tool_id=0x%llx rect=%s text=\"%s\"\n", hv(t.tooltip),
                    hv(t.tool_hwnd), (unsigned long long)t.tool_id, rect_text(t.tool_rect).c_str(),
                    escape_text(t.text).c_str());
    return 0;
}

// The shell's balloons (or those of process PID): tooltip windows of the
// balloon style, shown or not, with their title (- where the tooltip does
// not tell it) and text.
int cmd_balloons(int argc, char** argv) {
    DWORD pid = 0;
    std::string err;
    if (argc > 3 || (argc == 3 && !parse_pid(argv[2], pid))) return usage();
    if (!pid) {
        Tray tray;
        if (!read_tray(tray, err)) return fail(err);
        pid = tray.shell_pid;
    }
    std::vector<RemoteTip> tips;
    if (!read_remote_tips(pid, tips, err)) return fail(err);
    for (const RemoteTip& t : tips)
        if (t.balloon)
            std::printf("balloon tooltip=0x%llx visible=%d title=%s%s%s text=\"%s\"\n", hv(t.tooltip),
                        t.visible ? 1 : 0, t.has_title ? "\"" : "", t.has_title ? escape_text(t.title).c_str() : "-",
                        t.has_title ? "\"" : "", escape_text(t.text).c_str());
    return 0;
}

int cmd_wait_tip(int argc, char** argv) {
    std::string tip, err;
    DWORD ms;
    if (argc < 3 || !unescape_text(argv[2], tip) || !timeout_arg(argc, argv, 3, ms)) return usage();
    TrayIcon icon;
    if (!wait_for_tip(tip, ms, &icon, err))
        return fail("no icon with tip \"" + escape_text(tip) + "\" after " + std::to_string(ms) + " ms" +
                    (err.empty() ? "" : ": " + err));
    print_icon(icon);
    return 0;
}

int cmd_wait_count(int argc, char** argv) {
    unsigned long long n;
    DWORD ms;
    if (argc < 3 || !parse_number(argv[2], n) || n > SIZE_MAX || !timeout_arg(argc, argv, 3, ms)) return usage();
    size_t last = 0;
    std::string err;
    if (!wait_for_icon_count(static_cast<size_t>(n), ms, &last, err))
        return fail("icon count is " + std::to_string(last) + ", not " + std::to_string(n) + " after " +
                    std::to_string(ms) + " ms" + (err.empty() ? "" : ": " + err));
    std::printf("%llu\n", n);
    return 0;
}

int cmd_geometry(int argc, char** argv) {
    std::string err;
    if (argc >= 3) {
        TrayIcon icon;
        if (!resolve_icon(argv[2], icon, err)) return fail(err);
        std::printf("%s\n", geometry_text(icon.rect).c_str());
        return 0;
    }
    Tray tray;
    if (!read_tray(tray, err)) return fail(err);
    if (!tray.host) return fail("no standalone tray window (no icon shown yet, or icons are docked elsewhere)");
    std::printf("%s x11=0x%llx\n", geometry_text(tray.host_info.client).c_str(), tray.host_info.x11_window);
    return 0;
}

int cmd_click(int argc, char** argv) {
    if (argc < 4) return usage();
    Click kind;
    if (!std::strcmp(argv[3], "left"))
        kind = Click::Left;
    else if (!std::strcmp(argv[3], "right"))
        kind = Click::Right;
    else if (!std::strcmp(argv[3], "double"))
        kind = Click::Double;
    else
        return usage();
    TrayIcon icon;
    std::string err;
    if (!resolve_icon(argv[2], icon, err) || !click_icon(icon, kind, err)) return fail(err);
    return 0;
}

int cmd_windows(int argc, char** argv) {
    const bool children = argc >= 3 && !std::strcmp(argv[2], "-children");
    for (const WindowInfo& w : list_windows(children))
        std::printf(
            "hwnd=0x%llx parent=0x%llx owner=0x%llx pid=%lu tid=%lu visible=%d rect=%s x11=0x%llx "
            "class=\"%s\" title=\"%s\"\n",
            hv(w.hwnd), hv(w.parent), hv(w.owner), w.pid, w.tid, w.visible ? 1 : 0, rect_text(w.rect).c_str(),
            w.x11_window, escape_text(w.cls).c_str(), escape_text(w.title).c_str());
    return 0;
}

int cmd_find(int argc, char** argv) {
    std::string cls, title;
    bool has_cls = false, has_title = false;
    DWORD pid = 0, ms = 0;
    HWND parent = nullptr;
    for (int i = 2; i < argc; i += 2) {
        if (i + 1 >= argc) return usage();
        const char* opt = argv[i];
        const char* val = argv[i + 1];
        bool ok;
        if (!std::strcmp(opt, "-class"))
            ok = has_cls = unescape_text(val, cls);
        else if (!std::strcmp(opt, "-title"))
            ok = has_title = unescape_text(val, title);
        else if (!std::strcmp(opt, "-pid"))
            ok = parse_pid(val, pid);
        else if (!std::strcmp(opt, "-parent"))
            ok = parse_hwnd(val, parent);
        else if (!std::strcmp(opt, "-timeout"))
            ok = parse_ms(val, ms);
        else
            ok = false;
        if (!ok) return usage();
    }
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        std::vector<HWND> found =
            find_windows(has_cls ? cls.c_str() : nullptr, has_title ? title.c_str() : nullptr, pid, parent);
        for (HWND h : found) std::printf("0x%llx\n", hv(h));
        if (!found.empty()) return 0;
        if (GetTickCount64() >= deadline) return fail("no matching window");
        Sleep(100);
    }
}

int cmd_title(int argc, char** argv) {
    HWND h;
    if (argc < 3 || !parse_hwnd(argv[2], h)) return usage();
    if (!IsWindow(h)) return fail("not a window");
    std::printf("%s\n", escape_text(window_text(h)).c_str());
    return 0;
}

int cmd_post(int argc, char** argv) {
    HWND h;
    unsigned long long msg, wp, lp;
    // WPARAM and LPARAM are as wide as a pointer: a larger number is refused
    // rather than cut short.
    if (argc < 6 || !parse_hwnd(argv[2], h) || !parse_number(argv[3], msg) || msg > 0xffffffffULL ||
        !parse_number(argv[4], wp) || wp > UINTPTR_MAX || !parse_number(argv[5], lp) || lp > UINTPTR_MAX)
        return usage();
    std::string err;
    if (!post_message(h, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp), err))
        return fail(err);
    return 0;
}

int cmd_send(int argc, char** argv) {
    HWND h;
    unsigned long long msg, wp, lp;
    if (argc < 6 || !parse_hwnd(argv[2], h) || !parse_number(argv[3], msg) || msg > 0xffffffffULL ||
        !parse_number(argv[4], wp) || wp > UINTPTR_MAX || !parse_number(argv[5], lp) || lp > UINTPTR_MAX)
        return usage();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(h, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp),
                             SMTO_ABORTIFHUNG, kDefaultWaitMs, &result))
        return fail("the window did not answer");
    std::printf("result=%llu\n", static_cast<unsigned long long>(result));
    return 0;
}

int cmd_place(int argc, char** argv) {
    HWND h;
    unsigned long long v[4];
    if (argc < 7 || !parse_hwnd(argv[2], h)) return usage();
    for (int i = 0; i < 4; ++i)
        if (!parse_number(argv[3 + i], v[i]) || v[i] > 100000) return usage();
    if (!SetWindowPos(h, nullptr, static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                      static_cast<int>(v[3]), SWP_NOZORDER | SWP_NOACTIVATE))
        return fail("SetWindowPos failed");
    return 0;
}

// What a shell that starts afresh does: it knows no icon (the shell checks
// no more than the owner window and id), and it tells every top-level window.
int cmd_forget(int argc, char** argv) {
    NOTIFYICONDATAA data{};
    unsigned long long id;
    if (argc < 4 || !parse_hwnd(argv[2], data.hWnd) || !parse_number(argv[3], id) || id > 0xffffffffULL) return usage();
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.uID = static_cast<UINT>(id);
    return Shell_NotifyIconA(NIM_DELETE, &data) ? 0 : fail("the shell has no such icon");
}

int cmd_broadcast(int argc, char** argv) {
    if (argc < 3) return usage();
    return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA(argv[2]), 0, 0) ? 0 : fail("cannot broadcast");
}

// Wine starts its shell from the first process that needs the desktop, with
// that process's environment and stderr, and closes it again once the last
// process leaves.  Holding the desktop lets a test choose the shell's
// WINEDEBUG and log, and keeps one shell across restarts of the program.
int cmd_hold(int argc, char** argv) {
    unsigned long long ms = INFINITE;
    if (argc >= 3 && (!parse_number(argv[2], ms) || ms > 0xffffffffULL)) return usage();
    GetDesktopWindow();
    std::vector<HWND> shell = find_windows("Shell_TrayWnd", nullptr, 0);
    for (int i = 0; i < 300 && shell.empty(); ++i) {
        Sleep(100);
        shell = find_windows("Shell_TrayWnd", nullptr, 0);
    }
    if (shell.empty()) return fail("the shell did not come up within 30 s");
    DWORD pid = 0;
    GetWindowThreadProcessId(shell.front(), &pid);
    std::printf("ready shell_pid=%lu\n", pid);
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(ms));
    return 0;
}

const Command kCommands[] = {
    {"tray", "", "tray window, icons, tips", cmd_tray},
    {"count", "", "number of tray icons", cmd_count},
    {"tips", "", "every tooltip tool of the shell process", cmd_tips},
    {"balloons", "[PID]",
     "the balloons of the shell (or of process PID): shown or not,\n"
     "title (- where the tooltip does not tell it), text",
     cmd_balloons},
    {"wait-tip", "TEXT [MS]", "wait for an icon whose tip is TEXT (default 10000 ms)", cmd_wait_tip},
    {"wait-count", "N [MS]", "wait until there are exactly N icons", cmd_wait_count},
    {"geometry", "[ICON]", "WxH+X+Y of the tray window's client area, or of an icon", cmd_geometry},
    {"click", "ICON left|right|double", "click an icon through the shell", cmd_click},
    {"windows", "[-children]", "list windows", cmd_windows},
    {"find", "[-class C] [-title T] [-pid P] [-parent HWND] [-timeout MS]",
     "matching top-level windows, or descendants of HWND", cmd_find},
    {"title", "HWND", "window caption", cmd_title},
    {"post", "HWND MSG WPARAM LPARAM", "PostMessage; numbers are decimal or 0x hex", cmd_post},
    {"send", "HWND MSG WPARAM LPARAM", "SendMessage; prints its result", cmd_send},
    {"place", "HWND X Y W H", "move and size a window (SetWindowPos)", cmd_place},
    {"forget", "HWND ID", "remove the tray icon of window HWND and id ID", cmd_forget},
    {"broadcast", "NAME", "post the registered message NAME to every top-level window", cmd_broadcast},
    {"hold", "[MS]",
     "start the shell if needed, print \"ready\", keep the\n"
     "desktop open for MS (default: until killed)",
     cmd_hold},
};

}  // namespace

const CommandGroup kTrayCommands = {nullptr, std::begin(kCommands), std::end(kCommands)};

}  // namespace trayctl
