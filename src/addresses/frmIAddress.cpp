#include "addresses/frmIAddress.h"

namespace netvik {

namespace {

using platform::ControlKind;

constexpr std::int16_t kBackspace = 8;
constexpr char kUnresolved[] = "1";

// In tab order: the box, Default, Reset, Cancel, Ok, then the two labels.
constexpr platform::ControlLayout kControls[] = {
    {ControlKind::TextBox, kUrlBox, "", 840, 600, 2532, 288, platform::kGroup},
    {ControlKind::Button, kDefaultButton, "&Default", 120, 1080, 732, 372},
    {ControlKind::Button, kResetButton, "&Reset", 960, 1080, 732, 372},
    {ControlKind::Button, platform::kCancelId, "&Cancel", 1800, 1080, 732, 372},
    {ControlKind::Button, platform::kOkId, "&OK", 2640, 1080, 732, 372, platform::kDefault},
    {ControlKind::Label, kWebpageLabel, iaddress_texts::kWebpage, 120, 120, 3252, 372},
    {ControlKind::Label, kHttpLabel, iaddress_texts::kHttp, 120, 636, 612, 252},
};

}  // namespace

const platform::WindowLayout frmIAddress::kLayout = {
    platform::WindowKind::Dialog, iaddress_texts::kCaption, 3492, 1572, kControls, std::size(kControls)};

platform::TextBoxArgs UrlBox() {
    platform::TextBoxArgs box;
    box.maxLength = frmIAddress::kUrlMaxLength;
    return box;
}

void FilterHostNameKey(std::int16_t& keyAscii) {
    const bool letter = (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!letter && !digit && keyAscii != '-' && keyAscii != '.' && keyAscii != kBackspace) keyAscii = 0;
}

frmIAddress::frmIAddress(platform::Loaded<IAddressControls> loaded, const IAddressServices& services,
                         platform::TextBox& internetBox)
    : IAddressControls(loaded.controls), window_(std::move(loaded.window)), services_(services), txtIIP(internetBox) {
    events_.Bind(form.Resize, [this] { Form_Resize(); });
    events_.Bind(form.QueryUnload, [this] { cmdCancel_Click(); });  // the close box is Cancel
    events_.Bind(txtURL.KeyPress, [this](std::int16_t& key) { txtURL_KeyPress(key); });
    events_.Bind(cmdDefault.Click, [this] { cmdDefault_Click(); });
    events_.Bind(cmdReset.Click, [this] { cmdReset_Click(); });
    events_.Bind(cmdCancel.Click, [this] { cmdCancel_Click(); });
    events_.Bind(cmdOK.Click, [this] { cmdOK_Click(); });
}

void frmIAddress::SetURL(const std::string& hostName) {
    given_ = hostName;
    txtURL.SetText(hostName.substr(0, kUrlMaxLength));
}

std::string frmIAddress::URL() const {
    const std::string left = txtURL.Text();
    return left == given_.substr(0, kUrlMaxLength) ? given_ : left;
}

void frmIAddress::Show() {
    Form_Resize();  // the first display
    form.ShowModal();
}

void frmIAddress::Form_Resize() {
    if (initialTaken_) return;  // later size changes leave it alone
    InitialURL = txtURL.Text();
    initialTaken_ = true;
}

void frmIAddress::txtURL_KeyPress(std::int16_t& KeyAscii) { FilterHostNameKey(KeyAscii); }

void frmIAddress::cmdDefault_Click() { txtURL.SetText(DefaultSiteHostName); }

void frmIAddress::cmdReset_Click() { txtURL.SetText(InitialURL); }

void frmIAddress::cmdCancel_Click() {
    txtURL.SetText(InitialURL);
    form.Hide();
}

void frmIAddress::cmdOK_Click() {
    const std::string name = txtURL.Text();
    if (name.empty()) {
        services_.messages.Show(iaddress_texts::kNoHostName, iaddress_texts::kErrorTitle, platform::MessageIcon::Error);
        return;
    }
    const std::string address = services_.resolve(name);
    if (address == kUnresolved) {
        services_.messages.Show(iaddress_texts::kCannotResolve, iaddress_texts::kErrorTitle,
                                platform::MessageIcon::Error);
        return;
    }
    txtIIP.SetText(address);
    form.Hide();
}

}  // namespace netvik
