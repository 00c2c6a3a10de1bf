#include "app/TwipsDialog.h"

#include <cstring>

#include "app/TextFit.h"
#include "common/Failure.h"

namespace netvik::app {

namespace {

using Kind = ControlLayout::Kind;

constexpr int kTwipsPerInch = 1440;
constexpr int kFirstControlId = 100;

// An empty dialog template: the controls are created afterwards, in pixels.
std::vector<WORD> EmptyTemplate(const char* caption) {
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (const char* c = caption; *c != '\0'; ++c) words.push_back(static_cast<unsigned char>(*c));
    words.push_back(0);
    return words;
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
    int id;
};

// The window of a layout's control. Ok and Cancel carry the ids that Enter
// and Escape press.
WindowKind KindOf(Kind kind, int id) {
    constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kTabStop = kControl | WS_TABSTOP;
    switch (kind) {
        case Kind::Label: return {"STATIC", kControl | SS_LEFT, 0, id};
        case Kind::TextBox: return {"EDIT", kTabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, id};
        case Kind::ComboBox: return {"COMBOBOX", kTabStop | CBS_DROPDOWNLIST | WS_VSCROLL, 0, id};
        case Kind::Button: return {"BUTTON", kTabStop | BS_PUSHBUTTON, 0, id};
        case Kind::DefaultButton: return {"BUTTON", kTabStop | BS_DEFPUSHBUTTON, 0, IDOK};
        case Kind::CancelButton: return {"BUTTON", kTabStop | BS_PUSHBUTTON, 0, IDCANCEL};
    }
    return {"STATIC", kControl, 0, id};
}

}  // namespace

TwipsDialog::TwipsDialog(HWND owner, const DialogLayout& layout) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    const std::vector<WORD> empty = EmptyTemplate(layout.caption);
    Take(CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(empty.data()), owner, &Procedure,
                                    Parameter()));

    const HDC screen = GetDC(nullptr);
    const Twips twips{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    for (std::size_t i = 0; i < layout.count; ++i) {
        const ControlLayout& c = layout.controls[i];
        const WindowKind kind = KindOf(c.kind, kFirstControlId + static_cast<int>(i));
        // The first control, where Tab starts, begins the dialog's one group.
        const HWND control =
            CreateWindowExA(kind.exStyle, kind.windowClass, c.text, kind.style | (i == 0 ? WS_GROUP : 0),
                            twips.X(c.left), twips.Y(c.top), twips.X(c.width), twips.Y(c.height), Hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kind.id)), instance, nullptr);
        if (control == nullptr) Fail("cannot create a dialog's control");
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        controls_.push_back(control);
    }
    // The system's font grows faster than the screen's resolution: a label
    // that its text outgrows grows, and the dialog with it.
    const int grown = FitTexts(Hwnd());
    PlaceOver(owner, twips.X(layout.width), twips.Y(layout.height) + grown);
}

// The window with a client area of that size, centred over its owner.
void TwipsDialog::PlaceOver(HWND owner, int width, int height) {
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE)));
    RECT over;
    GetWindowRect(owner, &over);
    const int outerWidth = frame.right - frame.left;
    const int outerHeight = frame.bottom - frame.top;
    SetWindowPos(Hwnd(), nullptr, (over.left + over.right - outerWidth) / 2, (over.top + over.bottom - outerHeight) / 2,
                 outerWidth, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace netvik::app
