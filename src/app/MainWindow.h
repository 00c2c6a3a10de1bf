#pragma once
#include <memory>
#include <type_traits>

#include "app/OwnedParts.h"
#include "monitor/MainControls.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// The main window on Win32: the settings panel, a modeless dialog from the
// resources, with its controls, timer, tray menu and tooltips, and the
// loader of its two dialogs. Its dialog procedure only routes each message
// to the event of the window or control it concerns.
class MainWindow : public MainDialogs {
public:
    static constexpr char kClassName[] = "NetvikMainWindow";

    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return window_.get(); }
    const MainControls& Controls() const { return controls_; }

    platform::Loaded<GatewayIPsControls> LoadGatewayIPs() override;
    platform::Loaded<IAddressControls> LoadIAddress() override;
    platform::Loaded<HistoryControls> LoadHistory() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static HWND Create(HINSTANCE instance, MainWindow* self);
    HWND Item(int id) const { return GetDlgItem(window_.get(), id); }
    // Makes the wrapper of every control the logic uses, in the order of
    // MainControls.
    MainControls Load(HINSTANCE instance);

    // Declared first, so that the dialog goes only after every wrapper of its
    // controls has let go of its window.
    struct Destroyer {
        void operator()(HWND window) const;
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, Destroyer> window_;
    OwnedParts parts_;
    // What the dialog procedure routes to: the window's own events and the
    // timers' ticks.
    win32::Win32Window* form_ = nullptr;
    win32::Win32Timer* timer_ = nullptr;
    win32::Win32Timer* resumeTimer_ = nullptr;
    MainControls controls_;
};

}  // namespace netvik::app
