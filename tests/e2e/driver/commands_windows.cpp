// Commands for the program's own windows: controls, keystrokes, tooltips,
// popup menus and message boxes.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "commands.h"
#include "remote_process.h"
#include "text_escape.h"
#include "tray_driver.h"
#include "window_driver.h"

namespace trayctl {
namespace {

using namespace e2e;

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

// ---- controls and keystrokes

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

int cmd_list_rows(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    std::vector<std::vector<std::string>> rows;
    std::string err;
    if (!read_list_rows(h, rows, err)) return fail(err);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string cells;
        for (size_t c = 0; c < rows[i].size(); ++c) cells += (c ? "\\t" : "") + escape_text(rows[i][c]);
        std::printf("row index=%u text=\"%s\"\n", unsigned(i), cells.c_str());
    }
    return 0;
}

int cmd_clipboard(int argc, char**) {
    if (argc != 2) return usage();
    std::string text, err;
    if (!read_clipboard_text(text, err)) return fail(err);
    std::printf("%s\n", escape_text(text).c_str());
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

int cmd_focus(int argc, char** argv) {
    HWND h;
    if (argc != 3 || !parse_hwnd(argv[2], h)) return usage();
    FocusInfo f;
    std::string err;
    if (!read_focus(h, f, err)) return fail(err);
    std::printf("focus=0x%llx id=%u class=\"%s\" active=0x%llx caret=0x%llx", hv(f.focus),
                f.focus ? unsigned(GetDlgCtrlID(f.focus)) : 0u, f.focus ? escape_text(class_of(f.focus)).c_str() : "",
                hv(f.active), hv(f.caret));
    if (f.edit) std::printf(" sel=%lu,%lu", f.sel_start, f.sel_end);
    std::printf("\n");
    return 0;
}

// ---- tooltips

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

// ---- popup menus

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
        !parse_number(a.pos[1].c_str(), index) || index > SIZE_MAX || !ms_option(a, "-timeout", kWindowWaitMs, ms))
        return usage();
    HWND submenu;
    std::string err;
    if (!choose_menu_item(h, static_cast<size_t>(index), ms, submenu, err)) return fail(err);
    if (submenu) std::printf("submenu 0x%llx\n", hv(submenu));
    return 0;
}

