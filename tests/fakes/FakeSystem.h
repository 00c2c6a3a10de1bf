#pragma once
// Every fake the main window needs, wired together around one call log.
#include "fakes/CallLog.h"
#include "fakes/FakeApplication.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHostNames.h"
#include "fakes/FakeIcmp.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeTcpClient.h"
#include "fakes/FakeWindow.h"
#include "monitor/frmNetvikmain.h"
#include "net/modWinSock.h"
#include "settings/SettingsStore.h"
#include "settings/modWinReg.h"

namespace netvik::fakes {

struct FakeSystem {
    CallLog log;
    FakeApplication application{log};
    FakeMessageBoxes messages{log};
    FakeSockets sockets{log};
    FakeIcmp icmp{log};
    FakeHostNames hostNames;
    FakeShell shell{log};
    FakeWindow window{log};
    FakeTimer timer{log};
    FakePictures pictures;
    modWinSock winsock{sockets, icmp, hostNames, messages, application};
    FakeRegistry registryStore;
    modWinReg registry{registryStore};
    SettingsStore settings{registry};
    FakeNetworkConfig network;

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
    FakePopupMenu mnuPopup{log, {"&Refresh", "&Disable", "-", "&Hide", "&Quit"}};

    // The user of the two dialogs, and how many of them are loaded.
    std::function<void(FakeGatewayIPs&)> gatewayUser;
    std::function<void(FakeIAddress&)> iaddressUser;
    int dialogsLoaded = 0;

    MainServices Services() { return {application, messages, shell, winsock, settings, registry, network}; }

    // The fakes above as the main window's controls, by name.
    struct Panel : MainControls {
        explicit Panel(FakeSystem& fx) : fx(fx) {}
        platform::Window& form() override { return fx.window; }
        platform::Timer& Timer() override { return fx.timer; }
        const platform::Pictures& Pictures() override { return fx.pictures; }
        platform::TextBox& txtIIP() override { return fx.txtIIP; }
        platform::Button& cmdIname() override { return fx.cmdIname; }
        platform::TextBox& txtHIP() override { return fx.txtHIP; }
        platform::Button& cmdGetH() override { return fx.cmdGetH; }
        platform::TextBox& txtCIP() override { return fx.txtCIP; }
        platform::Button& cmdGetC() override { return fx.cmdGetC; }
        platform::Label& lblRefreshRate() override { return fx.lblRefreshRate; }
        platform::Slider& sldRefresh() override { return fx.sldRefresh; }
        platform::Label& lblRealIP() override { return fx.lblRealIP; }
        platform::Button& cmdRetrieve() override { return fx.cmdRetrieve; }
        platform::TcpClient& Winsock() override { return fx.Winsock; }
        platform::CheckBox& chkStartup() override { return fx.chkStartup; }
        platform::Button& cmdSave() override { return fx.cmdSave; }
        platform::Button& cmdRestore() override { return fx.cmdRestore; }
        platform::Button& cmdOK() override { return fx.cmdOK; }
        platform::Button& cmdCancel() override { return fx.cmdCancel; }
        platform::Button& cmdQuit() override { return fx.cmdQuit; }
        platform::PopupMenu& mnuPopup() override { return fx.mnuPopup; }
        std::unique_ptr<GatewayIPsControls> LoadGatewayIPs() override {
            return std::make_unique<FakeGatewayIPs>(fx.log, fx.gatewayUser, fx.dialogsLoaded);
        }
        std::unique_ptr<IAddressControls> LoadIAddress() override {
            return std::make_unique<FakeIAddress>(fx.log, fx.iaddressUser, fx.dialogsLoaded);
        }
        FakeSystem& fx;
    } panel{*this};
    MainControls& Controls() { return panel; }

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
