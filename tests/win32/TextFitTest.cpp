// The labels of every window (the panel, the two dialogs, the History
// window) hold their text and overlap no other control, at 96 dots per inch
// and, in prefixes of their own, at 120, 144 and 192.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "app/MainWindow.h"

namespace netvik {
namespace {

// Each label whose text, drawn as the label draws it with its font, needs
// more room than it has, or which overlaps another control than its frame.
std::vector<std::string> Misfits(HWND dialog) {
    std::vector<std::string> found;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char kind[16] = {}, text[256] = {};
        GetClassNameA(c, kind, sizeof kind);
        if (lstrcmpiA(kind, "Static") != 0 || GetWindowTextA(c, text, sizeof text) == 0) continue;
        RECT room, need, at, other, both;
        GetClientRect(c, &room);
        need = room;
        const HDC dc = GetDC(c);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
        DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        ReleaseDC(c, dc);
        if (need.right > room.right || need.bottom > room.bottom) found.push_back(std::string("cut: ") + text);
        GetWindowRect(c, &at);
        for (HWND o = GetWindow(dialog, GW_CHILD); o != nullptr; o = GetWindow(o, GW_HWNDNEXT)) {
            const bool frame = (GetWindowLongA(o, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
            GetWindowRect(o, &other);
            if (o != c && !frame && IntersectRect(&both, &at, &other)) found.push_back(std::string("covers: ") + text);
        }
    }
    return found;
}

TEST(TextFit, LabelsHoldTheirTextAndCoverNothing) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    app::MainWindow window(instance);
    const app::Form<IAddressParts> address(instance, window.Hwnd(), frmIAddress::kLayout);
    const app::Form<GatewayIPsParts> gateways(instance, window.Hwnd(), frmGatewayIPs::kLayout);
    const app::Form<HistoryParts> history(instance, nullptr, frmHistory::kLayout);
    for (const HWND dialog : {window.Hwnd(), address.Hwnd(), gateways.Hwnd(), history.Hwnd()}) {
        EXPECT_EQ(Misfits(dialog), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace netvik
