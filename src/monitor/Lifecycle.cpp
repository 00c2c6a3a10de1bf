// Start-up, the window's two states, and the ends of the program.
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

frmNetvikmain::frmNetvikmain(const MainServices& services, const MainControls& controls)
    : MainControls(controls),
      services_(services),
      ImageList_(Pictures),
      trace_(services.icmp, services.connect, tmrTrace, services.clock) {
    BindEvents();
}

void frmNetvikmain::BindEvents() {
    events_.Bind(form.Resize, [this] { Form_Resize(); });
    events_.Bind(form.QueryUnload, [this] { Form_QueryUnload(); });
    events_.Bind(form.Suspending, [this] { Form_Suspending(); });
    events_.Bind(form.Resumed, [this] { Form_Resumed(); });
    events_.Bind(Timer.Tick, [this] { Timer_Timer(); });
    events_.Bind(tmrResume.Tick, [this] { tmrResume_Timer(); });
    events_.Bind(tmrTrace.Tick, [this] { tmrTrace_Timer(); });
    events_.Bind(trace_.Done, [this](const TraceResult& result) { Trace_Done(result); });
    events_.Bind(txtIIP.KeyPress, [this](std::int16_t& key) { txtIIP_KeyPress(key); });
    events_.Bind(txtHIP.KeyPress, [this](std::int16_t& key) { txtHIP_KeyPress(key); });
    events_.Bind(txtCIP.KeyPress, [this](std::int16_t& key) { txtCIP_KeyPress(key); });
    events_.Bind(sldRefresh.Scroll, [this] { sldRefresh_Scroll(); });
    events_.Bind(cmdSave.Click, [this] { cmdSave_Click(); });
    events_.Bind(cmdRestore.Click, [this] { cmdRestore_Click(); });
    events_.Bind(cmdOK.Click, [this] { cmdOK_Click(); });
    events_.Bind(cmdCancel.Click, [this] { cmdCancel_Click(); });
    events_.Bind(cmdQuit.Click, [this] { cmdQuit_Click(); });
    events_.Bind(cmdRetrieve.Click, [this] { cmdRetrieve_Click(); });
    events_.Bind(cmdGetH.Click, [this] { cmdGetH_Click(); });
    events_.Bind(cmdGetC.Click, [this] { cmdGetC_Click(); });
    events_.Bind(cmdIname.Click, [this] { cmdIname_Click(); });
    events_.Bind(Winsock.Connected, [this] { Winsock_Connect(); });
    events_.Bind(Winsock.DataArrival, [this](std::int32_t bytesTotal) { Winsock_DataArrival(bytesTotal); });
    events_.Bind(Winsock.Closed, [this] { Winsock_Close(); });
    events_.Bind(Winsock.Resolved, [this](const std::string& address) { Winsock_Resolved(address); });
}

