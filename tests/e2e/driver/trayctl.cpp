// trayctl: command-line access to the e2e tray driver for shell scripts.
// Texts are printed and accepted in escaped form (\r, \n, \t, \\, \", \xHH).
// Exit status: 0 success, 1 not found / timed out / failed, 2 usage error.
#include "registry_driver.h"
#include "text_escape.h"
#include "tray_driver.h"
#include "window_driver.h"

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>

using namespace e2e;

namespace {

const char kUsage[] =
    "usage: trayctl [-desktop NAME] COMMAND [ARGS]\n"
    "  -desktop NAME                 work in that (virtual) desktop instead of the default\n"
    "  tray                          tray window, icons, tips\n"
    "  count                         number of tray icons\n"
    "  tips                          every tooltip tool of the shell process\n"
    "  wait-tip TEXT [MS]            wait for an icon whose tip is TEXT (default 10000 ms)\n"
    "  wait-count N [MS]             wait until there are exactly N icons\n"
    "  geometry [ICON]               WxH+X+Y of the tray window's client area, or of an icon\n"
    "  click ICON left|right|double  click an icon through the shell\n"
    "  windows [-children]           list windows\n"
    "  find [-class C] [-title T] [-pid P] [-parent HWND] [-timeout MS]\n"
    "                                matching top-level windows, or descendants of HWND\n"
    "  title HWND                    window caption\n"
    "  post HWND MSG WPARAM LPARAM   PostMessage; numbers are decimal or 0x hex\n"
    "  hold [MS]                     start the shell if needed, print \"ready\", keep the\n"
    "                                desktop open for MS (default: until killed)\n"
    "The program's windows:\n"
    "  children HWND                 every descendant of HWND, z-order, depth first: one line each\n"
    "  item HWND ID                  the descendant with control id ID, as children shows it\n"
    "  text HWND                     the window's text (WM_GETTEXT)\n"
    "  settext HWND TEXT             WM_SETTEXT\n"
    "  click-button HWND [-wait MS] [-force]\n"
    "                                BM_CLICK; waits up to MS (default 2000) for the handler and\n"
    "                                prints \"done\", \"modal HWND\" (it opened a menu or dialog)\n"
    "                                or \"running\"\n"
    "  type HWND TEXT [-delay MS] [-force]\n"
    "                                post WM_CHAR for each byte of TEXT, in order\n"
    "  key HWND VK [down|up|press] [-force]\n"
    "                                post WM_KEYDOWN and/or WM_KEYUP (default press: both); VK is\n"
    "                                a number or VK_RETURN, VK_ESCAPE, VK_TAB, VK_BACK, VK_DELETE,\n"
    "                                VK_UP, VK_DOWN, VK_HOME, VK_F1, VK_A, VK_0, ...\n"
    "  tips-of PID                   every tooltip tool of process PID\n"
    "  hover HWND                    move the mouse pointer to the centre of HWND; prints X,Y\n"
    "  tooltip-visible PID [-text T] [-timeout MS]\n"
    "                                wait for a visible tooltip of process PID (with text T)\n"
    "  menu [-pid P] [-timeout MS]   wait for visible popup menus: their windows, innermost first\n"
    "  menu-items HWND               the items of the menu that menu window HWND shows\n"
    "  menu-choose HWND INDEX [-timeout MS]\n"
    "                                choose item INDEX (from 0, separators counted) with the\n"
    "                                keyboard; waits for the menu to close (a submenu: to open,\n"
    "                                then prints \"submenu HWND\")\n"
    "  menu-close HWND [-timeout MS] VK_ESCAPE; waits for that menu to close\n"
    "  msgbox [-pid P] [-title T] [-timeout MS]\n"
    "                                wait for a message box; prints hwnd, icon, buttons, title, text\n"
    "  msgbox-ok HWND [ID] [-timeout MS]\n"
    "                                press OK (else Cancel, or the button ID); waits until the box\n"
    "                                is gone, i.e. the program's MessageBox returned\n"
    "The registry (KEY as written, not escaped: HKLM\\Software\\Netvik, HKCU\\..., HKCR\\...,\n"
    "HKU\\...; -32/-64: that registry view, default this tool's own):\n"
    "  reg-get [-32|-64] KEY VALUE   type, size, nul (ended with a NUL) and data\n"
    "  reg-set [-32|-64] KEY VALUE TEXT\n"
    "                                TEXT as REG_SZ, stored without a terminating NUL\n"
    "  reg-set-raw [-32|-64] KEY VALUE TYPE HEXBYTES\n"
    "                                bytes as they are, of any TYPE (REG_DWORD, REG_BINARY, 4, ...;\n"
    "                                string types take UTF-16LE bytes)\n"
    "  reg-delete [-32|-64] KEY [VALUE]\n"
    "                                the value, or the key with all below it\n"
    "  reg-list [-32|-64] KEY        subkeys and values\n"
    "  reg-deny [-32|-64] KEY        let nobody set or delete the key's values or add subkeys\n"
    "ICON is #INDEX (left to right, from 0) or an exact tip text.  HWND, PID, ID and MS are\n"
    "decimal or 0x hex.  Waits default to 10000 ms.  \"--\" ends the options.\n";

std::string g_command;  // the command being run, for its own usage lines

int usage() {
    // The command's lines of kUsage (its first line and the indented ones
    // after it), or all of them.
    std::string lines;
    const std::string head = "  " + g_command + " ";
    const std::string more(32, ' ');
    bool in = false;
    for (const char* p = kUsage; *p;) {
        const char* end = std::strchr(p, '\n');
        const std::string line(p, end ? end + 1 : p + std::strlen(p));
        p += line.size();
        in = (!g_command.empty() && line.compare(0, head.size(), head) == 0) ||
             (in && line.compare(0, more.size(), more) == 0);
        if (in) lines += line;
    }
    if (lines.empty())
        std::fputs(kUsage, stderr);
    else
        std::fprintf(stderr, "usage:\n%s", lines.c_str());
    return 2;
}

int fail(const std::string& msg) {
    std::fprintf(stderr, "trayctl: %s\n", msg.c_str());
    return 1;
}

bool parse_number(const char* s, unsigned long long& v) {
    char* end = nullptr;
    errno = 0;
    v = std::strtoull(s, &end, 0);
    return *s && *s != '-' && end && !*end && errno == 0;
}

bool parse_hwnd(const char* s, HWND& h) {
    unsigned long long v;
    if (!parse_number(s, v)) return false;
    h = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(v));
    return true;
}

