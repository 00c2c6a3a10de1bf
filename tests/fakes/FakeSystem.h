#pragma once
// Every fake the main window needs, wired together around one call log.
#include "fakes/CallLog.h"
#include "fakes/FakeApplication.h"
#include "fakes/FakeConnectAttempt.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHistoryFile.h"
#include "fakes/FakeHostNames.h"
#include "fakes/FakeIcmp.h"
#include "fakes/FakeKit.h"
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

// The log first, and the main window's parts: the fakes below log there.
struct FakeLog {
    CallLog log;
};

// The tray menu's items, as the resources hold them.
inline std::vector<std::string> TrayMenuCaptions() {
    return {"&Refresh", "&Disable", "-", "Se&ttings...", "Hi&story...", "&Notify on change", "-", "&Hide", "&Quit"};
}

// The main window's parts as doubles, by name (MainParts), and every other
// fake the main window uses.
struct FakeSystem : FakeLog, FakeParts, MainParts<FakeKit>, MainDialogs {
    FakeSystem() : FakeParts(log, kMainLayout, "form", TrayMenuCaptions()), MainParts(FakeParts::kit) {}

    FakeApplication application{log};
    FakeMessageBoxes messages{log};
    FakeSockets sockets{log};
    FakeIcmp icmp{log};
    FakeHostNames hostNames;
    FakeShell shell{log};
    ModalWindows modal{messages, form};
    modWinSock winsock{sockets, icmp, hostNames, modal, application};
    FakeRegistry registryStore;
    modWinReg registry{registryStore};
    SettingsStore settings{registry};
    FakeNetworkConfig network;
    FakeClock clock;
    FakeHistoryFile historyFile;
    history::Recorder recorder{historyFile};
    FakeHistoryFile latencyFile;
    history::LatencyRecorder latency{latencyFile};
    FakeDesktop desktop;
    FakeConnectAttempt connect;

    // The user of the two dialogs, and how many of them are loaded.
    std::function<void(FakeGatewayIPs&)> gatewayUser;
    std::function<void(FakeIAddress&)> iaddressUser;
    int dialogsLoaded = 0;

    MainServices Services() {
        return {application, modal,    shell,   winsock, settings, registry, network,
                clock,       recorder, latency, desktop, *this,    icmp,     connect};
    }

    // The main window's parts as its logic sees them.
    MainControls Controls() { return MainControls(view); }
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
