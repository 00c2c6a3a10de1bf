// Message boxes: finding them, reading their texts, buttons and icon, and
// pressing a button.
#include "window_driver.h"

#include <cstring>

#include "tray_driver.h"
#include "window_common.h"

namespace e2e {

namespace {

const unsigned kMessageTextId = 0xFFFF;  // the text static of a message box

// The icon a message box shows
//
// The icon static holds a handle that means nothing outside the program,
// and Wine cannot hand out its pixels across processes either.  What the
// static shows on screen can be compared with the stock icons as this
// process draws them: pixels that come out the same over black and over
// white are the icon's opaque ones, and those must all match.

struct Pixels {
    int w = 0, h = 0;
    std::vector<DWORD> px;  // 0x00RRGGBB, top row first
};

bool capture(HDC src, int x, int y, int w, int h, COLORREF fill, HICON icon, Pixels& out) {
    BITMAPINFO bi;
    std::memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC mem = CreateCompatibleDC(src);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!mem || !bmp) {
        if (bmp) DeleteObject(bmp);
        if (mem) DeleteDC(mem);
        return false;
    }
    HGDIOBJ old = SelectObject(mem, bmp);
    bool ok;
    if (icon) {
        HBRUSH brush = CreateSolidBrush(fill);
        RECT r = {0, 0, w, h};
        FillRect(mem, &r, brush);
        DeleteObject(brush);
        ok = DrawIconEx(mem, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL) != 0;
    } else {
        ok = BitBlt(mem, 0, 0, w, h, src, x, y, SRCCOPY) != 0;
    }
    GdiFlush();
    out.w = w;
    out.h = h;
    out.px.assign(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size_t(w) * h);
    for (DWORD& p : out.px) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return ok;
}

std::string identify_icon(HWND icon_static) {
    RECT r;
    GetClientRect(icon_static, &r);
    MapWindowPoints(icon_static, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0 || w > 256 || h > 256) return "unknown";
    HDC screen = GetDC(nullptr);
    Pixels shown;
    const bool captured = capture(screen, r.left, r.top, w, h, 0, nullptr, shown);
    ReleaseDC(nullptr, screen);
    if (!captured) return "unknown";

    static const struct {
        const char* name;
        LPCSTR id;
    } kStock[] = {{"error", IDI_ERROR},
                  {"warning", IDI_WARNING},
                  {"information", IDI_INFORMATION},
                  {"question", IDI_QUESTION},
                  {"application", IDI_APPLICATION}};
    const char* best = nullptr;
    double best_score = 0, second = 0;
    for (const auto& stock : kStock) {
        HICON icon = LoadIconA(nullptr, stock.id);
        Pixels on_black, on_white;
        if (!icon || !capture(nullptr, 0, 0, w, h, RGB(0, 0, 0), icon, on_black) ||
            !capture(nullptr, 0, 0, w, h, RGB(255, 255, 255), icon, on_white))
            continue;
        size_t opaque = 0, same = 0;
        for (size_t i = 0; i < shown.px.size(); ++i) {
            if (on_black.px[i] != on_white.px[i]) continue;
            ++opaque;
            if (on_black.px[i] == shown.px[i]) ++same;
        }
        const double score = opaque >= 16 ? double(same) / double(opaque) : 0;
        if (score > best_score) {
            second = best_score;
            best_score = score;
            best = stock.name;
        } else if (score > second) {
            second = score;
        }
    }
    // The information and question icons share their round outline (about
    // four in five opaque pixels), so the winner must lead clearly rather
    // than stand alone.
    return best && best_score >= 0.9 && best_score - second >= 0.1 ? best : "unknown";
}

bool is_message_box(HWND h) {
    if (!class_is(h, kDialogClass)) return false;
    for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const unsigned id = unsigned(GetDlgCtrlID(c)) & 0xFFFF;
        if (id == kMessageTextId && base_class_is(c, "Static") &&
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            return true;
    }
    return false;
}

}  // namespace

std::vector<HWND> find_message_boxes(DWORD pid, const std::string* title) {
    std::vector<HWND> out;
    for (HWND h : top_level_windows()) {
        if (!IsWindowVisible(h) || (pid && window_pid(h) != pid) || !is_message_box(h)) continue;
        std::string text, ignored;
        if (title && (!read_text(h, text, ignored) || text != *title)) continue;
        out.push_back(h);
    }
    return out;
}

bool read_message_box(HWND box, MessageBoxInfo& out, std::string& err) {
    out = MessageBoxInfo();
    if (!IsWindow(box) || !is_message_box(box)) {
        err = hex(box) + " is not a message box";
        return false;
    }
    out.hwnd = box;
    out.pid = window_pid(box);
    if (!read_text(box, out.title, err)) return false;
    HWND icon_static = nullptr;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (base_class_is(c, "Static")) {
            if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon_static = c;
            else if ((unsigned(GetDlgCtrlID(c)) & 0xFFFF) == kMessageTextId && !read_text(c, out.text, err))
                return false;
        } else if (base_class_is(c, "Button") && IsWindowVisible(c)) {
            std::string text;
            if (!read_text(c, text, err)) return false;
            out.buttons.emplace_back(unsigned(GetDlgCtrlID(c)), text);
        }
    }
    out.icon = "none";
    DWORD_PTR icon = 0;
    if (icon_static && IsWindowVisible(icon_static) && send_timeout(icon_static, STM_GETICON, 0, 0, &icon) && icon) {
        RECT r;
        GetClientRect(icon_static, &r);
        out.icon_size = {r.right - r.left, r.bottom - r.top};
        // A box that just appeared may not be painted yet.
        wait_until(1000, [&] {
            out.icon = identify_icon(icon_static);
            return out.icon != "unknown";
        });
    }
    return true;
}

bool press_message_box(HWND box, unsigned id, DWORD wait_ms, std::string& err) {
    if (!IsWindow(box) || !is_message_box(box)) {
        err = hex(box) + " is not a message box";
        return false;
    }
    if (!id) id = GetDlgItem(box, IDOK) ? IDOK : IDCANCEL;
    HWND button = GetDlgItem(box, int(id));
    if (!button) {
        err = "message box " + hex(box) + " has no button with id " + std::to_string(id);
        return false;
    }
    ClickOutcome outcome;
    HWND modal;
    if (!click_button(button, 0, outcome, modal, err)) return false;
    if (wait_until(wait_ms, [&] { return !IsWindow(box); })) return true;
    err = "message box " + hex(box) + " is still there " + std::to_string(wait_ms) + " ms after pressing button " +
          std::to_string(id);
    return false;
}

}  // namespace e2e
