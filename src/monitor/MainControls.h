#pragma once
#include <memory>

#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "platform/Controls.h"
#include "platform/Pictures.h"
#include "platform/TcpClient.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace netvik {

// Positions of the tray menu's items.
enum TrayMenuItem : int { mnoRefresh = 0, mnoDisable = 1, mnoSeperate = 2, mnoHide = 3, mnoQuit = 4 };

// The main window's controls that its logic reads, changes or handles, each
// handed over by its name: on Win32 the real controls of the panel, in tests
// doubles in memory.
class MainControls {
public:
    virtual ~MainControls() = default;

    virtual platform::Window& form() = 0;
    virtual platform::Timer& Timer() = 0;
    virtual const platform::Pictures& Pictures() = 0;  // the program's icon and the six tray icons
    virtual platform::TextBox& txtIIP() = 0;
    virtual platform::Button& cmdIname() = 0;
    virtual platform::TextBox& txtHIP() = 0;
    virtual platform::Button& cmdGetH() = 0;
    virtual platform::TextBox& txtCIP() = 0;
    virtual platform::Button& cmdGetC() = 0;
    virtual platform::Label& lblRefreshRate() = 0;
    virtual platform::Slider& sldRefresh() = 0;
    virtual platform::Label& lblRealIP() = 0;
    virtual platform::Button& cmdRetrieve() = 0;
    virtual platform::TcpClient& Winsock() = 0;
    virtual platform::CheckBox& chkStartup() = 0;
    virtual platform::Button& cmdSave() = 0;
    virtual platform::Button& cmdRestore() = 0;
    virtual platform::Button& cmdOK() = 0;
    virtual platform::Button& cmdCancel() = 0;
    virtual platform::Button& cmdQuit() = 0;
    virtual platform::PopupMenu& mnuPopup() = 0;

    // The two dialogs, loaded on demand with the main window as their owner.
    virtual std::unique_ptr<GatewayIPsControls> LoadGatewayIPs() = 0;
    virtual std::unique_ptr<IAddressControls> LoadIAddress() = 0;
};

}  // namespace netvik
