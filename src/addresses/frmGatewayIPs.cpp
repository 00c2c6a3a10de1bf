#include "addresses/frmGatewayIPs.h"

#include "addresses/AddressFields.h"

namespace netvik {

namespace {

using platform::ControlKind;

// In tab order: the list, Cancel, Ok, then the instruction.
constexpr platform::ControlLayout kControls[] = {
    {ControlKind::ComboBox, kGatewayList, "", 120, 540, 1452, 1500, platform::kGroup},
    {ControlKind::Button, platform::kCancelId, "&Cancel", 1680, 480, 732, 372},
    {ControlKind::Button, platform::kOkId, "&Ok", 2520, 480, 732, 372, platform::kDefault},
    {ControlKind::Label, kSelectLabel, gateway_texts::kSelect, 120, 120, 3132, 252},
};

}  // namespace

const platform::WindowLayout frmGatewayIPs::kLayout = {
    platform::WindowKind::Dialog, gateway_texts::kCaption, 3372, 972, kControls, std::size(kControls)};

frmGatewayIPs::frmGatewayIPs(platform::Loaded<GatewayIPsControls> loaded, platform::TextBox& hostBox)
    : GatewayIPsControls(loaded.controls), window_(std::move(loaded.window)), txtHIP(hostBox) {
    events_.Bind(cmdOK.Click, [this] { cmdOK_Click(); });
    events_.Bind(cmdCancel.Click, [this] { cmdCancel_Click(); });
    events_.Bind(form.QueryUnload, [this] { cmdCancel_Click(); });  // the close box is Cancel
}

void frmGatewayIPs::Fill(const std::vector<std::string>& gateways) {
    // A registry entry longer than an address is listed cut, never whole.
    for (const std::string& gateway : gateways) cboGatewayIPs.AddItem(StoredAddressText(gateway));
    cboGatewayIPs.SetListIndex(0);
}

void frmGatewayIPs::Show() { form.ShowModal(); }

void frmGatewayIPs::cmdOK_Click() {
    const int selected = cboGatewayIPs.ListIndex();
    if (selected >= 0) txtHIP.SetText(cboGatewayIPs.List(selected));
    form.Hide();
}

void frmGatewayIPs::cmdCancel_Click() { form.Hide(); }

}  // namespace netvik
