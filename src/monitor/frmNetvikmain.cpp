#include "monitor/frmNetvikmain.h"

#include "monitor/MonitorTexts.h"
#include "net/AddressText.h"

namespace netvik {

namespace {

// The addresses the panel holds until the user enters others.
constexpr std::array<const char*, kChainLength> kDesignAddresses = {"1.1.1.1", "192.168.0.1", "192.168.0.2"};
constexpr std::uint8_t kDesignRefreshMinutes = 1;

}  // namespace

frmNetvikmain::frmNetvikmain(const MainServices& services, const MainControls& controls)
    : services_(services), controls_(controls), ImageList_(controls.pictures) {}

void frmNetvikmain::Form_Load() {
    gSysTray = std::make_unique<clsSysTray>(services_.shell, services_.application, services_.winsock);
    gSysTray->SourceWindow({controls_.form, controls_.Timer});

    state_.VerdictTips = {monitor_texts::kConnectedTip, monitor_texts::kHostAnsweredTip,
                          monitor_texts::kComputerAnsweredTip};
    state_.CheckingEnabled = true;

    // Until settings can be edited and stored, the design addresses are the
    // ones in force.
    for (std::size_t p = 0; p < kChainLength; ++p) {
        state_.AddressTexts[p] = kDesignAddresses[p];
        state_.ProbeAddresses[p] = AddressToLong(kDesignAddresses[p]);
    }
    state_.RefreshMinutes = kDesignRefreshMinutes;
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

void frmNetvikmain::Form_QueryUnload() {
    if (services_.application.ShownInTaskList()) services_.winsock.EndWinsock();
    services_.application.End();
}

}  // namespace netvik