void frmNetvikmain::Form_Load() {
    // Only one instance runs. A mark that was there already, or could not be
    // made, may be a foreign program's of the same name: the running
    // program's window decides then.
    if (services_.application.ClaimInstanceMark() != platform::InstanceMark::Claimed &&
        services_.application.OtherInstanceWindow()) {
        services_.application.End();
    }

    gSysTray = std::make_unique<clsSysTray>(services_.shell);
    gSysTray->SourceWindow({form, Timer});
    events_.Bind(gSysTray->RButtonUp, [this] { gSysTray_RButtonUP(); });
    events_.Bind(gSysTray->WentToTray, [this] { gSysTray_WentToTray(); });
    events_.Bind(gSysTray->Restored, [this] { gSysTray_Restored(); });
    events_.Bind(gSysTray->BalloonClicked, [this] { mnoHistory_Click(); });
    events_.Bind(gSysTray->BalloonClosed, [this] { gSysTray_BalloonClosed(); });
    notifyOnChange_ = services_.settings.NotifyOnChange();
    mnuPopup.SetItemChecked(mnoNotify, notifyOnChange_);
    RecordEvent(history::WatchEvent::Started);

    state_.VerdictTips = {monitor_texts::kConnectedTip, monitor_texts::kHostAnsweredTip,
                          monitor_texts::kComputerAnsweredTip};
    state_.CheckingEnabled = true;

    // Before the settings are loaded: the panel's design, whose Internet
    // address Restore puts back when nothing is stored.
    PanelValues panel = PanelShown();
    state_.AddressTexts[Internet] = panel.addresses[Internet];
    if (const std::optional<PanelValues> restored = Restore()) {
        panel = *restored;
    } else {
        panel.addresses[Internet] = state_.AddressTexts[Internet];
    }
    state_.AddressTexts[Host] = panel.addresses[Host];
    state_.AddressTexts[Computer] = panel.addresses[Computer];
    // Without a stored choice, the box shows what the registry holds: a logon
    // entry that an installer wrote is there to be kept or removed.
    if (lastRestoreMissedValue_ && services_.settings.HasLogonEntry()) {
        panel.loadAtStartup = 1;
        chkStartup.SetValue(1);
    }
    state_.LoadAtStartup = static_cast<std::uint8_t>(panel.loadAtStartup == 1 ? 1 : 0);

    if (lastRestoreMissedValue_) {
        // First run: the user enters the addresses; nothing is checked until
        // the panel is confirmed, cancelled or minimised, or checking enabled.
        Timer.SetEnabled(false);
        state_.RefreshMinutes = 1;
        ShowRefreshRate();  // the slider's value, as stored settings show it
        // What the panel shows is in force: Cancel puts it back.
        state_.AppliedSiteHostName = state_.SiteHostName;
        form.Show();
    } else {
        // The stored settings go into force as Ok puts the panel's.
        state_.RefreshMinutes = static_cast<std::uint8_t>(panel.refreshRate);
        state_.MinutesLeft = state_.RefreshMinutes;
        Apply(panel);
    }
}

void frmNetvikmain::Form_Resize() {
    if (form.State() == platform::WindowState::Minimized) {
        if (gSysTray->Record().hIcon == 0) {
            // No check has drawn the icon yet (a first start, or stored
            // addresses that Ok refused): it shows the program itself, so
            // that the user can find it and double-click it.
            gSysTray->ChangeIcon(Pictures.ProgramIcon());
            gSysTray->ChangeToolTip(monitor_texts::kMainCaption);
        }
        AbandonRetrieval();
        gSysTray->MinToSysTray();
        // The panel's hold on the sockets library ends in the tray, as it
        // does after Ok and Cancel.
        services_.winsock.EndWinsock();
    } else if (form.Visible()) {
        // A hidden window's size changes (its creation, a state set while it
        // is in the tray) are not the panel's: it stays hidden.
        form.Show();
    }
}

void frmNetvikmain::Form_Suspending() {
    EndTrace();
    tmrResume.SetEnabled(false);
    RecordEvent(history::WatchEvent::Suspending);
}

// What the icon showed before the sleep may no longer hold: a check tells,
// once the network has had its moment. Its verdict starts the new watched
// stretch.
void frmNetvikmain::Form_Resumed() {
    RecordEvent(history::WatchEvent::Resumed);
    tmrResume.SetEnabled(true);
}

void frmNetvikmain::tmrResume_Timer() {
    tmrResume.SetEnabled(false);
    // As the countdown would check: only when enabled, and never while the
    // panel is open (its Ok or Cancel checks).
    if (!state_.CheckingEnabled || ShownInTaskList) return;
    state_.MinutesLeft = state_.RefreshMinutes;
    CheckCycle();
}

void frmNetvikmain::gSysTray_WentToTray() { ShownInTaskList = false; }

void frmNetvikmain::gSysTray_Restored() {
    EndTrace();
    ShownInTaskList = true;
    services_.winsock.StartWinsock();  // held while the panel is open
}

void frmNetvikmain::cmdQuit_Click() {
    EndTrace();
    RecordEvent(history::WatchEvent::Ending);
    services_.winsock.EndWinsock();
    services_.application.End();
}

void frmNetvikmain::Form_QueryUnload() {
    EndTrace();
    RecordEvent(history::WatchEvent::Ending);
    if (ShownInTaskList) {
        services_.winsock.EndWinsock();
    } else if (gSysTray != nullptr) {
        // Closed from outside while in the tray (the system shutting down,
        // an uninstaller): no dead icon stays behind.
        gSysTray->RemoveFromSysTray();
    }
    services_.application.End();
}

}  // namespace netvik
