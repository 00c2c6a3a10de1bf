#pragma once
#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "history/frmHistory.h"
#include "monitor/MainResources.h"
#include "platform/Layout.h"
#include "platform/Parts.h"

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

// The ids of the main window's parts that its layout does not hold.
enum MainPartId : int { kCountdownTimer = 1, kResumeTimer = 2, kWinsockClient = 3, kTraceTimer = 4 };

// The settings panel as it is laid out, and how its parts are made
// (MainLayout.cpp).
extern const platform::WindowLayout kMainLayout;
platform::TimerArgs CountdownTimer();
platform::TimerArgs ResumeTimer();
platform::TimerArgs TraceTimer();
platform::PicturesArgs TrayPictures();
platform::TextBoxArgs AddressBox();
platform::SliderArgs RefreshSlider();

// The main window's parts that its logic reads, changes or handles, by
// name, each made from its id and how it is made. The kit decides what they
// are: on Win32 the real controls (app/MainWindow), in tests doubles in
// memory (tests/fakes/FakeSystem.h), and for the logic references to those
// (MainControls).
template <typename Kit>
struct MainParts {
    explicit MainParts(Kit& kit) : kit(kit) {}

    Kit& kit;  // first: it makes the parts below
    typename Kit::Window form = kit.Make(platform::kWindowId, platform::WindowArgs{});
    typename Kit::Timer Timer = kit.Make(kCountdownTimer, CountdownTimer());
    typename Kit::Timer tmrResume = kit.Make(kResumeTimer, ResumeTimer());   // the check a moment after a wake
    typename Kit::Timer tmrTrace = kit.Make(kTraceTimer, TraceTimer());      // looks at a trace's echo requests
    typename Kit::Pictures Pictures = kit.Make(IDI_NETVIK, TrayPictures());  // the program's and the tray's icons
    typename Kit::TextBox txtIIP = kit.Make(IDC_TXTIIP, AddressBox());
    typename Kit::Button cmdIname = kit.Make(IDC_CMDINAME, platform::ButtonArgs{});
    typename Kit::TextBox txtHIP = kit.Make(IDC_TXTHIP, AddressBox());
    typename Kit::Button cmdGetH = kit.Make(IDC_CMDGETH, platform::ButtonArgs{});
    typename Kit::TextBox txtCIP = kit.Make(IDC_TXTCIP, AddressBox());
    typename Kit::Button cmdGetC = kit.Make(IDC_CMDGETC, platform::ButtonArgs{});
    typename Kit::Label lblRefreshRate = kit.Make(IDC_LBLREFRESHRATE, platform::LabelArgs{});
    typename Kit::Slider sldRefresh = kit.Make(IDC_SLDREFRESH, RefreshSlider());
    typename Kit::Label lblRealIP = kit.Make(IDC_LBLREALIP, platform::LabelArgs{});
    typename Kit::Button cmdRetrieve = kit.Make(IDC_CMDRETRIEVE, platform::ButtonArgs{});
    typename Kit::TcpClient Winsock = kit.Make(kWinsockClient, platform::TcpClientArgs{});
    typename Kit::CheckBox chkStartup = kit.Make(IDC_CHKSTARTUP, platform::CheckBoxArgs{});
    typename Kit::Button cmdSave = kit.Make(IDC_CMDSAVE, platform::ButtonArgs{});
    typename Kit::Button cmdRestore = kit.Make(IDC_CMDRESTORE, platform::ButtonArgs{});
    typename Kit::Button cmdOK = kit.Make(IDC_CMDOK, platform::ButtonArgs{});
    typename Kit::Button cmdCancel = kit.Make(IDC_CMDCANCEL, platform::ButtonArgs{});
    typename Kit::Button cmdQuit = kit.Make(IDC_CMDQUIT, platform::ButtonArgs{});
    typename Kit::PopupMenu mnuPopup = kit.Make(IDM_POPUP, platform::PopupMenuArgs{});
};

using MainControls = MainParts<platform::View>;

}  // namespace netvik
