// The settings panel and the tray menu as the resources build them, on real
// windows.
#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "monitor/MainResources.h"

#include <commctrl.h>

namespace netvik {
namespace {

class RealPanel : public ::testing::Test {
protected:
    app::MainWindow window{GetModuleHandleA(nullptr)};
    const MainControls& controls = window.Controls();
    std::string TextOf(int id) const {
        char text[64] = {};
        GetDlgItemTextA(window.Hwnd(), id, text, sizeof text);
        return text;
    }
};

// Posts key presses that the menu's own message loop will read.
void QueueKeys(HWND window, std::initializer_list<WPARAM> keys) {
    for (const WPARAM key : keys) {
        PostMessageA(window, WM_KEYDOWN, key, 1);
        PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }
}

TEST_F(RealPanel, MenuHoldsItsItemsInOrder) {
    auto& menu = controls.mnuPopup;
    EXPECT_EQ(menu.ItemCaption(mnoRefresh), "&Refresh");
    EXPECT_EQ(menu.ItemCaption(mnoDisable), "&Disable");
    EXPECT_EQ(menu.ItemCaption(mnoSeperate), "");
    EXPECT_EQ(menu.ItemCaption(mnoHide), "&Hide");
    EXPECT_EQ(menu.ItemCaption(mnoQuit), "&Quit");
}

TEST_F(RealPanel, MenuReturnsThePositionOfTheChosenItemAfterARename) {
    auto& menu = controls.mnuPopup;
    menu.SetItemCaption(mnoDisable, "Enable");
    EXPECT_EQ(menu.ItemCaption(mnoDisable), "Enable");

    QueueKeys(window.Hwnd(), {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(menu.Popup(), mnoDisable);
    QueueKeys(window.Hwnd(), {VK_UP, VK_RETURN});  // from the top, up wraps to the last item
    EXPECT_EQ(menu.Popup(), mnoQuit);
    QueueKeys(window.Hwnd(), {VK_ESCAPE});
    EXPECT_EQ(menu.Popup(), platform::PopupMenu::kDismissed);
}

TEST_F(RealPanel, AddressBoxesHoldTheDesignAddressesAndFifteenCharacters) {
    EXPECT_EQ(controls.txtIIP.Text(), "1.1.1.1");
    EXPECT_EQ(controls.txtHIP.Text(), "192.168.0.1");
    EXPECT_EQ(controls.txtCIP.Text(), "192.168.0.2");
    for (platform::TextBox* box : {&controls.txtIIP, &controls.txtHIP, &controls.txtCIP}) {
        EXPECT_EQ(box->MaxLength(), 15U);
    }
}

TEST_F(RealPanel, KeyPressSeesEveryTypedCharacterAndCanSwallowIt) {
    auto& box = controls.txtHIP;
    std::string seen;
    box.KeyPress = [&](std::int16_t& key) {
        seen.push_back(static_cast<char>(key));
        if (key == 'x') key = 0;
    };
    box.SetText("");
    const HWND edit = GetDlgItem(window.Hwnd(), IDC_TXTHIP);
    for (const char c : std::string("1x2")) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    EXPECT_EQ(seen, "1x2");
    EXPECT_EQ(box.Text(), "12");
}

TEST_F(RealPanel, ACharacterBeyondOneByteIsJudgedWhole) {
    auto& box = controls.txtHIP;
    box.KeyPress = [](std::int16_t& key) {
        if (key < '0' || key > '9') key = 0;
    };
    box.SetText("");
    const HWND edit = GetDlgItem(window.Hwnd(), IDC_TXTHIP);
    // Dotless i, I with ogonek, Cyrillic i: their low bytes are "1", ".", "8".
    for (const WPARAM c : {WPARAM{0x131}, WPARAM{0x12E}, WPARAM{0x438}, WPARAM{'7'}}) SendMessageA(edit, WM_CHAR, c, 1);
    EXPECT_EQ(box.Text(), "7");
}

TEST_F(RealPanel, ADialogNeverStandsInTheWayOfTheSessionsEnd) {
    const auto dialog = window.LoadGatewayIPs();
    bool closed = false;
    dialog.controls.form.QueryUnload = [&] { closed = true; };
    const HWND hwnd = static_cast<win32::Win32Window&>(dialog.controls.form).Hwnd();
    EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(closed);
}

TEST_F(RealPanel, SliderRunsFromOneToFifteenMinutes) {
    auto& slider = controls.sldRefresh;
    const HWND trackbar = GetDlgItem(window.Hwnd(), IDC_SLDREFRESH);
    EXPECT_EQ(slider.Min(), 1);
    EXPECT_EQ(slider.Max(), 15);
    EXPECT_EQ(slider.Value(), 1);
    EXPECT_EQ(SendMessageA(trackbar, TBM_GETLINESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageA(trackbar, TBM_GETPAGESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageA(trackbar, TBM_GETNUMTICS, 0, 0), 15);
    slider.SetValue(7);
    EXPECT_EQ(slider.Value(), 7);
    slider.SetValue(99);
    EXPECT_EQ(slider.Value(), 15);
    slider.SetValue(-3);
    EXPECT_EQ(slider.Value(), 1);
}

TEST_F(RealPanel, ButtonsAndCheckBoxStartAsDesigned) {
    EXPECT_EQ(TextOf(IDC_CMDRETRIEVE), "R&etrieve");
    EXPECT_EQ(controls.cmdOK.Caption(), "&Ok");
    EXPECT_EQ(controls.chkStartup.Value(), 0);
    controls.chkStartup.SetValue(1);
    EXPECT_EQ(controls.chkStartup.Value(), 1);
    EXPECT_EQ(TextOf(IDC_LBLREALIP), "");
    EXPECT_EQ(controls.lblRefreshRate.Caption(), "Refreshrate (minutes):");
}

TEST_F(RealPanel, TheWindowStartsHiddenWithItsCaption) {
    EXPECT_FALSE(controls.form.Visible());
    EXPECT_EQ(controls.form.Caption(), "Netvik");
}

}  // namespace
}  // namespace netvik
