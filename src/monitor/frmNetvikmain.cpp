#include "monitor/frmNetvikmain.h"

#include "monitor/MonitorTexts.h"
#include "net/AddressText.h"

namespace netvik {

frmNetvikmain::frmNetvikmain(const MainServices& services, const MainControls& controls)
    : services_(services), controls_(controls), ImageList_(controls.pictures) {}

void frmNetvikmain::Form_Load() {
    gSysTray = std::make_unique<clsSysTray>(services_.shell, services_.application, services_.winsock);
    gSysTray->SourceWindow({controls_.form, controls_.Timer});
    gSysTray->RButtonUp = [this] { gSysTray_RButtonUP(); };

    state_.VerdictTips = {monitor_texts::kConnectedTip, monitor_texts::kHostAnsweredTip,
                          monitor_texts::kComputerAnsweredTip};
    state_.CheckingEnabled = true;

    // Until settings can be stored, the panel's design addresses and refresh
    // rate are the ones in force.
    const std::array<const platform::TextBox*, kChainLength> boxes = {&controls_.txtIIP, &controls_.txtHIP,
                                                                      &controls_.txtCIP};
    for (std::size_t p = 0; p < kChainLength; ++p) {
        state_.AddressTexts[p] = boxes[p]->Text();
        state_.ProbeAddresses[p] = AddressToLong(state_.AddressTexts[p]);
    }
    state_.RefreshMinutes = static_cast<std::uint8_t>(controls_.sldRefresh.Value());
    state_.MinutesLeft = state_.RefreshMinutes;
    controls_.form.Hide();
    CheckCycle();
    controls_.Timer.SetEnabled(true);
}

void frmNetvikmain::Form_Resize() {
    if (controls_.form.State() == platform::WindowState::Minimized) {
        gSysTray->MinToSysTray();
    } else {
        controls_.form.Show();
    }
}

void frmNetvikmain::cmdQuit_Click() {
    services_.winsock.EndWinsock();
    services_.application.End();
}

void frmNetvikmain::Form_QueryUnload() {
    if (services_.application.ShownInTaskList()) services_.winsock.EndWinsock();
    services_.application.End();
}

}  // namespace netvik
