// The labels of every window (the panel, the two dialogs, the History
// window) hold their text and overlap no other control, at 96 dots per inch
// and, in prefixes of their own, at 120, 144 and 192.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "app/MainWindow.h"

#include <commctrl.h>

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

// The History window's columns fitted to their longest cells hold them whole.
TEST(TextFit, ColumnsHoldTheirLongestCells) {
    const app::Form<HistoryParts> history(GetModuleHandleA(nullptr), nullptr, frmHistory::kLayout);
    const std::vector<std::string> longest = {"2026-12-07 10:25 - 10:30", "2026-12-07 10:40 (PC asleep)",
                                              "3 days 23 hours",
                                              "beyond the router (the Internet provider), then this PC's network "
                                              "(nothing answered)"};
    history.Logic().lstOutages.FitColumns(longest);
    const HWND list = GetDlgItem(history.Hwnd(), kOutageList);
    const HDC dc = GetDC(list);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    for (std::size_t i = 0; i < longest.size(); ++i) {
        SIZE text{};
        GetTextExtentPoint32A(dc, longest[i].c_str(), static_cast<int>(longest[i].size()), &text);
        EXPECT_GT(SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0), text.cx) << longest[i];
    }
    ReleaseDC(list, dc);
}

}  // namespace
}  // namespace netvik