int cmd_menu_opens(int argc, char** argv) {
    Args a;
    HWND h;
    unsigned long long index;
    DWORD ms = 0;
    if (!split_args(argc, argv, {"-timeout"}, {}, a) || a.pos.size() != 3 || !parse_hwnd(a.pos[0].c_str(), h) ||
        !parse_number(a.pos[1].c_str(), index) || index > SIZE_MAX || !ms_option(a, "-timeout", kWindowWaitMs, ms))
        return usage();
    HWND submenu;
    std::string err;
    const DWORD pid = window_pid(h);
    double start = 0, visible = 0, drawn = 0;
    if (!choose_menu_item(h, static_cast<size_t>(index), ms, submenu, err, &start) ||
        !wait_drawn(pid, a.pos[2].c_str(), ms, visible, drawn, err))
        return fail(err);
    std::printf("visible_ms=%.1f drawn_ms=%.1f\n", visible - start, drawn - start);
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

// ---- answering

double now_ms() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

int cmd_stalls(int argc, char** argv) {
    Args a;
    HWND h;
    DWORD ms = 0, span = 0;
    const bool timed = split_args(argc, argv, {"-timeout", "-for"}, {}, a) && a.value.count("-for") != 0;
    if (a.pos.size() != (timed ? 1u : 2u) || !parse_hwnd(a.pos[0].c_str(), h) ||
        !ms_option(a, "-timeout", kDefaultWaitMs, ms) || !ms_option(a, "-for", 0, span))
        return usage();
    const auto size = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data;
        return !timed && GetFileAttributesExA(a.pos[1].c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
    };
    const DWORD before = size();
    const double deadline = now_ms() + ms;
    double from = 0, longest = 0, at = 0;
    while (now_ms() < deadline) {
        const double sent = now_ms();
        DWORD_PTR result;
        if (!SendMessageTimeoutA(h, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result)) return fail("the window does not answer");
        const double waited = now_ms() - sent;
        if (from == 0) {
            if (waited >= 500) from = now_ms();
        } else {
            if (waited > longest) {
                longest = waited;
                at = sent - from;
            }
            if (timed ? now_ms() - from >= span : size() != before) {
                std::printf("after_ms=%.1f longest_ms=%.2f at_ms=%.1f\n", now_ms() - from, longest, at);
                return 0;
            }
        }
        Sleep(1);
    }
    return fail(from == 0 ? "the window never waited half a second" : "the file did not change");
}

// ---- message boxes

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

const Command kCommands[] = {
    {"children", "HWND", "every descendant of HWND, z-order, depth first: one line each", cmd_children},
    {"item", "HWND ID", "the descendant with control id ID, as children shows it", cmd_item},
    {"text", "HWND", "the window's text (WM_GETTEXT)", cmd_text},
    {"settext", "HWND TEXT", "WM_SETTEXT", cmd_settext},
    {"list-rows", "HWND",
     "a list view's rows, one line each: its cells, escaped, \"\\t\"\n"
     "between them",
     cmd_list_rows},
    {"clipboard", "", "the text on the clipboard (CF_TEXT)", cmd_clipboard},
    {"click-button", "HWND [-wait MS] [-force]",
     "BM_CLICK; waits up to MS (default 2000) for the handler and\n"
     "prints \"done\", \"modal HWND\" (it opened a menu or dialog)\n"
     "or \"running\"",
     cmd_click_button},
    {"type", "HWND TEXT [-delay MS] [-force]", "post WM_CHAR for each byte of TEXT, in order", cmd_type},
    {"focus", "HWND",
     "the keyboard focus of HWND's thread: the focused window, its id\n"
     "and class, the active window, the window with a caret (0x0:\n"
     "none), and for an edit box its selection (sel=START,END)",
     cmd_focus},
    {"key", "HWND VK [down|up|press] [-force]",
     "post WM_KEYDOWN and/or WM_KEYUP (default press: both); VK is\n"
     "a number or VK_RETURN, VK_ESCAPE, VK_TAB, VK_BACK, VK_DELETE,\n"
     "VK_UP, VK_DOWN, VK_HOME, VK_F1, VK_A, VK_0, ...",
     cmd_key},
    {"tips-of", "PID", "every tooltip tool of process PID", cmd_tips_of},
    {"hover", "HWND", "move the mouse pointer to the centre of HWND; prints X,Y", cmd_hover},
    {"tooltip-visible", "PID [-text T] [-timeout MS]", "wait for a visible tooltip of process PID (with text T)",
     cmd_tooltip_visible},
    {"menu", "[-pid P] [-timeout MS]", "wait for visible popup menus: their windows, innermost first", cmd_menu},
    {"menu-items", "HWND", "the items of the menu that menu window HWND shows", cmd_menu_items},
    {"menu-choose", "HWND INDEX [-timeout MS]",
     "choose item INDEX (from 0, separators counted) with the\n"
     "keyboard; waits for the menu to close (a submenu: to open,\n"
     "then prints \"submenu HWND\")",
     cmd_menu_choose},
    {"menu-opens", "HWND INDEX TITLE [-timeout MS]",
     "choose item INDEX as menu-choose does, then wait for the\n"
     "window TITLE of the menu's process to be visible and drawn\n"
     "whole; prints the milliseconds from the choice to each",
     cmd_menu_opens},
    {"menu-close", "HWND [-timeout MS]", "VK_ESCAPE; waits for that menu to close", cmd_menu_close},
    {"stalls", "HWND (FILE | -for MS) [-timeout MS]",
     "after the window's next wait of half a second or more, send it\n"
     "WM_NULL every millisecond or two until FILE changes size (or for\n"
     "MS); prints the milliseconds from the end of that wait to the\n"
     "change, and the longest wait for an answer meanwhile",
     cmd_stalls},
    {"msgbox", "[-pid P] [-title T] [-timeout MS]", "wait for a message box; prints hwnd, icon, buttons, title, text",
     cmd_msgbox},
    {"msgbox-ok", "HWND [ID] [-timeout MS]",
     "press OK (else Cancel, or the button ID); waits until the box\n"
     "is gone, i.e. the program's MessageBox returned",
     cmd_msgbox_ok},
};

}  // namespace

const CommandGroup kWindowCommands = {"The program's windows:", std::begin(kCommands), std::end(kCommands)};

}  // namespace trayctl