unsigned long long hv(HWND h) { return reinterpret_cast<ULONG_PTR>(h); }

std::string rect_text(const RECT& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
    return buf;
}

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

bool timeout_arg(int argc, char** argv, int i, DWORD& ms) {
    ms = 10000;
    if (i >= argc) return true;
    unsigned long long v;
    if (!parse_number(argv[i], v) || v > 0x7fffffff) return false;
    ms = static_cast<DWORD>(v);
    return true;
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

int cmd_tray() {
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

int cmd_count() {
    Tray tray;
    std::string err;
    if (!read_tray(tray, err)) return fail(err);
    std::printf("%u\n", unsigned(tray.icons.size()));
    return 0;
}

int cmd_tips() {
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
    if (argc < 3 || !parse_number(argv[2], n) || !timeout_arg(argc, argv, 3, ms)) return usage();
    size_t last = 0;
    std::string err;
    if (!wait_for_icon_count(n, ms, &last, err))
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
    unsigned long long pid = 0, ms = 0;
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
            ok = parse_number(val, pid) && pid <= 0xffffffffULL;
        else if (!std::strcmp(opt, "-parent"))
            ok = parse_hwnd(val, parent);
        else if (!std::strcmp(opt, "-timeout"))
            ok = parse_number(val, ms) && ms <= 0x7fffffffULL;
        else
            ok = false;
        if (!ok) return usage();
    }
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        std::vector<HWND> found = find_windows(has_cls ? cls.c_str() : nullptr, has_title ? title.c_str() : nullptr,
                                               static_cast<DWORD>(pid), parent);
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
    if (argc < 6 || !parse_hwnd(argv[2], h) || !parse_number(argv[3], msg) || msg > 0xffffffffULL ||
        !parse_number(argv[4], wp) || !parse_number(argv[5], lp))
        return usage();
    std::string err;
    if (!post_message(h, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp), err))
        return fail(err);
    return 0;
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

// ---- the program's windows and settings

// Positional arguments and the options a command knows; "--" ends options.
struct Args {
    std::vector<std::string> pos;
    std::map<std::string, std::string> value;
    std::set<std::string> flag;
};

bool split_args(int argc, char** argv, const std::set<std::string>& value_opts, const std::set<std::string>& flag_opts,
                Args& out) {
    bool options = true;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (options && a == "--") {
            options = false;
        } else if (options && value_opts.count(a)) {
            if (i + 1 >= argc) return false;
            out.value[a] = argv[++i];
        } else if (options && flag_opts.count(a)) {
            out.flag.insert(a);
        } else {
            out.pos.push_back(a);
        }
    }
    return true;
}

