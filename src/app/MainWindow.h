#pragma once
#include <memory>
#include <type_traits>

#include "monitor/MainControls.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32TcpClient.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// The main window on Win32: the settings panel, a modeless dialog from the
// resources, with its controls, timer, tray menu and tooltips. Its dialog
// procedure only routes each message to the event of the window or control
// it concerns.
class MainWindow : public MainControls {
public:
    static constexpr char kClassName[] = "NetvikMainWindow";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return window_.get(); }

    platform::Window& form() override { return *form_; }
    platform::Timer& Timer() override { return *timer_; }
    const platform::Pictures& Pictures() override { return *pictures_; }
    platform::TextBox& txtIIP() override { return *txtIIP_; }
    platform::Button& cmdIname() override { return *cmdIname_; }
    platform::TextBox& txtHIP() override { return *txtHIP_; }
    platform::Button& cmdGetH() override { return *cmdGetH_; }
    platform::TextBox& txtCIP() override { return *txtCIP_; }
    platform::Button& cmdGetC() override { return *cmdGetC_; }
    platform::Label& lblRefreshRate() override { return *lblRefreshRate_; }
    platform::Slider& sldRefresh() override { return *sldRefresh_; }
    platform::Label& lblRealIP() override { return *lblRealIP_; }
    platform::Button& cmdRetrieve() override { return *cmdRetrieve_; }
    platform::TcpClient& Winsock() override { return *winsock_; }
    platform::CheckBox& chkStartup() override { return *chkStartup_; }
    platform::Button& cmdSave() override { return *cmdSave_; }
    platform::Button& cmdRestore() override { return *cmdRestore_; }
    platform::Button& cmdOK() override { return *cmdOK_; }
    platform::Button& cmdCancel() override { return *cmdCancel_; }
    platform::Button& cmdQuit() override { return *cmdQuit_; }
    platform::PopupMenu& mnuPopup() override { return *mnuPopup_; }
    std::unique_ptr<GatewayIPsControls> LoadGatewayIPs() override;
    std::unique_ptr<IAddressControls> LoadIAddress() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Item(int id) const { return GetDlgItem(window_.get(), id); }

    // Declared first, so that the dialog goes only after every wrapper of its
    // controls has let go of its window.
    struct Destroyer {
        void operator()(HWND window) const;
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, Destroyer> window_;
    std::unique_ptr<win32::Win32Window> form_;
    std::unique_ptr<win32::Win32Timer> timer_;
    std::unique_ptr<win32::Win32Pictures> pictures_;
    std::unique_ptr<win32::Win32TextBox> txtIIP_, txtHIP_, txtCIP_;
    std::unique_ptr<win32::Win32Label> lblRefreshRate_, lblRealIP_;
    std::unique_ptr<win32::Win32TcpClient> winsock_;
    std::unique_ptr<win32::Win32Slider> sldRefresh_;
    std::unique_ptr<win32::Win32CheckBox> chkStartup_;
    std::unique_ptr<win32::Win32Button> cmdIname_, cmdGetH_, cmdGetC_;
    std::unique_ptr<win32::Win32Button> cmdRetrieve_, cmdSave_, cmdRestore_, cmdOK_, cmdCancel_, cmdQuit_;
    std::unique_ptr<win32::Win32PopupMenu> mnuPopup_;
    std::unique_ptr<win32::Win32Tooltips> tooltips_;
};

}  // namespace netvik::app
