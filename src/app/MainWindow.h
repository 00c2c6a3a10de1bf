#pragma once
#include "app/LaidOutWindow.h"
#include "monitor/MainControls.h"

namespace netvik::app {

// The main window on Win32: the settings panel built from its layout, with
// its parts (controls, timers, tray menu, icons, the TCP client) made by
// name (MainParts), and the loader of its dialogs and of the History window.
class MainWindow : public MainDialogs {
public:
    static constexpr const char* kClassName = LaidOutWindow::kPanelClass;

    explicit MainWindow(HINSTANCE instance);

    HWND Hwnd() const { return panel_.Hwnd(); }
    const MainControls& Controls() const { return panel_.Logic(); }

    platform::Loaded<GatewayIPsControls> LoadGatewayIPs() override;
    platform::Loaded<IAddressControls> LoadIAddress() override;
    platform::Loaded<HistoryControls> LoadHistory() override;

private:
    HINSTANCE instance_;
    Form<MainParts> panel_;
};

}  // namespace netvik::app
