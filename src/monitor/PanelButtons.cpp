// The panel's Restore, Save, Ok and Cancel: the settings between the
// controls, the state in force and the registry.
#include <array>

#include "addresses/AddressFields.h"
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"
#include "net/AddressText.h"

namespace netvik {

void frmNetvikmain::cmdRestore_Click() {
    state_.SaveRequested = false;
    const std::optional<LoadedSettings> stored = services_.settings.Load();
    lastRestoreMissedValue_ = !stored || !stored->startupChoiceFound;
    if (!stored) {
        modal_.Show(monitor_texts::kUsingDefaults, monitor_texts::kNoAddressesTitle,
                    platform::MessageIcon::Information);
        txtIIP.SetText(state_.AddressTexts[Internet]);
        state_.SiteHostName = DefaultSiteHostName;
        return;
    }
    txtIIP.SetText(StoredAddressText(stored->Internet));
    txtHIP.SetText(StoredAddressText(stored->Host));
    txtCIP.SetText(StoredAddressText(stored->Computer));
    sldRefresh.SetValue(stored->RefreshRate);
    state_.SiteHostName = stored->HostName;
    chkStartup.SetValue(stored->LoadatStartup);
    ShowRefreshRate();
}

void frmNetvikmain::cmdSave_Click() { state_.SaveRequested = true; }

void frmNetvikmain::cmdCancel_Click() {
    txtIIP.SetText(state_.AddressTexts[Internet]);
    txtHIP.SetText(state_.AddressTexts[Host]);
    txtCIP.SetText(state_.AddressTexts[Computer]);
    sldRefresh.SetValue(state_.RefreshMinutes);
    ShowRefreshRate();
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.SiteHostName = state_.AppliedSiteHostName;
    chkStartup.SetValue(state_.LoadAtStartup);
    AbandonRetrieval();
    BackToTray();
    state_.SaveRequested = false;
    services_.winsock.EndWinsock();
}

void frmNetvikmain::cmdOK_Click() {
    form.Hide();
    const std::array<const platform::TextBox*, kChainLength> boxes = {&txtIIP, &txtHIP, &txtCIP};
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
    state_.RefreshMinutes = static_cast<std::uint8_t>(sldRefresh.Value());
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.AppliedSiteHostName = state_.SiteHostName;
    AbandonRetrieval();
    BackToTray();
    if (state_.SaveRequested) StoreSettings();
    cmdSave.SetEnabled(true);
    services_.winsock.EndWinsock();
}

void frmNetvikmain::BackToTray() {
    if (state_.CheckingEnabled) {
        CheckCycle();
        Timer.SetEnabled(true);
    } else {
        gSysTray->MinToSysTray();
    }
}

void frmNetvikmain::StoreSettings() {
    SettingsStore& store = services_.settings;
    StoredSettings settings;
    settings.Internet = state_.AddressTexts[Internet];
    settings.Host = state_.AddressTexts[Host];
    settings.Computer = state_.AddressTexts[Computer];
    settings.RefreshRate = state_.RefreshMinutes;
    settings.HostName = state_.SiteHostName;
    settings.LoadatStartup = chkStartup.Value();
    std::int32_t failure = store.Save(settings);

    // The logon entry follows the applied choice, which changes only when
    // the entry was really written or removed.
    std::int32_t logon = 0;
    if (settings.LoadatStartup == 0 && state_.LoadAtStartup == 1) {
        logon = store.RemoveLogonEntry();
        if (logon == 0) state_.LoadAtStartup = 0;
    } else if (settings.LoadatStartup == 1 && state_.LoadAtStartup == 0) {
        logon = store.SetLogonEntry(services_.application.ExecutablePath());
        if (logon == 0) state_.LoadAtStartup = 1;
    }
    if (failure == 0) failure = logon;
    state_.SaveRequested = false;

    if (failure != 0) {
        modal_.Show(monitor_texts::kSaveFailedPrefix + std::to_string(failure) + monitor_texts::kSaveFailedSuffix,
                    monitor_texts::kSaveFailedTitle, platform::MessageIcon::Error);
    }
}

}  // namespace netvik
