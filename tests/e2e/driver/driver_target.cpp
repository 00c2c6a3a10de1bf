// driver_target: a small ANSI GUI program for the driver's self-test.  It
// shows the kinds of controls the real program uses and writes what it
// receives to a log, one line per event, so a script can check that trayctl
// reached the program the way a user would.
//
// usage: driver_target.exe LOGFILE
//
// Log lines: "start greeting=<escaped> bytes=N nul=0|1", "char 0xHH",
// "rejected 0xHH", "keydown 0xHH", "keyup 0xHH", "msgbox N", "msgbox2 N", "check N",
// "menu N" (0: nothing chosen), "trackbar N", "saved", "return", "escape",
// "report".
// Its registry key is HKLM\Software\NetvikDriverTest.
#include <windows.h>
//
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "text_escape.h"

namespace {

const char kKey[] = "Software\\NetvikDriverTest";
const char kMessageText[] = "The host did not answer.\rCheck the cable.";

enum : int {
    kIdLabel = 1000,
    kIdHost = 1001,
    kIdMessage = 1002,
    kIdRemember = 1003,
    kIdDelay = 1004,
    kIdMenu = 1005,
    kIdOptions = 1006,
    kIdSave = 1007,
    kIdLocked = 1008,
    kIdPanel = 1009,
    kIdFast = 1010,
};
enum : UINT {
    kMenuOpen = 101,
    kMenuPause = 102,
    kMenuSettings = 103,
    kMenuSubFirst = 104,
    kMenuExit = 105,
};
// Posted by a script to open the popup menu without a click, a second
// message box (wParam 0: a warning with OK and Cancel, 1: no icon), and the
// report: a window with a list, a balloon, and a text on the clipboard.
const UINT kShowMenuMessage = WM_APP + 1;
const UINT kShowMessageMessage = WM_APP + 2;
const UINT kShowReportMessage = WM_APP + 3;

std::string g_log;
HWND g_main = nullptr;
WNDPROC g_edit_proc = nullptr;

void log_line(const std::string& line) {
    HANDLE f = CreateFileA(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD done = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
    CloseHandle(f);
}

std::string hex_line(const char* what, unsigned value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s 0x%02x", what, value);
    return buf;
}

// The edit's keystroke filter: spaces are refused, as a host name has none.
LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CHAR:
            if (wp == ' ') {
                log_line(hex_line("rejected", unsigned(wp)));
                MessageBeep(MB_OK);
                return 0;
            }
            log_line(hex_line("char", unsigned(wp)));
            break;
        case WM_KEYDOWN: log_line(hex_line("keydown", unsigned(wp))); break;
        case WM_KEYUP: log_line(hex_line("keyup", unsigned(wp))); break;
    }
    return CallWindowProcA(g_edit_proc, hwnd, msg, wp, lp);
}

void show_menu(HWND hwnd) {
    HMENU sub = CreatePopupMenu();
    AppendMenuA(sub, MF_STRING, kMenuSubFirst, "&First");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kMenuOpen, "&Open");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, kMenuPause, "&Pause");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_CHECKED, kMenuSettings, "&Settings...\tCtrl+S");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&More");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kMenuExit, "E&xit");
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(hwnd);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
    PostMessageA(hwnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
    log_line("menu " + std::to_string(chosen));
}

void save(HWND hwnd) {
    char text[64] = {};
    GetDlgItemTextA(hwnd, kIdHost, text, sizeof text);
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != 0) {
        log_line("save failed");
        return;
    }
    // The host as an ANSI program usually stores it: with its NUL; the
    // delay as a number.
    RegSetValueExA(key, "Host", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(std::strlen(text) + 1));
    const DWORD delay = DWORD(SendDlgItemMessageA(hwnd, kIdDelay, TBM_GETPOS, 0, 0));
    RegSetValueExA(key, "Delay", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&delay), sizeof delay);
    RegCloseKey(key);
    log_line("saved");
}

