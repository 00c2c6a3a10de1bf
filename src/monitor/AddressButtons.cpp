// The buttons that fill the address boxes for the user: Host "Get" (this
// PC's own Internet address, or a gateway the user picks), Computer "Get"
// (this PC's address) and "&Name" (a web site's address by its name).
#include "addresses/GatewayDiscovery.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"

namespace netvik {

template <typename Lookup>
std::string frmNetvikmain::WithSockets(Lookup lookup) {
    services_.winsock.StartWinsock();
    std::string address = lookup();
    services_.winsock.EndWinsock();
    return address;
}

void frmNetvikmain::cmdGetH_Click() {
    if (services_.messages.AnyOpen()) return;  // its dialog is open already
    // Only an address the Internet reaches is this PC's own Internet
    // address: a private or other special one (a LAN, a VPN, a virtual
    // switch), "0.0.0.0" (none), "" (the host name could not be read) and "1"
    // (it could not be resolved) send the search to the gateways.
    const std::string own = WithSockets([this] { return services_.winsock.GetLocalHostName(true); });
    if (IsGlobalAddress(own)) {
        txtHIP.SetText(own);
        services_.messages.Show(gateway_texts::kDirect, gateway_texts::kDirectTitle,
                                platform::MessageIcon::Exclamation);
        return;
    }
    Bool16 found;
    FindGateways(found);
    if (found) {
        services_.messages.Run([this] { gatewayIPs_->Show(); });
        gatewayIPs_.reset();  // unloaded: the next press builds the list anew
    } else {
        txtHIP.SetText("");
        services_.messages.Show(gateway_texts::kNoHost, gateway_texts::kNoHostTitle, platform::MessageIcon::Error);
    }
}

void frmNetvikmain::FindGateways(Bool16& found) {
    std::vector<std::string> gateways = NetTransGateways(services_.registry);
    if (gateways.empty()) {
        // Only the first Windows generation keeps them there: ask the system.
        gateways = SystemGateways(services_.network);
    }
    found = !gateways.empty();
    if (!found) return;
    gatewayIPs_ = std::make_unique<frmGatewayIPs>(services_.dialogs.LoadGatewayIPs(), txtHIP);
    gatewayIPs_->Fill(gateways);
}

void frmNetvikmain::cmdGetC_Click() {
    txtCIP.SetText(WithSockets([this] { return services_.winsock.LocalIP(); }));
}

void frmNetvikmain::cmdIname_Click() {
    if (services_.messages.AnyOpen()) return;  // its dialog is open already
    frmIAddress dialog(services_.dialogs.LoadIAddress(),
                       {services_.messages, [this](const std::string& name) { return LookUp(name); }}, txtIIP);
    dialog.SetURL(state_.SiteHostName);
    services_.messages.Run([&dialog] { dialog.Show(); });
    state_.SiteHostName = dialog.URL();
}

std::string frmNetvikmain::LookUp(const std::string& hostName) {
    return WithSockets([&] { return services_.winsock.ResolveHostName(hostName, 0); });
}

}  // namespace netvik
