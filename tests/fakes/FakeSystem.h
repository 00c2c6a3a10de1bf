#pragma once
// Every fake the main window needs, wired together around one call log.
#include "fakes/CallLog.h"
#include "fakes/FakeApplication.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHistoryFile.h"
#include "fakes/FakeHostNames.h"
#include "fakes/FakeIcmp.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeTcpClient.h"
#include "fakes/FakeWindow.h"
#include "monitor/ModalWindows.h"
#include "monitor/frmNetvikmain.h"
#include "net/modWinSock.h"
#include "registry/modWinReg.h"
#include "settings/SettingsStore.h"

namespace netvik::fakes {

struct FakeSystem : MainDialogs {
    CallLog log;
    FakeApplication application{log};
    FakeMessageBoxes messages{log};
    FakeSockets sockets{log};
    FakeIcmp icmp{log};
    FakeHostNames hostNames;
    FakeShell shell{log};
    FakeWindow window{log};
    FakeTimer timer{log};
    FakeTimer resumeTimer{log, "Resume timer", false};
    FakePictures pictures;
    ModalWindows modal{messages, window};
    modWinSock winsock{sockets, icmp, hostNames, modal, application};
    FakeRegistry registryStore;
    modWinReg registry{registryStore};
    SettingsStore settings{registry};
    FakeNetworkConfig network;
    FakeClock clock;
    FakeHistoryFile historyFile;
    history::Recorder recorder{historyFile};
    FakeDesktop desktop;

    // The panel as it is designed.
    FakeTextBox txtIIP{"1.1.1.1", 15};
    FakeButton cmdIname{"&Name"};
    FakeTextBox txtHIP{"192.168.0.1", 15};
    FakeButton cmdGetH{"Get"};
    FakeTextBox txtCIP{"192.168.0.2", 15};
    FakeButton cmdGetC{"Get"};
    FakeLabel lblRefreshRate{"Refreshrate (minutes):"};
    FakeSlider sldRefresh{1, 15, 1};
    FakeLabel lblRealIP;
    FakeButton cmdRetrieve{"R&etrieve"};
    FakeTcpClient Winsock{log};
    FakeCheckBox chkStartup;
    FakeButton cmdSave{"&Save"};
    FakeButton cmdRestore{"&Restore"};
    FakeButton cmdOK{"&Ok"};
    FakeButton cmdCancel{"&Cancel"};
    FakeButton cmdQuit{"&Quit"};
    FakePopupMenu mnuPopup{
        log, {"&Refresh", "&Disable", "-", "Se&ttings...", "Hi&story...", "&Notify on change", "-", "&Hide", "&Quit"}};

    // The user of the two dialogs, and how many of them are loaded.
    std::function<void(FakeGatewayIPs&)> gatewayUser;
    std::function<void(FakeIAddress&)> iaddressUser;
    int dialogsLoaded = 0;

    MainServices Services() {
        return {application, modal, shell, winsock, settings, registry, network, clock, recorder, desktop};
    }

    // The fakes above as the main window's controls.
    MainControls Controls() {
        return {window,  timer,      resumeTimer,    pictures,   txtIIP,    cmdIname,    txtHIP,  cmdGetH,
                txtCIP,  cmdGetC,    lblRefreshRate, sldRefresh, lblRealIP, cmdRetrieve, Winsock, chkStartup,
                cmdSave, cmdRestore, cmdOK,          cmdCancel,  cmdQuit,   mnuPopup,    *this};
    }
    platform::Loaded<GatewayIPsControls> LoadGatewayIPs() override {
        return LoadFake<FakeGatewayIPs>(log, gatewayUser, dialogsLoaded);
    }
    platform::Loaded<IAddressControls> LoadIAddress() override {
        return LoadFake<FakeIAddress>(log, iaddressUser, dialogsLoaded);
    }
    platform::Loaded<HistoryControls> LoadHistory() override {
        auto loaded = LoadFake<FakeHistory>(log, std::function<void(FakeHistory&)>(), historyLoaded);
        history = static_cast<FakeHistory*>(loaded.window.get());
        return loaded;
    }
    int historyLoaded = 0;
    FakeHistory* history = nullptr;  // the History window, once loaded

    // Settings as an earlier run stored them (REG_SZ, without a NUL).
    void StoreSetting(const std::string& name, const std::string& text) {
        registryStore.Put("Software\\Netvik", name, platform::kRegSz, text);
    }
    void StoreSettings(const std::string& internet, const std::string& host, const std::string& computer,
                       const std::string& refreshRate = "1", const std::string& hostName = "www.example.org",
                       const std::string& loadAtStartup = "0") {
        StoreSetting("Internet", internet);
        StoreSetting("Host", host);
        StoreSetting("Computer", computer);
        StoreSetting("RefreshRate", refreshRate);
        StoreSetting("HostName", hostName);
        StoreSetting("LoadatStartup", loadAtStartup);
    }
    std::string Stored(const std::string& name) const {
        const auto* value = registryStore.Find("Software\\Netvik", name);
        return value == nullptr ? "<missing>" : value->bytes;
    }
};

// The picture handle of the tray icon with the given key.
inline platform::IconHandle PictureOf(std::string_view key) {
    return FakePictures::kBase + static_cast<platform::IconHandle>(ImageList::IndexOf(key));
}

}  // namespace netvik::fakes
