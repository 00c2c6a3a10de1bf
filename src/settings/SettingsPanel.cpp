// The panel's Restore, Save, Ok and Cancel: the settings between the
// controls, the state in force and the registry.
#include <array>

#include "addresses/AddressFields.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"
#include "settings/Settings.h"

namespace netvik {

std::string frmNetvikmain::ReadSetting(const char* name) {
    return services_.registry.GetRegValue(platform::kLocalMachine, settings::kSoftware, settings::kSubkey, name);
}

bool frmNetvikmain::WriteSetting(const char* name, const std::string& data) {
    services_.registry.SaveRegValue(platform::kLocalMachine, settings::kSoftware, settings::kSubkey, name, data);
    return services_.registry.LastRegError == 0;
}

void frmNetvikmain::cmdRestore_Click() {
    state_.SaveRequested = false;
    controls_.txtIIP.SetText(ReadSetting(settings::kInternet));
    if (services_.registry.LastRegError == 2) {
        services_.messages.Show(settings::kUsingDefaults, settings::kNoAddressesTitle,
                                platform::MessageIcon::Information);
        controls_.txtIIP.SetText(state_.AddressTexts[Internet]);
        state_.SiteHostName = settings::DefaultSiteHostName;
        return;
    }
    controls_.txtHIP.SetText(ReadSetting(settings::kHost));
    controls_.txtCIP.SetText(ReadSetting(settings::kComputer));
    controls_.sldRefresh.SetValue(RefreshRateFromText(ReadSetting(settings::kRefreshRateRead)));
    state_.SiteHostName = ReadSetting(settings::kHostName);
    controls_.chkStartup.SetValue(LoadAtStartupFromText(ReadSetting(settings::kLoadAtStartup)));
    ShowRefreshRate();
}

void frmNetvikmain::cmdSave_Click() { state_.SaveRequested = true; }

void frmNetvikmain::cmdCancel_Click() {
    controls_.txtIIP.SetText(state_.AddressTexts[Internet]);
    controls_.txtHIP.SetText(state_.AddressTexts[Host]);
    controls_.txtCIP.SetText(state_.AddressTexts[Computer]);
    controls_.sldRefresh.SetValue(state_.RefreshMinutes);
    ShowRefreshRate();
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.SiteHostName = state_.AppliedSiteHostName;
    controls_.chkStartup.SetValue(state_.LoadAtStartup);
    BackToTray();
    state_.SaveRequested = false;
    services_.winsock.EndWinsock();
}

void frmNetvikmain::cmdOK_Click() {
    controls_.form.Hide();
    const std::array<const platform::TextBox*, kChainLength> boxes = {&controls_.txtIIP, &controls_.txtHIP,
                                                                      &controls_.txtCIP};
    bool valid = true;
    for (std::size_t p = 0; p < kChainLength; ++p) {
        state_.ProbeAddresses[p] = AddressToLong(boxes[p]->Text());
        valid = valid && state_.ProbeAddresses[p] != 0;
    }
    if (!valid) {
        ReportInvalidAddresses();
        return;
    }
    for (std::size_t p = 0; p < kChainLength; ++p) state_.AddressTexts[p] = boxes[p]->Text();
    state_.RefreshMinutes = static_cast<std::uint8_t>(controls_.sldRefresh.Value());
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.AppliedSiteHostName = state_.SiteHostName;
    BackToTray();
    if (state_.SaveRequested) StoreSettings();
    controls_.cmdSave.SetEnabled(true);
    services_.winsock.EndWinsock();
}

void frmNetvikmain::BackToTray() {
    if (state_.CheckingEnabled) {
        CheckCycle();
        controls_.Timer.SetEnabled(true);
    } else {
        gSysTray->MinToSysTray();
    }
}

void frmNetvikmain::StoreSettings() {
    auto& registry = services_.registry;
    std::int32_t failure = 0;
    auto note = [&](bool stored) {
        if (!stored && failure == 0) failure = registry.LastRegError;
    };
    note(WriteSetting(settings::kInternet, state_.AddressTexts[Internet]));
    note(WriteSetting(settings::kHost, state_.AddressTexts[Host]));
    note(WriteSetting(settings::kComputer, state_.AddressTexts[Computer]));
    note(WriteSetting(settings::kRefreshRateWritten, std::to_string(state_.RefreshMinutes)));
    note(WriteSetting(settings::kHostName, state_.SiteHostName));
    const std::int16_t startup = controls_.chkStartup.Value();
    note(WriteSetting(settings::kLoadAtStartup, std::to_string(startup)));

    // The logon entry follows the applied choice, which changes only when
    // the entry was really written or removed.
    if (startup == 0 && state_.LoadAtStartup == 1) {
        registry.LastRegError = 0;
        registry.DeleteRegValue(platform::kLocalMachine, settings::kSoftware, settings::kRunSubkey,
                                settings::kRunValue);
        const bool gone = registry.LastRegError == 0 || registry.LastRegError == 2;
        if (gone) state_.LoadAtStartup = 0;
        note(gone);
    } else if (startup == 1 && state_.LoadAtStartup == 0) {
        registry.SaveRegValue(platform::kLocalMachine, settings::kSoftware, settings::kRunSubkey, settings::kRunValue,
                              LogonCommand(services_.application.ExecutablePath()));
        const bool written = registry.LastRegError == 0;
        if (written) state_.LoadAtStartup = 1;
        note(written);
    }
    state_.SaveRequested = false;

    if (failure != 0) {
        services_.messages.Show(settings::kSaveFailedPrefix + std::to_string(failure) + settings::kSaveFailedSuffix,
                                settings::kSaveFailedTitle, platform::MessageIcon::Error);
    }
}

}  // namespace netvik
