#pragma once
#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "history/frmHistory.h"
#include "platform/Controls.h"
#include "platform/Pictures.h"
#include "platform/TcpClient.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace netvik {

// Positions of the tray menu's items. Netvik's own group (the panel, and the
// record's History and Notify on change) stands between Disable and Hide, set
// off by a separator of its own and mnoSeperate.
enum TrayMenuItem : int {
    mnoRefresh = 0,
    mnoDisable = 1,
    mnoRecordSeparator = 2,
    mnoSettings = 3,
    mnoHistory = 4,
    mnoNotify = 5,
    mnoSeperate = 6,
    mnoHide = 7,
    mnoQuit = 8,
};

// Loads the main window's dialogs on demand, with the main window as their
// owner, and the History window.
class MainDialogs {
public:
    virtual ~MainDialogs() = default;
    virtual platform::Loaded<GatewayIPsControls> LoadGatewayIPs() = 0;
    virtual platform::Loaded<IAddressControls> LoadIAddress() = 0;
    virtual platform::Loaded<HistoryControls> LoadHistory() = 0;
};

// The main window's controls that its logic reads, changes or handles, by
// name: on Win32 the real controls of the panel (app/MainWindow.cpp loads
// them), in tests doubles in memory (tests/fakes/FakeSystem.h). A control
// is declared here once, loaded in that order, and laid out in the
// resources.
struct MainControls {
    platform::Window& form;
    platform::Timer& Timer;
    platform::Timer& tmrResume;          // the check a moment after the PC wakes
    const platform::Pictures& Pictures;  // the program's icon and the six tray icons
    platform::TextBox& txtIIP;
    platform::Button& cmdIname;
    platform::TextBox& txtHIP;
    platform::Button& cmdGetH;
    platform::TextBox& txtCIP;
    platform::Button& cmdGetC;
    platform::Label& lblRefreshRate;
    platform::Slider& sldRefresh;
    platform::Label& lblRealIP;
    platform::Button& cmdRetrieve;
    platform::TcpClient& Winsock;
    platform::CheckBox& chkStartup;
    platform::Button& cmdSave;
    platform::Button& cmdRestore;
    platform::Button& cmdOK;
    platform::Button& cmdCancel;
    platform::Button& cmdQuit;
    platform::PopupMenu& mnuPopup;
    MainDialogs& Dialogs;
};

}  // namespace netvik
