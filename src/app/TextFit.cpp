#include "app/TextFit.h"

#include <vector>

namespace netvik::app {

namespace {

struct Control {
    HWND window;
    RECT rect;  // in the dialog's client area
};

// A static control that shows text, wrapped at its width.
bool IsLabel(HWND window) {
    char name[8] = {};
    GetClassNameA(window, name, sizeof name);
    const LONG type = GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiA(name, "Static") == 0 && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
}

// The height the label's text takes at that width, drawn as the label draws
// it, with its font.
int NeededHeight(HWND label, int width) {
    char text[512] = {};
    if (GetWindowTextA(label, text, sizeof text) == 0) return 0;
    const LONG style = GetWindowLongA(label, GWL_STYLE);
    UINT format = DT_CALCRECT | DT_EXPANDTABS | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    format |= (style & SS_CENTERIMAGE) != 0 ? DT_SINGLELINE : DT_WORDBREAK;
    RECT need = {0, 0, width, 0};
    const HDC dc = GetDC(label);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &need, format);
    SelectObject(dc, font);
    ReleaseDC(label, dc);
    return need.bottom;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.right >= inner.right && outer.top <= inner.top &&
           outer.bottom >= inner.bottom;
}

}  // namespace

int FitTexts(HWND dialog) {
    std::vector<Control> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(c, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        controls.push_back({c, rect});
    }
    int grown = 0;
    for (Control& label : controls) {
        if (!IsLabel(label.window)) continue;
        const int more =
            NeededHeight(label.window, label.rect.right - label.rect.left) - (label.rect.bottom - label.rect.top);
        if (more <= 0) continue;
        const RECT before = label.rect;
        label.rect.bottom += more;
        for (Control& other : controls) {
            if (&other == &label) continue;
            if (other.rect.top >= before.bottom) {
                OffsetRect(&other.rect, 0, more);
            } else if (Contains(other.rect, before)) {
                other.rect.bottom += more;
            }
        }
        grown += more;
    }
    if (grown == 0) return 0;
    for (const Control& c : controls) {
        SetWindowPos(c.window, nullptr, c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + grown,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return grown;
}

}  // namespace netvik::app
