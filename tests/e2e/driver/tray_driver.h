// Reads Wine's notification area from outside the program under test.
//
// Wine's shell (explorer.exe) receives every Shell_NotifyIcon call and shows
// the icons in one of three ways:
//  - no XEMBED tray manager on the display (plain Xvfb): each icon is a
//    "__winex11_tray_icon" child of one "__winex11_standalone_tray" window,
//    with its own "tooltips_class32" window holding the tip;
//  - with a tray manager: the same icon windows, but top-level and docked;
//  - in a virtual desktop: the shell draws the icons into its visible
//    "Shell_TrayWnd" taskbar, one tooltip tool per icon on that window.
// All of these belong to the shell process, so tips are read by running
// TTM_* messages against buffers allocated inside that process.
//
// Build this for the bitness of the shell: TTTOOLINFOA contains pointers,
// and the shell reads it with its own layout.  The shell Wine starts by
// itself in a win64 prefix is 64-bit; "wine explorer /desktop=..." through
// the 32-bit loader gives a 32-bit one.  A mismatch is reported, not guessed.
// Only windows of the caller's desktop are visible: run the driver inside
// the same virtual desktop as the program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct WindowInfo {
    HWND hwnd = nullptr;
    HWND parent = nullptr;  // GetAncestor(GA_PARENT); the desktop for top-level windows
    HWND owner = nullptr;   // GW_OWNER
    DWORD pid = 0;
    DWORD tid = 0;
    std::string cls;
    std::string title;
    RECT rect{};    // screen coordinates
    RECT client{};  // client area in screen coordinates
    bool visible = false;
    unsigned long long x11_window = 0;  // X window id when Wine published one, else 0
};

WindowInfo describe_window(HWND hwnd);

// EnumWindows-style callback that appends each window to the
// std::vector<HWND> whose address is lp.
BOOL CALLBACK collect_window(HWND h, LPARAM lp);
std::vector<HWND> top_level_windows();
// Every descendant, as EnumChildWindows gives them.
std::vector<HWND> child_windows(HWND parent);
std::string window_text(HWND hwnd);

// Top-level windows (and, with children, all their descendants), in
// EnumWindows order.
std::vector<WindowInfo> list_windows(bool with_children);

// Top-level windows (or, given a parent, its descendants) matching every
// given filter; null/0 filters match all.  Class and title compare exactly
// (class case-insensitively, as Win32 does).
std::vector<HWND> find_windows(const char* cls, const char* title, DWORD pid, HWND parent = nullptr);

// One tool of a tooltips_class32 window in another process.
struct RemoteTip {
    HWND tooltip = nullptr;
    HWND tool_hwnd = nullptr;
    UINT_PTR tool_id = 0;
    RECT tool_rect{};
    UINT flags = 0;          // TTF_*; with TTF_IDISHWND, tool_id is the tool's window
    bool balloon = false;    // the tooltip window shows balloons (TTS_BALLOON): no icon's tip
    bool visible = false;    // the tooltip window is shown
    std::string text;        // exact ANSI bytes, CR included, without the NUL
                             // (read with TTM_GETTEXTA; texts that reach Wine's
                             // 80-byte cap there are re-read as WCHARs)
    bool has_title = false;  // the tooltip told a balloon's title (TTM_GETTITLE)
    std::string title;       // as ANSI bytes
};

// Every tool of every tooltips_class32 top-level window of process `pid`.
bool read_remote_tips(DWORD pid, std::vector<RemoteTip>& out, std::string& err);

struct TrayIcon {
    size_t index = 0;     // position in Tray::icons
    HWND hwnd = nullptr;  // window receiving the icon's mouse input (shell process)
    POINT at{};           // the icon's centre in hwnd's client coordinates
    RECT rect{};          // screen coordinates
    bool visible = false;
    bool has_tip = false;
    std::string tip;
};

struct Tray {
    HWND host = nullptr;  // window showing the icons (standalone tray or taskbar), if any
    DWORD shell_pid = 0;
    WindowInfo host_info;
    std::vector<TrayIcon> icons;  // ordered left to right, top to bottom
};

// Finds the shell's tray, its icons and their tips.  Returns false with
// `err` set when the shell cannot be found or its tips cannot be read; an
// existing shell without icons is a success with an empty icon list.
bool read_tray(Tray& out, std::string& err);

// Polls read_tray until the predicate holds or timeout_ms elapses.
bool wait_for_tip(const std::string& tip, DWORD timeout_ms, TrayIcon* found, std::string& err);
bool wait_for_icon_count(size_t count, DWORD timeout_ms, size_t* last_count, std::string& err);

// Mouse action on a tray icon, delivered to the shell's icon window the way
// a real click would be, so the shell forwards it to the owning program.
enum class Click { Left, Right, Double };
bool click_icon(const TrayIcon& icon, Click kind, std::string& err);

bool post_message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, std::string& err);

}  // namespace e2e
