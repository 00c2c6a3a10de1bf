#include "monitor/frmNetvikmain.h"

#include "monitor/MonitorTexts.h"

namespace netvik {

frmNetvikmain::frmNetvikmain(const MainServices& services, const MainControls& controls)
    : services_(services), controls_(controls), ImageList_(controls.pictures) {
    controls_.txtIIP.KeyPress = [this](std::int16_t& key) { txtIIP_KeyPress(key); };
    controls_.txtHIP.KeyPress = [this](std::int16_t& key) { txtHIP_KeyPress(key); };
    controls_.txtCIP.KeyPress = [this](std::int16_t& key) { txtCIP_KeyPress(key); };
}

frmNetvikmain::~frmNetvikmain() {
    controls_.txtIIP.KeyPress = nullptr;
    controls_.txtHIP.KeyPress = nullptr;
    controls_.txtCIP.KeyPress = nullptr;
}

void frmNetvikmain::Form_Load() {
    if (services_.application.PreviousInstance()) services_.application.End();

    gSysTray = std::make_unique<clsSysTray>(services_.shell, services_.application, services_.winsock);
    gSysTray->SourceWindow({controls_.form, controls_.Timer});
    gSysTray->RButtonUp = [this] { gSysTray_RButtonUP(); };

    state_.VerdictTips = {monitor_texts::kConnectedTip, monitor_texts::kHostAnsweredTip,
                          monitor_texts::kComputerAnsweredTip};
    state_.CheckingEnabled = true;

    // Before the settings are loaded: the design address, which Restore
    // puts back when nothing is stored.
    state_.AddressTexts[Internet] = controls_.txtIIP.Text();
    cmdRestore_Click();
    state_.AddressTexts[Host] = controls_.txtHIP.Text();
    state_.AddressTexts[Computer] = controls_.txtCIP.Text();
    state_.LoadAtStartup = static_cast<std::uint8_t>(controls_.chkStartup.Value() == 1 ? 1 : 0);

    if (services_.registry.LastRegError == 2) {
        // First run: the user enters the addresses; nothing is checked until
        // the panel is confirmed, cancelled or minimised, or checking enabled.
        controls_.Timer.SetEnabled(false);
        state_.RefreshMinutes = 1;
        controls_.form.Show();
    } else {
        state_.RefreshMinutes = static_cast<std::uint8_t>(controls_.sldRefresh.Value());
        state_.MinutesLeft = state_.RefreshMinutes;
        cmdOK_Click();
    }
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