bool parse_ms(const std::string& s, DWORD& ms) {
    unsigned long long v;
    if (!parse_number(s.c_str(), v) || v > 0x7fffffff) return false;
    ms = static_cast<DWORD>(v);
    return true;
}

// The option's value in milliseconds, or `fallback` when absent.
bool ms_option(const Args& a, const char* name, DWORD fallback, DWORD& ms) {
    auto it = a.value.find(name);
    if (it == a.value.end()) {
        ms = fallback;
        return true;
    }
    return parse_ms(it->second, ms);
}

bool parse_pid(const std::string& s, DWORD& pid) {
    unsigned long long v;
    if (!parse_number(s.c_str(), v) || v > 0xffffffffULL) return false;
    pid = static_cast<DWORD>(v);
    return true;
}

// -pid P, or 0 (any process) when absent.
bool pid_option(const Args& a, DWORD& pid) {
    pid = 0;
    auto it = a.value.find("-pid");
    return it == a.value.end() || parse_pid(it->second, pid);
}

const DWORD kDefaultWaitMs = 10000;
const DWORD kWindowWaitMs = 5000;  // for a menu to react to keys

// Input a user could not give (to a hidden or disabled window) is refused
// unless -force says the test means it.
int unreachable(HWND h, const Args& a) {
    std::string why;
    if (a.flag.count("-force") || reachable(h, why)) return 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", hv(h));
    return fail(std::string(buf) + ": " + why + " (a user could not reach it; -force sends anyway)");
}

void print_control(const ControlInfo& c) {
    std::printf(
        "hwnd=0x%llx parent=0x%llx depth=%d id=%u class=\"%s\" visible=%d disabled=%d tabstop=%d group=%d "
        "style=0x%08lx rect=%s",
        hv(c.hwnd), hv(c.parent), c.depth, c.id, escape_text(c.cls).c_str(), (c.style & WS_VISIBLE) ? 1 : 0,
        (c.style & WS_DISABLED) ? 1 : 0, (c.style & WS_TABSTOP) ? 1 : 0, (c.style & WS_GROUP) ? 1 : 0,
        static_cast<unsigned long>(c.style), rect_text(c.rect).c_str());
    if (c.button) std::printf(" button=%s", c.button);
    if (c.check >= 0) std::printf(" check=%d", c.check);
    if (c.limit >= 0) std::printf(" limit=%lld", c.limit);
    if (c.trackbar)
        std::printf(" min=%ld max=%ld pos=%ld line=%ld page=%ld tics=%ld", c.tb_min, c.tb_max, c.tb_pos, c.tb_line,
                    c.tb_page, c.tb_tics);
    std::printf(" text=\"%s\"\n", escape_text(c.text).c_str());
}

int cmd_children(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    std::vector<ControlInfo> all;
    std::string err;
    if (!list_controls(h, all, err)) return fail(err);
    for (const ControlInfo& c : all) print_control(c);
    return 0;
}

