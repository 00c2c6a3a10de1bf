#include "app/LaidOutWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/TextFit.h"
#include "common/Failure.h"
#include "monitor/MainResources.h"

namespace netvik::app {

namespace {

using platform::ControlKind;

constexpr int kTwipsPerInch = 1440;
// The dialog font of the panel and of windows of their own; the dialogs
// over them take the system's GUI font.
constexpr WORD kFontPoints = 8;
constexpr char kFontName[] = "MS Shell Dlg";

void AddText(std::vector<WORD>& words, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) words.push_back(static_cast<unsigned char>(*c));
    words.push_back(0);
}

// An empty dialog template of the window's kind: the controls are created
// afterwards, in pixels.
std::vector<WORD> EmptyTemplate(const platform::WindowLayout& layout) {
    DLGTEMPLATE header{};
    const bool dialog = layout.kind == platform::WindowKind::Dialog;
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU |
                   (dialog ? DS_MODALFRAME : WS_MINIMIZEBOX | DS_SETFONT | DS_3DLOOK) |
                   (layout.kind == platform::WindowKind::Window ? WS_THICKFRAME | WS_MAXIMIZEBOX : 0);
    header.dwExtendedStyle = layout.kind == platform::WindowKind::Window ? WS_EX_APPWINDOW : 0;
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    if (layout.kind == platform::WindowKind::Panel) {
        AddText(words, LaidOutWindow::kPanelClass);
    } else {
        words.push_back(0);  // the standard dialog class
    }
    AddText(words, layout.caption);
    if (!dialog) {
        words.push_back(kFontPoints);
        AddText(words, kFontName);
    }
    return words;
}

void RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, LaidOutWindow::kPanelClass, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_NETVIK));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = LaidOutWindow::kPanelClass;
    if (RegisterClassA(&wc) == 0) Fail("cannot register the main window class");
}

// Twips into pixels, with the screen's pixels per inch.
struct Twips {
    int dpiX, dpiY;
    int X(int twips) const { return MulDiv(twips, dpiX, kTwipsPerInch); }
    int Y(int twips) const { return MulDiv(twips, dpiY, kTwipsPerInch); }
};

struct WindowKind {
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
};

// The window of a layout's control.
WindowKind KindOf(const platform::ControlLayout& c) {
    constexpr DWORD kTabStop = WS_TABSTOP;
    switch (c.kind) {
        case ControlKind::Label: {
            DWORD style = SS_LEFT;
            if ((c.style & platform::kNoPrefix) != 0) style |= SS_NOPREFIX;
            if ((c.style & platform::kVerticalCentre) != 0) style |= SS_CENTERIMAGE;
            return {"STATIC", style, 0};
        }
        case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::TextBox: return {"EDIT", kTabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox: return {"COMBOBOX", kTabStop | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::Button:
            return {"BUTTON", kTabStop | ((c.style & platform::kDefault) != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::CheckBox: return {"BUTTON", kTabStop | BS_AUTOCHECKBOX, 0};
        case ControlKind::Slider: return {TRACKBAR_CLASSA, kTabStop | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM, 0};
        case ControlKind::ListView:
            return {WC_LISTVIEWA, kTabStop | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Picture: return {win32::Win32PaintBox::kClassName, kTabStop, 0};
    }
    return {"STATIC", 0, 0};
}

}  // namespace

LaidOutWindow::LaidOutWindow(HINSTANCE instance, HWND owner, const platform::WindowLayout& layout,
                             const platform::Parts& parts)
    : parts_(parts) {
    if (layout.kind == platform::WindowKind::Panel) RegisterPanelClass(instance);
    win32::Win32PaintBox::Register(instance);
    const std::vector<WORD> empty = EmptyTemplate(layout);
    window_ = CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(empty.data()), owner,
                                         &Procedure, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr)
        Fail(std::string("cannot create the window \"") + layout.caption + "\" (error " +
             std::to_string(GetLastError()) + ")");

    const HDC screen = GetDC(nullptr);
    const Twips twips{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    const auto font = layout.kind == platform::WindowKind::Dialog
                          ? reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT))
                          : static_cast<WPARAM>(SendMessageA(window_, WM_GETFONT, 0, 0));
    for (std::size_t i = 0; i < layout.count; ++i) {
        const platform::ControlLayout& c = layout.controls[i];
        const WindowKind kind = KindOf(c);
        const DWORD group = (c.style & platform::kGroup) != 0 ? WS_GROUP : 0;
        const HWND control =
            CreateWindowExA(kind.exStyle, kind.windowClass, c.text, WS_CHILD | WS_VISIBLE | kind.style | group,
                            twips.X(c.left), twips.Y(c.top), twips.X(c.width), twips.Y(c.height), window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (control == nullptr) Fail("cannot create a window's control");
        SendMessageA(control, WM_SETFONT, font, FALSE);
        if (c.tip != nullptr) AddTip(control, c.tip);
    }
    // The system's font grows faster than the screen's resolution: a label
    // that its text outgrows grows, and the window with it.
    const int grown = FitTexts(window_);
    design_ = {twips.X(layout.width), twips.Y(layout.height) + grown};
    if (layout.kind == platform::WindowKind::Window) {
        for (std::size_t i = 0; i < layout.count; ++i) {
            const HWND control = GetDlgItem(window_, layout.controls[i].id);
            Placed placed{control, {}, layout.controls[i].style};
            GetWindowRect(control, &placed.rect);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&placed.rect), 2);
            placed_.push_back(placed);
        }
        // The program's icon in the caption and on the task bar.
        for (const auto& [which, size] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
            const int pixels = GetSystemMetrics(size);
            SendMessageA(window_, WM_SETICON, which,
                         reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_NETVIK), IMAGE_ICON, pixels,
                                                             pixels, LR_SHARED)));
        }
    }
    Place(owner, layout.kind, design_.cx, design_.cy);
}

