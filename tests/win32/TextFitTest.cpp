// The panel's and the two dialogs' texts fit their controls at the screen's
// resolution: run at 96 dots per inch, and again at 144 in a prefix of its
// own (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/TwipsDialog.h"

namespace netvik {
namespace {

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsOfClass(HWND window, const char* name) {
    char found[16] = {};
    GetClassNameA(window, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

bool IsStatic(HWND window) { return IsOfClass(window, "Static"); }

bool IsFrame(HWND window) {
    return IsOfClass(window, "Button") && (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// Each static control whose text, drawn as the control draws it with its own
// font, needs more room than its client rectangle has.
std::vector<std::string> CutTexts(HWND dialog) {
    std::vector<std::string> cut;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string text = TextOf(c);
        if (!IsStatic(c) || text.empty()) continue;
        RECT room;
        GetClientRect(c, &room);
        RECT need = room;
        const HDC dc = GetDC(c);
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
        DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        if (need.right > room.right || need.bottom > room.bottom) {
            cut.push_back(text + ": needs " + std::to_string(need.right) + "x" + std::to_string(need.bottom) +
                          ", has " + std::to_string(room.right) + "x" + std::to_string(room.bottom));
        }
    }
    return cut;
}

// Controls that overlap another (other than the frame around them) or reach
// outside the window's client area.
std::vector<std::string> Collisions(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
    RECT client;
    GetClientRect(dialog, &client);
    auto rectOf = [dialog](HWND c) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    std::vector<std::string> found;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT a = rectOf(controls[i]);
        RECT inside;
        if (!IntersectRect(&inside, &a, &client) || !EqualRect(&inside, &a)) found.push_back(TextOf(controls[i]));
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const RECT b = rectOf(controls[j]);
            RECT both;
            if (IsFrame(controls[i]) || IsFrame(controls[j]) || !IntersectRect(&both, &a, &b)) continue;
            found.push_back(TextOf(controls[i]) + " / " + TextOf(controls[j]));
        }
    }
    return found;
}

class TextFit : public ::testing::Test {
protected:
    app::MainWindow window{GetModuleHandleA(nullptr)};
};

TEST_F(TextFit, EveryStaticTextFitsAndNoControlCoversAnother) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    SCOPED_TRACE(std::to_string(dpi) + " dpi");

    app::IAddressWindow address(window.Hwnd());
    app::GatewayIPsWindow gateways(window.Hwnd());
    auto hwndOf = [](platform::Window& form) { return static_cast<win32::Win32Window&>(form).Hwnd(); };
    for (const HWND dialog : {window.Hwnd(), hwndOf(address.form()), hwndOf(gateways.form())}) {
        SCOPED_TRACE(TextOf(dialog));
        EXPECT_EQ(CutTexts(dialog), std::vector<std::string>{});
        EXPECT_EQ(Collisions(dialog), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace netvik