int cmd_item(int argc, char** argv) {
    HWND h;
    unsigned long long id;
    if (argc != 4 || !parse_hwnd(argv[2], h) || !parse_number(argv[3], id) || id > 0xffffffffULL) return usage();
    if (!IsWindow(h)) return fail("not a window");
    int depth = 0;
    HWND c = find_control(h, static_cast<unsigned>(id), &depth);
    if (!c) return fail("no control with id " + std::to_string(id));
    ControlInfo info;
    std::string err;
    if (!describe_control(c, info, err)) return fail(err);
    info.depth = depth;
    print_control(info);
    return 0;
}

int cmd_text(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    std::string text, err;
    if (!read_text(h, text, err)) return fail(err);
    std::printf("%s\n", escape_text(text).c_str());
    return 0;
}

int cmd_settext(int argc, char** argv) {
    HWND h;
    std::string text, err;
    if (argc != 4 || !parse_hwnd(argv[2], h) || !unescape_text(argv[3], text)) return usage();
    if (!write_text(h, text, err)) return fail(err);
    return 0;
}

int cmd_click_button(int argc, char** argv) {
    Args a;
    HWND h;
    DWORD wait = 0;
    if (!split_args(argc, argv, {"-wait"}, {"-force"}, a) || a.pos.size() != 1 || !parse_hwnd(a.pos[0].c_str(), h) ||
        !ms_option(a, "-wait", 2000, wait))
        return usage();
    if (int rc = unreachable(h, a)) return rc;
    ClickOutcome outcome;
    HWND modal;
    std::string err;
    if (!click_button(h, wait, outcome, modal, err)) return fail(err);
    if (outcome == ClickOutcome::Done)
        std::printf("done\n");
    else if (outcome == ClickOutcome::Modal)
        std::printf("modal 0x%llx\n", hv(modal));
    else
        std::printf("running\n");
    return 0;
}

int cmd_type(int argc, char** argv) {
    Args a;
    HWND h;
    DWORD delay = 0;
    std::string text, err;
    if (!split_args(argc, argv, {"-delay"}, {"-force"}, a) || a.pos.size() != 2 || !parse_hwnd(a.pos[0].c_str(), h) ||
        !unescape_text(a.pos[1], text) || !ms_option(a, "-delay", 0, delay))
        return usage();
    if (int rc = unreachable(h, a)) return rc;
    if (!post_chars(h, text, delay, err)) return fail(err);
    return 0;
}

int cmd_key(int argc, char** argv) {
    Args a;
    HWND h;
    unsigned vk;
    if (!split_args(argc, argv, {}, {"-force"}, a) || a.pos.size() < 2 || a.pos.size() > 3 ||
        !parse_hwnd(a.pos[0].c_str(), h) || !parse_vk(a.pos[1], vk))
        return usage();
    KeyAction action = KeyAction::Press;
    if (a.pos.size() == 3) {
        if (a.pos[2] == "down")
            action = KeyAction::Down;
        else if (a.pos[2] == "up")
            action = KeyAction::Up;
        else if (a.pos[2] != "press")
            return usage();
    }
    if (int rc = unreachable(h, a)) return rc;
    std::string err;
    if (!post_key(h, vk, action, err)) return fail(err);
    return 0;
}

int cmd_tips_of(int argc, char** argv) {
    DWORD pid = 0;
    if (argc != 3 || !parse_pid(argv[2], pid)) return usage();
    std::vector<RemoteTip> tips;
    std::string err;
    if (!read_remote_tips(pid, tips, err)) return fail(err);
    for (const RemoteTip& t : tips) {
        const bool is_hwnd = (t.flags & TTF_IDISHWND) != 0;
        HWND control = is_hwnd ? reinterpret_cast<HWND>(t.tool_id) : t.tool_hwnd;
        std::printf("tip tooltip=0x%llx control=0x%llx id=%u uid=0x%llx flags=0x%x rect=%s text=\"%s\"\n",
                    hv(t.tooltip), hv(control), unsigned(GetDlgCtrlID(control)), (unsigned long long)t.tool_id, t.flags,
                    rect_text(t.tool_rect).c_str(), escape_text(t.text).c_str());
    }
    return 0;
}

