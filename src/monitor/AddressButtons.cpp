// The buttons that fill the address boxes for the user: Host "Get" (this
// PC's own Internet address, or a gateway the user picks), Computer "Get"
// (this PC's address) and "&Name" (a web site's address by its name).
#include "addresses/GatewayDiscovery.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"

namespace netvik {

void frmNetvikmain::cmdGetH_Click() {
    if (modal_.AnyOpen()) return;  // its dialog is open already
    // Only an address the Internet reaches is this PC's own Internet
    // address: a private or other special one (a LAN, a VPN, a virtual
    // switch), "0.0.0.0" (none), "" (the host name could not be read) and "1"
    // (it could not be resolved) send the search to the gateways.
    const std::string own = LocalSecondAddress();
    if (IsGlobalAddress(own)) {
        txtHIP.SetText(own);
        modal_.Show(gateway_texts::kDirect, gateway_texts::kDirectTitle, platform::MessageIcon::Exclamation);
        return;
    }
    Bool16 found;
    FindGateways(found);
    if (found) {
        modal_.Run([this] { gatewayIPs_->Show(); });
        gatewayIPs_.reset();  // unloaded: the next press builds the list anew
    } else {
        txtHIP.SetText("");
        modal_.Show(gateway_texts::kNoHost, gateway_texts::kNoHostTitle, platform::MessageIcon::Error);
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
    if (modal_.AnyOpen()) return;  // its dialog is open already
    frmIAddress dialog(controls_.LoadIAddress(), {modal_, [this](const std::string& name) { return LookUp(name); }},
                       txtIIP);
    dialog.SetURL(state_.SiteHostName);
    modal_.Run([&dialog] { dialog.Show(); });
    state_.SiteHostName = dialog.URL();
}

std::string frmNetvikmain::LookUp(const std::string& hostName) {
    services_.winsock.StartWinsock();
    std::string address = services_.winsock.ResolveHostName(hostName, 0);
    services_.winsock.EndWinsock();
    return address;
}

std::string frmNetvikmain::LocalSecondAddress() {
    services_.winsock.StartWinsock();
    std::string address = services_.winsock.GetLocalHostName(true);
    services_.winsock.EndWinsock();
    return address;
}

}  // namespace netvik
