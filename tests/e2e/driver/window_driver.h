// Reads and drives the program's own windows from outside: its controls,
// popup menus, message boxes and tooltips.
//
// Texts travel with WM_GETTEXT / WM_SETTEXT, which Wine (like Windows)
// carries across processes; input is delivered as messages to the window
// that a user's keystroke or click would have reached.  Whatever needs the
// program's memory (tooltip tools, menus) runs against blocks allocated in
// its process, so the driver must have the program's bitness.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The window's text as WM_GETTEXT gives it to an ANSI program, whole.
bool read_text(HWND hwnd, std::string& text, std::string& err);
bool write_text(HWND hwnd, const std::string& text, std::string& err);

// The cells of a list view (SysListView32) of the program, row by row,
// read with LVM_GETITEMTEXTA through its memory; a column for each of its
// header's items (one without a header has one).
bool read_list_rows(HWND list, std::vector<std::vector<std::string>>& rows, std::string& err);

// Milliseconds of a clock precise to far below one, for timing what the
// user waits for.
double precise_ms();

// Waits until a top-level window of process pid titled title is shown and
// drawn whole: visible, the program done with the message that showed it,
// and nothing of it or of its visible controls left to paint. The times
// (precise_ms) at which it was visible and drawn.
bool wait_drawn(DWORD pid, const char* title, DWORD timeout_ms, double& visible, double& drawn, std::string& err);

// The text on the clipboard (CF_TEXT), whole up to its NUL.
bool read_clipboard_text(std::string& text, std::string& err);

struct ControlInfo {
    HWND hwnd = nullptr;
    HWND parent = nullptr;
    int depth = 0;  // 0 for children of the window asked about
    unsigned id = 0;
    std::string cls;
    DWORD style = 0;
    RECT rect{};  // screen coordinates
    std::string text;
    const char* button = nullptr;  // BS_ type name for buttons
    int check = -1;                // BM_GETCHECK of check boxes and radio buttons
    long long limit = -1;          // EM_GETLIMITTEXT of edits
    bool trackbar = false;
    long tb_min = 0, tb_max = 0, tb_pos = 0, tb_line = 0, tb_page = 0, tb_tics = 0;
};

// "pushbutton", "autocheckbox", "groupbox", ... for a BUTTON style.
const char* button_type_name(DWORD style);

bool describe_control(HWND hwnd, ControlInfo& out, std::string& err);
// Every descendant in z-order, depth first (GW_CHILD, GW_HWNDNEXT).
bool list_controls(HWND parent, std::vector<ControlInfo>& out, std::string& err);
// The first descendant, in that order, whose control id is `id`.
HWND find_control(HWND parent, unsigned id, int* depth = nullptr);

// Whether a user could reach the window: it and all its ancestors are
// visible and enabled.  `why` says what is in the way.
bool reachable(HWND hwnd, std::string& why);

// The keyboard state of the thread that owns `window`, read from outside
// (GetGUIThreadInfo): its active window, the window with the focus and the
// one with a caret (nullptr for none), and the focused edit box's selection.
struct FocusInfo {
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND caret = nullptr;
    bool edit = false;  // the focus is an edit box: the selection is read
    DWORD sel_start = 0, sel_end = 0;
};
bool read_focus(HWND window, FocusInfo& out, std::string& err);

enum class ClickOutcome {
    Done,     // the handler returned within the wait
    Modal,    // the handler opened a menu or dialog and waits in it
    Running,  // the handler was still busy when the wait ended
};
// Sends BM_CLICK without blocking on the program and waits up to wait_ms for
// its handler to return, or to open a modal window (then `modal` is it).
bool click_button(HWND button, DWORD wait_ms, ClickOutcome& outcome, HWND& modal, std::string& err);

// Keyboard input as a message loop receives it from the keyboard.
bool parse_vk(const std::string& name, unsigned& vk);
bool is_extended_key(unsigned vk);
LPARAM key_lparam(unsigned scan, bool extended, bool up);
enum class KeyAction { Down, Up, Press };
bool post_key(HWND hwnd, unsigned vk, KeyAction action, std::string& err);
// Posts WM_CHAR for every byte, in order, pausing delay_ms between them.
bool post_chars(HWND hwnd, const std::string& bytes, DWORD delay_ms, std::string& err);

// Visible popup menus ("#32768") of process `pid` (0: any), topmost first.
std::vector<HWND> find_menus(DWORD pid);

struct MenuItem {
    UINT id = 0;
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    bool popup = false;
    bool is_default = false;
    std::string text;  // with its & and \t, as the program gave it
};
// The items of the menu a menu window shows.  Wine keeps menus per
// process, so where the menu cannot be read from here it is read inside the
// program by a short-lived thread (`how` tells which way was taken).
bool read_menu(HWND menu_window, std::vector<MenuItem>& items, std::string& how, std::string& err);

// VK_DOWN presses after VK_HOME that select item `index`: menus skip
// separators (and only those) when moving.
bool menu_downs(const std::vector<MenuItem>& items, size_t index, size_t& downs, std::string& err);
// Chooses item `index` with the keyboard, as a user would, and waits up to
// wait_ms for the menu to close (or, for a submenu item, for it to open;
// then `submenu` is its window). chosen_at, when given, gets the time
// (precise_ms) at which the choosing key went to the menu.
bool choose_menu_item(HWND menu_window, size_t index, DWORD wait_ms, HWND& submenu, std::string& err,
                      double* chosen_at = nullptr);
bool close_menu(HWND menu_window, DWORD wait_ms, std::string& err);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    DWORD pid = 0;
    std::string title;
    std::string text;
    std::string icon;  // none, error, warning, information, question,
                       // application, or unknown when the picture matches
                       // none of them
    SIZE icon_size{};
    std::vector<std::pair<unsigned, std::string>> buttons;  // id, text
};
// Visible top-level message boxes (dialogs with a text static of id 0xFFFF)
// of process `pid` (0: any), optionally with the exact title, topmost first.
std::vector<HWND> find_message_boxes(DWORD pid, const std::string* title);
bool read_message_box(HWND box, MessageBoxInfo& out, std::string& err);
// Clicks the button with `id` (0: OK, else Cancel) and waits until the box
// is destroyed, i.e. the program's MessageBox call returns.
bool press_message_box(HWND box, unsigned id, DWORD wait_ms, std::string& err);

// Moves the real pointer to the window's centre (`at`, screen coordinates).
bool hover(HWND hwnd, POINT& at, std::string& err);

struct ShownTip {
    HWND tooltip = nullptr;
    HWND tool = nullptr;  // window of the current tool, when it can be read
    unsigned tool_id = 0;
    RECT rect{};
    std::string text;
};
// A visible tooltip window of process `pid` (with that text, if given).
bool find_shown_tip(DWORD pid, const std::string* text, ShownTip& out, std::string& err);

}  // namespace e2e
