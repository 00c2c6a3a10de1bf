#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "fakes/CallLog.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeKit.h"
#include "fakes/FakeWindow.h"
#include "history/frmHistory.h"
#include "platform/Desktop.h"
#include "platform/NetworkConfig.h"

namespace netvik::fakes {

// The two dialogs in memory. A test plays the user in `user`, which runs
// while the dialog is shown modally; `loaded` counts the dialogs alive.
struct FakeGatewayIPs : platform::LoadedWindow, FakeParts, GatewayIPsParts<FakeKit> {
    FakeGatewayIPs(CallLog& log, std::function<void(FakeGatewayIPs&)> user, int& loaded)
        : FakeParts(log, frmGatewayIPs::kLayout, "gateways"), GatewayIPsParts(FakeParts::kit), loaded(loaded) {
        ++loaded;
        form.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeGatewayIPs() override { --loaded; }
    GatewayIPsControls Controls() { return GatewayIPsControls(view); }
    int& loaded;
};

struct FakeIAddress : platform::LoadedWindow, FakeParts, IAddressParts<FakeKit> {
    FakeIAddress(CallLog& log, std::function<void(FakeIAddress&)> user, int& loaded)
        : FakeParts(log, frmIAddress::kLayout, "iaddress"), IAddressParts(FakeParts::kit), loaded(loaded) {
        ++loaded;
        form.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeIAddress() override { --loaded; }
    IAddressControls Controls() { return IAddressControls(view); }
    int& loaded;
};

// The History window in memory.
struct FakeHistory : platform::LoadedWindow, FakeParts, HistoryParts<FakeKit> {
    FakeHistory(CallLog& log, const std::function<void(FakeHistory&)>&, int& loaded)
        : FakeParts(log, frmHistory::kLayout, "history"), HistoryParts(FakeParts::kit), loaded(loaded) {
        ++loaded;
    }
    ~FakeHistory() override { --loaded; }
    HistoryControls Controls() { return HistoryControls(view); }
    int& loaded;
};

// The clipboard and the system's programs for files.
class FakeDesktop : public platform::Desktop {
public:
    bool CopyText(const std::string& text) override {
        clipboard = text;
        return copies;
    }
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return opens;
    }
    std::string clipboard;
    std::vector<std::string> opened;
    bool copies = true, opens = true;
};

// Loads a fake dialog as the platform loads a real one: the window that
// keeps its controls alive, and the struct of its controls.
template <typename Dialog, typename User>
auto LoadFake(CallLog& log, const User& user, int& loaded) {
    auto dialog = std::make_unique<Dialog>(log, user, loaded);
    auto controls = dialog->Controls();
    return platform::Loaded<decltype(controls)>{std::move(dialog), controls};
}

class FakeNetworkConfig : public platform::NetworkConfig {
public:
    std::vector<std::string> DefaultGateways() override {
        ++asked;
        return gateways;
    }
    std::vector<std::string> gateways;
    int asked = 0;
};

}  // namespace netvik::fakes
