// The panel's Restore, Save, Ok and Cancel: the settings between the
// controls, the state in force and the registry.
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

PanelValues frmNetvikmain::PanelShown() const {
    return {{txtIIP.Text(), txtHIP.Text(), txtCIP.Text()}, sldRefresh.Value(), chkStartup.Value()};
}

void frmNetvikmain::ShowPanel(const PanelValues& values) {
    txtIIP.SetText(values.addresses[Internet]);
    txtHIP.SetText(values.addresses[Host]);
    txtCIP.SetText(values.addresses[Computer]);
    sldRefresh.SetValue(values.refreshRate);
    chkStartup.SetValue(values.loadAtStartup);
    ShowRefreshRate();
}

void frmNetvikmain::cmdRestore_Click() { Restore(); }

std::optional<PanelValues> frmNetvikmain::Restore() {
    state_.SaveRequested = false;
    const std::optional<LoadedSettings> stored = services_.settings.Load();
    lastRestoreMissedValue_ = !stored || !stored->startupChoiceFound;
    if (!stored) {
        services_.messages.Show(monitor_texts::kUsingDefaults, monitor_texts::kNoAddressesTitle,
                                platform::MessageIcon::Information);
        txtIIP.SetText(state_.AddressTexts[Internet]);
        state_.SiteHostName = DefaultSiteHostName;
        return std::nullopt;
    }
    const PanelValues values = PanelValuesOf(*stored);
    ShowPanel(values);
    state_.SiteHostName = stored->HostName;
    return values;
}

void frmNetvikmain::cmdSave_Click() { state_.SaveRequested = true; }

void frmNetvikmain::cmdCancel_Click() {
    ShowPanel({state_.AddressTexts, state_.RefreshMinutes, state_.LoadAtStartup});
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.SiteHostName = state_.AppliedSiteHostName;
    AbandonRetrieval();
    BackToTray();
    state_.SaveRequested = false;
    services_.winsock.EndWinsock();
}

void frmNetvikmain::cmdOK_Click() { Apply(PanelShown()); }

void frmNetvikmain::Apply(const PanelValues& panel) {
    form.Hide();
    state_.ProbeAddresses = ProbeAddressesOf(panel.addresses);
    if (!AllValid(state_.ProbeAddresses)) {
        ReportInvalidAddresses();
        return;
    }
    state_.AddressTexts = panel.addresses;
    state_.RefreshMinutes = static_cast<std::uint8_t>(panel.refreshRate);
    state_.MinutesLeft = state_.RefreshMinutes;
    state_.AppliedSiteHostName = state_.SiteHostName;
    AbandonRetrieval();
    BackToTray();
    if (state_.SaveRequested) StoreSettings(panel.loadAtStartup);
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

void frmNetvikmain::StoreSettings(std::int16_t loadAtStartup) {
    SettingsStore& store = services_.settings;
    std::int32_t failure =
        store.Save({state_.AddressTexts[Internet], state_.AddressTexts[Host], state_.AddressTexts[Computer],
                    state_.RefreshMinutes, state_.SiteHostName, loadAtStartup});

    // The logon entry follows the applied choice, which changes only when
    // the entry was really written or removed.
    std::int32_t logon = 0;
    switch (LogonChangeOf(loadAtStartup, state_.LoadAtStartup)) {
        case LogonChange::Remove:
            logon = store.RemoveLogonEntry();
            if (logon == 0) state_.LoadAtStartup = 0;
            break;
        case LogonChange::Write:
            logon = store.SetLogonEntry(services_.application.ExecutablePath());
            if (logon == 0) state_.LoadAtStartup = 1;
            break;
        case LogonChange::None: break;
    }
    if (failure == 0) failure = logon;
    state_.SaveRequested = false;

    if (failure != 0) {
        services_.messages.Show(
            monitor_texts::kSaveFailedPrefix + std::to_string(failure) + monitor_texts::kSaveFailedSuffix,
            monitor_texts::kSaveFailedTitle, platform::MessageIcon::Error);
    }
}

}  // namespace netvik
