#include "platform/win32/Win32Picture.h"

#include "common/Failure.h"

namespace netvik::win32 {

namespace {

constexpr char kProperty[] = "NetvikPaintBox";

COLORREF ToColorRef(platform::Colour colour) { return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

// The canvas of a device context, in the font selected into it.
class Win32Canvas : public platform::Canvas {
public:
    explicit Win32Canvas(HDC dc) : dc_(dc) { SetBkMode(dc_, TRANSPARENT); }
    void Fill(const platform::Box& box, platform::Colour colour) override {
        if (box.width <= 0 || box.height <= 0) return;
        const RECT rect = {box.left, box.top, box.left + box.width, box.top + box.height};
        SetBkColor(dc_, ToColorRef(colour));
        ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);  // the fastest fill every Windows has
    }
    void Text(int left, int top, const std::string& text, platform::Colour colour) override {
        SetTextColor(dc_, ToColorRef(colour));
        TextOutA(dc_, left, top, text.c_str(), static_cast<int>(text.size()));
    }
    int TextWidth(const std::string& text) override {
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
    int TextHeight() override {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_, &metrics);
        return metrics.tmHeight;
    }

private:
    HDC dc_;
};

bool KeyOf(WPARAM key, platform::Key& out) {
    switch (key) {
        case VK_LEFT: out = platform::Key::Left; return true;
        case VK_RIGHT: out = platform::Key::Right; return true;
        case VK_UP: out = platform::Key::Up; return true;
        case VK_DOWN: out = platform::Key::Down; return true;
        case VK_HOME: out = platform::Key::Home; return true;
        case VK_END: out = platform::Key::End; return true;
        default: return false;
    }
}

}  // namespace

void Win32PaintBox::Register(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kClassName, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Win32PaintBox::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    if (RegisterClassA(&wc) == 0) Fail("cannot register the picture's window class");
}

Win32PaintBox::Win32PaintBox(HWND window, const platform::Slot& slot) : Win32Control(window, slot) {
    SetPropA(window_, kProperty, this);
}

Win32PaintBox::~Win32PaintBox() { RemovePropA(window_, kProperty); }

int Win32PaintBox::Width() const {
    RECT client;
    GetClientRect(window_, &client);
    return client.right;
}

int Win32PaintBox::Height() const {
    RECT client;
    GetClientRect(window_, &client);
    return client.bottom;
}

void Win32PaintBox::PaintInto(HDC target) {
    const int width = Width(), height = Height();
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(window_, GWLP_USERDATA)));
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    Win32Canvas canvas(dc);
    if (Paint) Paint(canvas);
    if (Focused()) DrawFocusRect(dc, &all);
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

LRESULT CALLBACK Win32PaintBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The font comes before the wrapper does.
    if (message == WM_SETFONT) {
        SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    if (message == WM_GETFONT) return GetWindowLongPtrA(window, GWLP_USERDATA);
    auto* self = static_cast<Win32PaintBox*>(GetPropA(window, kProperty));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    platform::Key key;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            self->PaintInto(BeginPaint(window, &paint));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: self->PaintInto(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_ERASEBKGND: return 1;  // the painting covers it all
        case WM_MOUSEMOVE:
            if (self->PointerMoved) {
                self->PointerMoved(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            }
            return 0;
        case WM_LBUTTONDOWN: SetFocus(window); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: self->Redraw(); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (KeyOf(wParam, key) && self->KeyPressed) {
                self->KeyPressed(key);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace netvik::win32
