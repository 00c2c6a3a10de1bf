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
struct FakeGatewayIPs : GatewayIPsControls {
    FakeGatewayIPs(CallLog& log, std::function<void(FakeGatewayIPs&)> user, int& loaded)
        : window(log, "gateways"), loaded(loaded) {
        ++loaded;
        window.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeGatewayIPs() override { --loaded; }
    platform::Window& form() override { return window; }
    platform::ComboBox& cboGatewayIPs() override { return list; }
    platform::Button& cmdCancel() override { return cancel; }
    platform::Button& cmdOK() override { return ok; }

    FakeWindow window;
    FakeComboBox list;
    FakeButton cancel{"&Cancel"};
    FakeButton ok{"&Ok"};
    int& loaded;
};

struct FakeIAddress : IAddressControls {
    FakeIAddress(CallLog& log, std::function<void(FakeIAddress&)> user, int& loaded)
        : window(log, "iaddress"), loaded(loaded) {
        ++loaded;
        window.whileModal = [this, user] {
            if (user) user(*this);
        };
    }
    ~FakeIAddress() override { --loaded; }
    platform::Window& form() override { return window; }
    platform::TextBox& txtURL() override { return url; }
    platform::Button& cmdDefault() override { return defaultButton; }
    platform::Button& cmdReset() override { return reset; }
    platform::Button& cmdCancel() override { return cancel; }
    platform::Button& cmdOK() override { return ok; }

    FakeWindow window;
    FakeTextBox url{"", 63};
    FakeButton defaultButton{"&Default"};
    FakeButton reset{"&Reset"};
    FakeButton cancel{"&Cancel"};
    FakeButton ok{"&OK"};
    int& loaded;
};

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
