// The address boxes, the refresh-rate slider's label, and the report of an
// invalid address set.
#include "addresses/AddressFields.h"

#include "monitor/frmNetvikmain.h"

namespace netvik {

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kDot = 46;

}  // namespace

void FilterAddressKey(std::int16_t& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kDot && keyAscii != kBackspace) keyAscii = 0;
}

std::string RefreshRateCaption(std::int32_t minutes) {
    return address_texts::kRefreshRatePrefix + std::to_string(minutes);
}

void frmNetvikmain::txtIIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }
void frmNetvikmain::txtHIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }
void frmNetvikmain::txtCIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }

void frmNetvikmain::sldRefresh_Scroll() { ShowRefreshRate(); }

void frmNetvikmain::ShowRefreshRate() {
    controls_.lblRefreshRate.SetCaption(RefreshRateCaption(controls_.sldRefresh.Value()));
}

void frmNetvikmain::ReportInvalidAddresses() {
    services_.messages.Show(address_texts::kInvalidAddresses, address_texts::kInvalidTitle,
                            platform::MessageIcon::Error);
    state_.SaveRequested = false;
    controls_.cmdSave.SetEnabled(false);
    controls_.Timer.SetEnabled(false);
    controls_.form.Show();
}

}  // namespace netvik
