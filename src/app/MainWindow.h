#pragma once
#include <memory>

#include "monitor/frmNetvikmain.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// The main window on Win32: the settings panel, a modeless dialog from the
// resources, with its controls, timer, tray menu and tooltips. Its dialog
// procedure routes each message to the main window's handler.
class MainWindow {
public:
    static constexpr char kClassName[] = "NetvikMainWindow";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return window_; }
    MainControls Controls();
    // From now on events reach the handlers of form.
    void Attach(frmNetvikmain& form) { form_ = &form; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Route(UINT message, WPARAM wParam, LPARAM lParam);
    void RouteCommand(int control);
    HWND Item(int id) const { return GetDlgItem(window_, id); }

    HWND window_ = nullptr;
    frmNetvikmain* form_ = nullptr;

    std::unique_ptr<win32::Win32Window> form_window_;
    std::unique_ptr<win32::Win32Timer> timer_;
    std::unique_ptr<win32::Win32Pictures> pictures_;
    std::unique_ptr<win32::Win32TextBox> txtIIP_, txtHIP_, txtCIP_;
    std::unique_ptr<win32::Win32Button> cmdIname_, cmdGetH_, cmdGetC_, cmdRetrieve_;
    std::unique_ptr<win32::Win32Button> cmdSave_, cmdRestore_, cmdOK_, cmdCancel_, cmdQuit_;
    std::unique_ptr<win32::Win32Label> lblRefreshRate_, lblRealIP_;
    std::unique_ptr<win32::Win32Slider> sldRefresh_;
    std::unique_ptr<win32::Win32CheckBox> chkStartup_;
    std::unique_ptr<win32::Win32PopupMenu> mnuPopup_;
    std::unique_ptr<win32::Win32Tooltips> tooltips_;
};

}  // namespace netvik::app
