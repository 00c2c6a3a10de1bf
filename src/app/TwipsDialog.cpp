#include "app/TwipsDialog.h"

#include <cstring>
#include <stdexcept>

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

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

TwipsDialog::TwipsDialog(HWND owner, const DialogLayout& layout)
    : form_(nullptr) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    const std::vector<WORD> empty = EmptyTemplate(layout.caption);
    window_.reset(CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(empty.data()), owner,
                                             &TwipsDialog::DialogProc, reinterpret_cast<LPARAM>(this)));
    if (window_ == nullptr) throw std::runtime_error("cannot create a dialog");
    form_ = win32::Win32Window(Hwnd());
    SetWindowTextA(Hwnd(), layout.caption);

    const HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    auto x = [&](int twips) { return MulDiv(twips, dpiX, kTwipsPerInch); };
    auto y = [&](int twips) { return MulDiv(twips, dpiY, kTwipsPerInch); };

    RECT frame = {0, 0, x(layout.width), y(layout.height)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE)));
    RECT over;
    GetWindowRect(owner, &over);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(Hwnd(), nullptr, (over.left + over.right - width) / 2, (over.top + over.bottom - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);

    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    bool first = true;
    for (std::size_t i = 0; i < layout.count; ++i) {
        const ControlLayout& c = layout.controls[i];
        const char* windowClass = "BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        DWORD exStyle = 0;
        int id = kFirstControlId + static_cast<int>(i);
        switch (c.kind) {
            case Kind::Label: windowClass = "STATIC", style = WS_CHILD | WS_VISIBLE | SS_LEFT; break;
            case Kind::TextBox: windowClass = "EDIT", style |= ES_AUTOHSCROLL, exStyle = WS_EX_CLIENTEDGE; break;
            case Kind::ComboBox: windowClass = "COMBOBOX", style |= CBS_DROPDOWNLIST | WS_VSCROLL; break;
            case Kind::Button: style |= BS_PUSHBUTTON; break;
            case Kind::DefaultButton: style |= BS_DEFPUSHBUTTON, id = IDOK; break;
            case Kind::CancelButton: style |= BS_PUSHBUTTON, id = IDCANCEL; break;
        }
        if (first && (style & WS_TABSTOP) != 0) style |= WS_GROUP, first = false;
        const HWND control = CreateWindowExA(exStyle, windowClass, c.text, style, x(c.left), y(c.top), x(c.width),
                                             y(c.height), Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                             instance, nullptr);
        if (control == nullptr) throw std::runtime_error("cannot create a dialog's control");
        SendMessageA(control, WM_SETFONT, font, FALSE);
        controls_.push_back(control);
    }
}

void TwipsDialog::Destroyer::operator()(HWND window) const {
    SetWindowLongPtrA(window, DWLP_USER, 0);  // no message reaches the wrappers any more
    DestroyWindow(window);
}

INT_PTR CALLBACK TwipsDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;  // the focus goes where the first control takes it
    }
    auto* self = reinterpret_cast<TwipsDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr || self->form_.Hwnd() == nullptr) return FALSE;
    switch (message) {
        case WM_SIZE: Run(self->form_.Resize); return TRUE;
        case WM_CLOSE: Run(self->form_.QueryUnload); return TRUE;
        case WM_COMMAND: return win32::RunControlEvent(message, wParam, lParam) ? TRUE : FALSE;
        default: return FALSE;
    }
}

GatewayIPsWindow::GatewayIPsWindow(HWND owner)
    : dialog_(owner, frmGatewayIPs::kLayout),
      list_(dialog_.Control(0)),
      cancel_(dialog_.Control(1)),
      ok_(dialog_.Control(2)) {}

IAddressWindow::IAddressWindow(HWND owner)
    : dialog_(owner, frmIAddress::kLayout),
      url_(dialog_.Control(0), frmIAddress::kUrlMaxLength),
      default_(dialog_.Control(1)),
      reset_(dialog_.Control(2)),
      cancel_(dialog_.Control(3)),
      ok_(dialog_.Control(4)) {}

}  // namespace netvik::app
