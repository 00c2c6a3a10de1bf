// The panel's address boxes and refresh-rate slider, and what becomes of an
// address set that Ok refused.
#include "addresses/AddressFields.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::txtIIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }
void frmNetvikmain::txtHIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }
void frmNetvikmain::txtCIP_KeyPress(std::int16_t& KeyAscii) { FilterAddressKey(KeyAscii); }

void frmNetvikmain::sldRefresh_Scroll() { ShowRefreshRate(); }

void frmNetvikmain::ShowRefreshRate() { lblRefreshRate.SetCaption(RefreshRateCaption(sldRefresh.Value())); }

void frmNetvikmain::ReportInvalidAddresses() {
    ShowInvalidAddressesMessage(services_.messages);
    state_.SaveRequested = false;
    cmdSave.SetEnabled(false);
    // No check runs while the settings are invalid; a retrieval that waits
    // keeps its time-out, which the timer is meanwhile.
    if (retrieval_ == Retrieval::Idle) Timer.SetEnabled(false);
    form.Show();
}

}  // namespace netvik