LaidOutWindow::~LaidOutWindow() {
    Detach();
    if (tips_ != nullptr) DestroyWindow(tips_);
    DestroyWindow(window_);
}

void LaidOutWindow::Detach() { SetWindowLongPtrA(window_, DWLP_USER, 0); }

INT_PTR CALLBACK LaidOutWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::DialogOwner<LaidOutWindow>(window, message, lParam);
    // A window the user can resize lays its controls out anew at any size,
    // its first included.
    if (self != nullptr && message == WM_SIZE && wParam != SIZE_MINIMIZED && !self->placed_.empty()) {
        self->Follow(LOWORD(lParam), HIWORD(lParam));
    }
    if (self != nullptr && message == WM_GETMINMAXINFO && !self->placed_.empty()) {
        // Never smaller than two thirds of the design.
        RECT least = {0, 0, self->design_.cx * 2 / 3, self->design_.cy * 2 / 3};
        AdjustWindowRectEx(&least, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.right - least.left, least.bottom - least.top};
        return TRUE;
    }
    auto* form = self == nullptr ? nullptr : self->parts_.Lookup<win32::Win32Window>(platform::kWindowId);
    if (form == nullptr) return message == WM_INITDIALOG ? TRUE : FALSE;
    if (message == WM_TIMER) {
        const platform::Timer* timer = self->parts_.Lookup<platform::Timer>(static_cast<int>(wParam));
        if (timer != nullptr && timer->Tick) timer->Tick();
        return TRUE;
    }
    return win32::RouteDialogMessage(*form, message, wParam, lParam);
}

void LaidOutWindow::AddTip(HWND control, const char* tip) {
    if (tips_ == nullptr) {
        tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE)), nullptr);
        if (tips_ == nullptr) Fail("cannot create the tooltips");
        // Long tips break into lines instead of running off the screen.
        SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    // The first layout of the record, which every version of the control takes.
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(tip);
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The window with a client area of that size: a dialog centred over its
// owner, any other at the screen's top left; a window the user can resize
// no larger than the screen's work area.
void LaidOutWindow::Place(HWND owner, platform::WindowKind kind, int width, int height) {
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE)));
    int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    int left = 0, top = 0;
    if (kind == platform::WindowKind::Dialog && owner != nullptr) {
        RECT over;
        GetWindowRect(owner, &over);
        left = (over.left + over.right - outerWidth) / 2;
        top = (over.top + over.bottom - outerHeight) / 2;
    }
    RECT work;
    if (kind == platform::WindowKind::Window && SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        left = work.left;
        top = work.top;
        outerWidth = std::min<int>(outerWidth, work.right - work.left);
        outerHeight = std::min<int>(outerHeight, work.bottom - work.top);
    }
    SetWindowPos(window_, nullptr, left, top, outerWidth, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each control that follows the window's edges, as far as they moved from
// where the design has them.
void LaidOutWindow::Follow(int width, int height) {
    const int dx = width - design_.cx, dy = height - design_.cy;
    for (const Placed& placed : placed_) {
        RECT rect = placed.rect;
        if ((placed.style & platform::kRight) != 0) OffsetRect(&rect, dx, 0);
        if ((placed.style & platform::kDown) != 0) OffsetRect(&rect, 0, dy);
        if ((placed.style & platform::kWider) != 0) rect.right += dx;
        if ((placed.style & platform::kTaller) != 0) rect.bottom += dy;
        SetWindowPos(placed.control, nullptr, rect.left, rect.top, std::max<int>(rect.right - rect.left, 1),
                     std::max<int>(rect.bottom - rect.top, 1), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace netvik::app
