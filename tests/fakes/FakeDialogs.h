#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "fakes/CallLog.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeWindow.h"
#include "platform/NetworkConfig.h"

namespace netvik::fakes {

// The two dialogs in memory. A test plays the user in `user`, which runs
// while the dialog is shown modally; `loaded` counts the dialogs alive.
struct FakeGatewayIPs : platform::LoadedWindow {
    FakeGatewayIPs(CallLog& log, std::function<void(FakeGatewayIPs&)> user, int& loaded)
        : window(log, "gateways"), loaded(loaded) {
        ++loaded;
        window.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeGatewayIPs() override { --loaded; }
    GatewayIPsControls Controls() { return {window, list, cancel, ok}; }

    FakeWindow window;
    FakeComboBox list;
    FakeButton cancel{"&Cancel"};
    FakeButton ok{"&Ok"};
    int& loaded;
};

struct FakeIAddress : platform::LoadedWindow {
    FakeIAddress(CallLog& log, std::function<void(FakeIAddress&)> user, int& loaded)
        : window(log, "iaddress"), loaded(loaded) {
        ++loaded;
        window.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeIAddress() override { --loaded; }
    IAddressControls Controls() { return {window, url, defaultButton, reset, cancel, ok}; }

    FakeWindow window;
    FakeTextBox url{"", 63};
    FakeButton defaultButton{"&Default"};
    FakeButton reset{"&Reset"};
    FakeButton cancel{"&Cancel"};
    FakeButton ok{"&OK"};
    int& loaded;
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