// A window with a two-column list of two rows, a balloon over it, and the
// report on the clipboard.
void show_report(HWND owner) {
    HWND report = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | WS_BORDER | LVS_REPORT, 100, 380, 360,
                                  100, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    const char* const cells[2][2] = {{"2026-01-02 10:00", "beyond \"the\" router"}, {"", "still down"}};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.cx = 160;
        c.pszText = const_cast<char*>(column ? "Where" : "From");
        SendMessageA(report, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
    }
    for (int row = 0; row < 2; ++row) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(cells[row][0]);
        SendMessageA(report, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(cells[row][1]);
        SendMessageA(report, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
    HWND balloon = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX, 0, 0,
                                   0, 0, report, nullptr, GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_TRACK;
    ti.hwnd = report;
    ti.lpszText = const_cast<char*>("Line one\rline two");
    SendMessageA(balloon, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(balloon, TTM_SETTITLEA, TTI_WARNING, reinterpret_cast<LPARAM>("Driver \"notice\""));
    SendMessageA(balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));

    const char text[] = "Report\r\nline two\r\n";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    log_line("report");
}

LRESULT CALLBACK main_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kIdMessage:
                    log_line("msgbox " +
                             std::to_string(MessageBoxA(hwnd, kMessageText, "Driver Target", MB_OK | MB_ICONERROR)));
                    return 0;
                case kIdRemember:
                    log_line("check " + std::to_string(SendDlgItemMessageA(hwnd, kIdRemember, BM_GETCHECK, 0, 0)));
                    return 0;
                case kIdMenu: show_menu(hwnd); return 0;
                case kIdSave: save(hwnd); return 0;
                case IDOK: log_line("return"); return 0;
                case IDCANCEL: log_line("escape"); return 0;
            }
            break;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == GetDlgItem(hwnd, kIdDelay) && LOWORD(wp) == TB_ENDTRACK)
                log_line("trackbar " + std::to_string(SendMessageA(HWND(lp), TBM_GETPOS, 0, 0)));
            return 0;
        case kShowMenuMessage: show_menu(hwnd); return 0;
        case kShowReportMessage: show_report(hwnd); return 0;
        case kShowMessageMessage: {
            const UINT style = wp ? MB_OK : MB_OKCANCEL | MB_ICONWARNING;
            log_line("msgbox2 " + std::to_string(MessageBoxA(hwnd, "Settings saved.", "Driver Notice", style)));
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND control(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(c, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

void add_tip(HWND tips, HWND tool, const char* text) {
    TOOLINFOA ti;
    std::memset(&ti, 0, sizeof ti);
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = g_main;
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = const_cast<char*>(text);
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

// The greeting a script planted before the start, read the way an ANSI
// program reads it; shown in the edit.
std::string read_greeting() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) != 0) return "start greeting=-";
    char data[256] = {};
    DWORD type = 0, size = sizeof data;
    LONG rc = RegQueryValueExA(key, "Greeting", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (rc != 0 || type != REG_SZ) return "start greeting=-";
    const bool nul = size > 0 && data[size - 1] == '\0';
    const std::string text(data, nul ? size - 1 : size);
    SetDlgItemTextA(g_main, kIdHost, text.c_str());
    return "start greeting=" + e2e::escape_text(text) + " bytes=" + std::to_string(size) + " nul=" + (nul ? "1" : "0");
}

void create_controls(HWND w) {
    control(w, "STATIC", "&Host:", SS_LEFT, 10, 14, 50, 20, kIdLabel);
    HWND host = control(w, "EDIT", "", WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, 70, 10, 160, 22, kIdHost);
    SendMessageA(host, EM_LIMITTEXT, 15, 0);
    g_edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reinterpret_cast<void*>(edit_proc))));
    HWND message = control(w, "BUTTON", "&Message", BS_PUSHBUTTON | WS_TABSTOP, 240, 10, 90, 24, kIdMessage);
    control(w, "BUTTON", "Options", BS_GROUPBOX, 10, 44, 320, 100, kIdOptions);
    control(w, "BUTTON", "&Remember", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 20, 64, 120, 20, kIdRemember);
    HWND delay = control(w, "msctls_trackbar32", "", TBS_AUTOTICKS | WS_TABSTOP, 20, 90, 300, 40, kIdDelay);
    SendMessageA(delay, TBM_SETRANGE, TRUE, MAKELPARAM(1, 15));
    SendMessageA(delay, TBM_SETPAGESIZE, 0, 5);
    SendMessageA(delay, TBM_SETTICFREQ, 1, 0);
    SendMessageA(delay, TBM_SETPOS, TRUE, 3);
    control(w, "BUTTON", "Me&nu", BS_PUSHBUTTON | WS_TABSTOP, 10, 154, 90, 24, kIdMenu);
    control(w, "BUTTON", "&Save", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 154, 90, 24, kIdSave);
    control(w, "BUTTON", "Locked", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 210, 154, 90, 24, kIdLocked);
    // A control inside another, as in a frame.
    HWND panel = control(w, "STATIC", "", SS_LEFT, 10, 186, 150, 24, kIdPanel);
    control(panel, "BUTTON", "&Fast", BS_AUTORADIOBUTTON, 2, 2, 80, 20, kIdFast);

    HWND tips =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, w, nullptr, GetModuleHandleA(nullptr), nullptr);
    add_tip(tips, host, "Host name or address,\rup to 15 characters");
    add_tip(tips, message, "Shows a message");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdline, int show) {
    g_log = cmdline;
    if (g_log.size() >= 2 && g_log.front() == '"' && g_log.back() == '"') g_log = g_log.substr(1, g_log.size() - 2);
    if (g_log.empty()) {
        MessageBoxA(nullptr, "usage: driver_target.exe LOGFILE", "Driver Target", MB_OK);
        return 2;
    }
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = main_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "DriverTargetWindow";
    RegisterClassA(&wc);
    g_main = CreateWindowExA(0, wc.lpszClassName, "Driver Target", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100,
                             360, 260, nullptr, nullptr, instance, nullptr);
    create_controls(g_main);
    log_line(read_greeting());
    ShowWindow(g_main, show);
    UpdateWindow(g_main);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(g_main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    log_line("exit");
    return 0;
}
