// The buttons that fill the address boxes for the user: Host "Get" (this
// PC's own Internet address, or a gateway the user picks), Computer "Get"
// (this PC's address) and "&Name" (a web site's address by its name).
#include "addresses/GatewayDiscovery.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"

namespace netvik {

void frmNetvikmain::cmdGetH_Click() {
    // Only a real address is this PC's own Internet address: "0.0.0.0"
    // (none), "" (the host name could not be read) and "1" (it could not be
    // resolved) send the search to the gateways.
    if (AddressToLong(LocalSecondAddress()) != 0) {
        txtHIP.SetText(LocalSecondAddress());
        services_.messages.Show(gateway_texts::kDirect, gateway_texts::kDirectTitle,
                                platform::MessageIcon::Exclamation);
        return;
    }
    Bool16 found;
    FindGateways(found);
    if (found) {
        gatewayIPs_->Show();
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
        gateways = services_.network.DefaultGateways();
        if (gateways.size() > kMaxGateways) gateways.resize(kMaxGateways);
    }
    found = !gateways.empty();
    if (!found) return;
    gatewayIPs_ = std::make_unique<frmGatewayIPs>(controls_.LoadGatewayIPs(), txtHIP);
    gatewayIPs_->Fill(gateways);
}

void frmNetvikmain::cmdGetC_Click() { txtCIP.SetText(Winsock.LocalIP()); }

void frmNetvikmain::cmdIname_Click() {
    frmIAddress dialog(controls_.LoadIAddress(),
                       {services_.messages, [this](const std::string& name) { return LookUp(name); }}, txtIIP);
    dialog.SetURL(state_.SiteHostName);
    dialog.Show();
    state_.SiteHostName = dialog.URL();
}

std::string frmNetvikmain::LocalSecondAddress() {
    services_.winsock.StartWinsock();
    std::string address = services_.winsock.GetLocalHostName(true);
    services_.winsock.EndWinsock();
    return address;
}

}  // namespace netvik