int cmd_hover(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    POINT at;
    std::string err;
    if (!hover(h, at, err)) return fail(err);
    std::printf("%ld,%ld\n", at.x, at.y);
    return 0;
}

int cmd_tooltip_visible(int argc, char** argv) {
    Args a;
    DWORD pid = 0, ms = 0;
    std::string text;
    if (!split_args(argc, argv, {"-text", "-timeout"}, {}, a) || a.pos.size() != 1 || !parse_pid(a.pos[0], pid) ||
        !ms_option(a, "-timeout", kDefaultWaitMs, ms))
        return usage();
    const bool want_text = a.value.count("-text") != 0;
    if (want_text && !unescape_text(a.value["-text"], text)) return usage();
    ShownTip tip;
    std::string err;
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (!find_shown_tip(pid, want_text ? &text : nullptr, tip, err)) {
        if (!err.empty()) return fail(err);
        if (GetTickCount64() >= deadline) return fail("no visible tooltip of process " + std::to_string(pid));
        Sleep(50);
    }
    std::printf("tooltip hwnd=0x%llx control=0x%llx id=%u rect=%s text=\"%s\"\n", hv(tip.tooltip), hv(tip.tool),
                tip.tool_id, rect_text(tip.rect).c_str(), escape_text(tip.text).c_str());
    return 0;
}

int cmd_menu(int argc, char** argv) {
    Args a;
    DWORD pid = 0, ms = 0;
    if (!split_args(argc, argv, {"-pid", "-timeout"}, {}, a) || !a.pos.empty() || !pid_option(a, pid) ||
        !ms_option(a, "-timeout", kDefaultWaitMs, ms))
        return usage();
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        std::vector<HWND> menus = find_menus(pid);
        for (HWND h : menus) std::printf("0x%llx\n", hv(h));
        if (!menus.empty()) return 0;
        if (GetTickCount64() >= deadline) return fail("no popup menu open");
        Sleep(50);
    }
}

int cmd_menu_items(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    std::vector<MenuItem> items;
    std::string how, err;
    if (!read_menu(h, items, how, err)) return fail(err);
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& m = items[i];
        std::printf("item index=%u id=%u separator=%d disabled=%d checked=%d popup=%d default=%d text=\"%s\"\n",
                    unsigned(i), m.id, m.separator, m.disabled, m.checked, m.popup, m.is_default,
                    escape_text(m.text).c_str());
    }
    return 0;
}

int cmd_menu_choose(int argc, char** argv) {
    Args a;
    HWND h;
    unsigned long long index;
    DWORD ms = 0;
    if (!split_args(argc, argv, {"-timeout"}, {}, a) || a.pos.size() != 2 || !parse_hwnd(a.pos[0].c_str(), h) ||
        !parse_number(a.pos[1].c_str(), index) || !ms_option(a, "-timeout", kWindowWaitMs, ms))
        return usage();
    HWND submenu;
    std::string err;
    if (!choose_menu_item(h, static_cast<size_t>(index), ms, submenu, err)) return fail(err);
    if (submenu) std::printf("submenu 0x%llx\n", hv(submenu));
    return 0;
}

int cmd_menu_close(int argc, char** argv) {
    Args a;
    HWND h;
    DWORD ms = 0;
    if (!split_args(argc, argv, {"-timeout"}, {}, a) || a.pos.size() != 1 || !parse_hwnd(a.pos[0].c_str(), h) ||
        !ms_option(a, "-timeout", kWindowWaitMs, ms))
        return usage();
    std::string err;
    if (!close_menu(h, ms, err)) return fail(err);
    return 0;
}

