#pragma once
#include <memory>
#include <string>
#include <vector>

#include "common/EventBindings.h"
#include "platform/Layout.h"
#include "platform/Parts.h"

namespace netvik {

// The controls of the gateway dialog, by name (platform/Parts.h).
enum GatewayIPsId : int { kGatewayList = 100, kSelectLabel = 103 };
template <typename Kit>
struct GatewayIPsParts {
    explicit GatewayIPsParts(Kit& kit) : kit(kit) {}
    Kit& kit;
    typename Kit::Window form = kit.Make(platform::kWindowId, platform::WindowArgs{});
    typename Kit::ComboBox cboGatewayIPs = kit.Make(kGatewayList, platform::ComboBoxArgs{});
    typename Kit::Button cmdCancel = kit.Make(platform::kCancelId, platform::ButtonArgs{});
    typename Kit::Button cmdOK = kit.Make(platform::kOkId, platform::ButtonArgs{});
};
using GatewayIPsControls = GatewayIPsParts<platform::View>;

// The dialog in which the user picks one of the gateways found for the
// Host box. It lives for one press of the Host "Get" button.
class frmGatewayIPs : private GatewayIPsControls {
public:
    static const platform::WindowLayout kLayout;

    // hostBox: the main window's Host box, which Ok fills.
    frmGatewayIPs(platform::Loaded<GatewayIPsControls> loaded, platform::TextBox& hostBox);

    // Lists the gateways, the first one selected.
    void Fill(const std::vector<std::string>& gateways);
    // Shows the dialog modally; returns once it has hidden itself.
    void Show();

    void cmdOK_Click();
    void cmdCancel_Click();

private:
    std::unique_ptr<platform::LoadedWindow> window_;
    platform::TextBox& txtHIP;
    EventBindings events_;
};

namespace gateway_texts {

inline constexpr char kCaption[] = "Gateway(s) found";
inline constexpr char kSelect[] = "Select a Gateway from the list below.";
inline constexpr char kDirectTitle[] = "Direct connection to the Internet detected";
inline constexpr char kDirect[] =
    "You are connected to the internet directly.\rThe Host textbox will show your PC' s Internet IP-address.";
inline constexpr char kNoHostTitle[] = "No host found";
inline constexpr char kNoHost[] = "No Hosts or gateways could be found by\rNetvik. Host textbox is made blank.";

}  // namespace gateway_texts
}  // namespace netvik
