#include "addresses/frmGatewayIPs.h"

#include "addresses/AddressFields.h"

namespace netvik {

namespace {

using Kind = ControlLayout::Kind;

// In tab order: the list, Cancel, Ok, then the instruction.
constexpr ControlLayout kControls[] = {
    {Kind::ComboBox, "", 120, 540, 1452, 1500},
    {Kind::CancelButton, "&Cancel", 1680, 480, 732, 372},
    {Kind::DefaultButton, "&Ok", 2520, 480, 732, 372},
    {Kind::Label, gateway_texts::kSelect, 120, 120, 3132, 252},
};

}  // namespace

const DialogLayout frmGatewayIPs::kLayout = {gateway_texts::kCaption, 3372, 972, kControls, std::size(kControls)};

frmGatewayIPs::frmGatewayIPs(std::unique_ptr<GatewayIPsControls> controls, platform::TextBox& hostBox)
    : controls_(std::move(controls)),
      form(controls_->form()),
      cboGatewayIPs(controls_->cboGatewayIPs()),
      cmdCancel(controls_->cmdCancel()),
      cmdOK(controls_->cmdOK()),
      txtHIP(hostBox) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    form.QueryUnload = [this] { cmdCancel_Click(); };  // the close box is Cancel
}

frmGatewayIPs::~frmGatewayIPs() { cmdOK.Click = cmdCancel.Click = form.QueryUnload = nullptr; }

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