int cmd_msgbox(int argc, char** argv) {
    Args a;
    DWORD pid = 0, ms = 0;
    std::string title;
    if (!split_args(argc, argv, {"-pid", "-title", "-timeout"}, {}, a) || !a.pos.empty() || !pid_option(a, pid) ||
        !ms_option(a, "-timeout", kDefaultWaitMs, ms))
        return usage();
    const bool want_title = a.value.count("-title") != 0;
    if (want_title && !unescape_text(a.value["-title"], title)) return usage();
    const ULONGLONG deadline = GetTickCount64() + ms;
    std::vector<HWND> boxes;
    while ((boxes = find_message_boxes(pid, want_title ? &title : nullptr)).empty()) {
        if (GetTickCount64() >= deadline) return fail("no message box");
        Sleep(50);
    }
    MessageBoxInfo box;
    std::string err;
    if (!read_message_box(boxes.front(), box, err)) return fail(err);
    std::string buttons;
    for (const auto& b : box.buttons)
        buttons += (buttons.empty() ? "" : ",") + std::to_string(b.first) + ":\"" + escape_text(b.second) + "\"";
    std::printf("msgbox hwnd=0x%llx pid=%lu icon=%s icon_size=%ldx%ld buttons=%s title=\"%s\" text=\"%s\"\n",
                hv(box.hwnd), box.pid, box.icon.c_str(), box.icon_size.cx, box.icon_size.cy, buttons.c_str(),
                escape_text(box.title).c_str(), escape_text(box.text).c_str());
    return 0;
}

int cmd_msgbox_ok(int argc, char** argv) {
    Args a;
    HWND h;
    unsigned long long id = 0;
    DWORD ms = 0;
    if (!split_args(argc, argv, {"-timeout"}, {}, a) || a.pos.empty() || a.pos.size() > 2 ||
        !parse_hwnd(a.pos[0].c_str(), h) ||
        (a.pos.size() == 2 && (!parse_number(a.pos[1].c_str(), id) || !id || id > 0xffffULL)) ||
        !ms_option(a, "-timeout", kDefaultWaitMs, ms))
        return usage();
    std::string err;
    if (!press_message_box(h, static_cast<unsigned>(id), ms, err)) return fail(err);
    return 0;
}

// Registry commands: [-32|-64] KEY and `n` more arguments.
bool reg_args(int argc, char** argv, size_t min_more, size_t max_more, Args& a, RegPath& key, RegView& view,
              std::string& err) {
    if (!split_args(argc, argv, {}, {"-32", "-64"}, a) || a.flag.size() > 1 || a.pos.size() < 1 + min_more ||
        a.pos.size() > 1 + max_more)
        return false;
    view = a.flag.count("-32") ? RegView::Bits32 : a.flag.count("-64") ? RegView::Bits64 : RegView::Native;
    if (!parse_reg_path(a.pos[0], key, err)) {
        std::fprintf(stderr, "trayctl: %s\n", err.c_str());
        return false;
    }
    return true;
}

int cmd_reg_get(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, err;
    if (!reg_args(argc, argv, 1, 1, a, key, view, err) || !unescape_text(a.pos[1], name)) return usage();
    RegValue v;
    if (!reg_get(key, view, name, v, err)) return fail(err);
    std::printf("%s\n", describe_value(v).c_str());
    return 0;
}

int cmd_reg_set(int argc, char** argv, bool raw) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, bytes, err;
    DWORD type = REG_SZ;
    const size_t more = raw ? 3 : 2;
    if (!reg_args(argc, argv, more, more, a, key, view, err) || !unescape_text(a.pos[1], name)) return usage();
    if (raw ? !parse_reg_type(a.pos[2], type) || !parse_hex_bytes(a.pos[3], bytes) : !unescape_text(a.pos[2], bytes))
        return usage();
    if (!reg_set(key, view, name, type, bytes, raw, err)) return fail(err);
    return 0;
}

int cmd_reg_delete(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, err;
    if (!reg_args(argc, argv, 0, 1, a, key, view, err) || (a.pos.size() == 2 && !unescape_text(a.pos[1], name)))
        return usage();
    const bool ok = a.pos.size() == 2 ? reg_delete_value(key, view, name, err) : reg_delete_key(key, view, err);
    return ok ? 0 : fail(err);
}

int cmd_reg_deny(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string err;
    if (!reg_args(argc, argv, 0, 0, a, key, view, err)) return usage();
    return reg_deny_writes(key, view, err) ? 0 : fail(err);
}

int cmd_reg_list(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string err;
    if (!reg_args(argc, argv, 0, 0, a, key, view, err)) return usage();
    std::vector<std::string> subkeys;
    std::vector<RegValue> values;
    if (!reg_list(key, view, subkeys, values, err)) return fail(err);
    for (const std::string& k : subkeys) std::printf("key name=\"%s\"\n", escape_text(k).c_str());
    for (const RegValue& v : values)
        std::printf("value name=\"%s\" %s\n", escape_text(v.name).c_str(), describe_value(v).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The C runtime would turn "\n" into "\r\n"; scripts want Unix lines.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (argc >= 3 && !std::strcmp(argv[1], "-desktop")) {
        // Windows are only visible from their own desktop.  This thread has
        // no windows yet, so it may still move.  The desktop appears only
        // once the shell started for it has come up: give it some time.
        HDESK desk = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
        for (int i = 0; !desk && i < 100; ++i) {
            Sleep(100);
            desk = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
        }
        if (!desk || !SetThreadDesktop(desk)) return fail(std::string("cannot use desktop ") + argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) return usage();
    const std::string cmd = argv[1];
    g_command = cmd;
    int rc;
    if (cmd == "tray")
        rc = cmd_tray();
    else if (cmd == "count")
        rc = cmd_count();
    else if (cmd == "tips")
        rc = cmd_tips();
    else if (cmd == "wait-tip")
        rc = cmd_wait_tip(argc, argv);
    else if (cmd == "wait-count")
        rc = cmd_wait_count(argc, argv);
    else if (cmd == "geometry")
        rc = cmd_geometry(argc, argv);
    else if (cmd == "click")
        rc = cmd_click(argc, argv);
    else if (cmd == "windows")
        rc = cmd_windows(argc, argv);
    else if (cmd == "find")
        rc = cmd_find(argc, argv);
    else if (cmd == "title")
        rc = cmd_title(argc, argv);
    else if (cmd == "post")
        rc = cmd_post(argc, argv);
    else if (cmd == "hold")
        rc = cmd_hold(argc, argv);
    else if (cmd == "children")
        rc = cmd_children(argc, argv);
    else if (cmd == "item")
        rc = cmd_item(argc, argv);
    else if (cmd == "text")
        rc = cmd_text(argc, argv);
    else if (cmd == "settext")
        rc = cmd_settext(argc, argv);
    else if (cmd == "click-button")
        rc = cmd_click_button(argc, argv);
    else if (cmd == "type")
        rc = cmd_type(argc, argv);
    else if (cmd == "key")
        rc = cmd_key(argc, argv);
    else if (cmd == "tips-of")
        rc = cmd_tips_of(argc, argv);
    else if (cmd == "hover")
        rc = cmd_hover(argc, argv);
    else if (cmd == "tooltip-visible")
        rc = cmd_tooltip_visible(argc, argv);
    else if (cmd == "menu")
        rc = cmd_menu(argc, argv);
    else if (cmd == "menu-items")
        rc = cmd_menu_items(argc, argv);
    else if (cmd == "menu-choose")
        rc = cmd_menu_choose(argc, argv);
    else if (cmd == "menu-close")
        rc = cmd_menu_close(argc, argv);
    else if (cmd == "msgbox")
        rc = cmd_msgbox(argc, argv);
    else if (cmd == "msgbox-ok")
        rc = cmd_msgbox_ok(argc, argv);
    else if (cmd == "reg-get")
        rc = cmd_reg_get(argc, argv);
    else if (cmd == "reg-set")
        rc = cmd_reg_set(argc, argv, false);
    else if (cmd == "reg-set-raw")
        rc = cmd_reg_set(argc, argv, true);
    else if (cmd == "reg-delete")
        rc = cmd_reg_delete(argc, argv);
    else if (cmd == "reg-list")
        rc = cmd_reg_list(argc, argv);
    else if (cmd == "reg-deny")
        rc = cmd_reg_deny(argc, argv);
    else
        rc = usage();
    std::fflush(stdout);
    return rc;
}
