// Start-up, the window's two states, and the ends of the program.
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

frmNetvikmain::frmNetvikmain(const MainServices& services, MainControls& controls)
    : services_(services),
      controls_(controls),
      form(controls.form()),
      Timer(controls.Timer()),
      txtIIP(controls.txtIIP()),
      cmdIname(controls.cmdIname()),
      txtHIP(controls.txtHIP()),
      cmdGetH(controls.cmdGetH()),
      txtCIP(controls.txtCIP()),
      cmdGetC(controls.cmdGetC()),
      lblRefreshRate(controls.lblRefreshRate()),
      sldRefresh(controls.sldRefresh()),
      lblRealIP(controls.lblRealIP()),
      cmdRetrieve(controls.cmdRetrieve()),
      Winsock(controls.Winsock()),
      chkStartup(controls.chkStartup()),
      cmdSave(controls.cmdSave()),
      cmdRestore(controls.cmdRestore()),
      cmdOK(controls.cmdOK()),
      cmdCancel(controls.cmdCancel()),
      cmdQuit(controls.cmdQuit()),
      mnuPopup(controls.mnuPopup()),
      pictures(controls.Pictures()),
      ImageList_(pictures) {
    SetEvents();
}

frmNetvikmain::~frmNetvikmain() { ClearEvents(); }

void frmNetvikmain::SetEvents() {
    form.Resize = [this] { Form_Resize(); };
    form.QueryUnload = [this] { Form_QueryUnload(); };
    Timer.Tick = [this] { Timer_Timer(); };
    txtIIP.KeyPress = [this](std::int16_t& key) { txtIIP_KeyPress(key); };
    txtHIP.KeyPress = [this](std::int16_t& key) { txtHIP_KeyPress(key); };
    txtCIP.KeyPress = [this](std::int16_t& key) { txtCIP_KeyPress(key); };
    sldRefresh.Scroll = [this] { sldRefresh_Scroll(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdRestore.Click = [this] { cmdRestore_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdQuit.Click = [this] { cmdQuit_Click(); };
    cmdRetrieve.Click = [this] { cmdRetrieve_Click(); };
    cmdGetH.Click = [this] { cmdGetH_Click(); };
    cmdGetC.Click = [this] { cmdGetC_Click(); };
    cmdIname.Click = [this] { cmdIname_Click(); };
    Winsock.Connected = [this] { Winsock_Connect(); };
    Winsock.DataArrival = [this](std::int32_t bytesTotal) { Winsock_DataArrival(bytesTotal); };
}

// The controls may outlive the window's logic: no event reaches it after.
void frmNetvikmain::ClearEvents() {
    form.Resize = form.QueryUnload = Timer.Tick = nullptr;
    txtIIP.KeyPress = txtHIP.KeyPress = txtCIP.KeyPress = nullptr;
    sldRefresh.Scroll = nullptr;
    cmdSave.Click = cmdRestore.Click = cmdOK.Click = cmdCancel.Click = cmdQuit.Click = cmdRetrieve.Click = nullptr;
    cmdGetH.Click = cmdGetC.Click = cmdIname.Click = nullptr;
    Winsock.Connected = nullptr;
    Winsock.DataArrival = nullptr;
}

void frmNetvikmain::Form_Load() {
    if (services_.application.PreviousInstance()) services_.application.End();

    gSysTray = std::make_unique<clsSysTray>(services_.shell, services_.winsock, ShownInTaskList);
    gSysTray->SourceWindow({form, Timer});
    gSysTray->RButtonUp = [this] { gSysTray_RButtonUP(); };

    state_.VerdictTips = {monitor_texts::kConnectedTip, monitor_texts::kHostAnsweredTip,
                          monitor_texts::kComputerAnsweredTip};
    state_.CheckingEnabled = true;

    // Before the settings are loaded: the design address, which Restore
    // puts back when nothing is stored.
    state_.AddressTexts[Internet] = txtIIP.Text();
    cmdRestore_Click();
    state_.AddressTexts[Host] = txtHIP.Text();
    state_.AddressTexts[Computer] = txtCIP.Text();
    // Without a stored choice, the box shows what the registry holds: a logon
    // entry that an installer wrote is there to be kept or removed.
    if (lastRestoreMissedValue_ && services_.settings.HasLogonEntry()) chkStartup.SetValue(1);
    state_.LoadAtStartup = static_cast<std::uint8_t>(chkStartup.Value() == 1 ? 1 : 0);

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
        state_.RefreshMinutes = static_cast<std::uint8_t>(sldRefresh.Value());
        state_.MinutesLeft = state_.RefreshMinutes;
        cmdOK_Click();
    }
}

void frmNetvikmain::Form_Resize() {
    if (form.State() == platform::WindowState::Minimized) {
        if (gSysTray->Record().hIcon == 0) {
            // No check has drawn the icon yet (a first start, or stored
            // addresses that Ok refused): it shows the program itself, so
            // that the user can find it and double-click it.
            gSysTray->ChangeIcon(pictures.ProgramIcon());
            gSysTray->ChangeToolTip(monitor_texts::kMainCaption);
        }
        AbandonRetrieval();
        gSysTray->MinToSysTray();
    } else if (form.Visible()) {
        // A hidden window's size changes (its creation, a state set while it
        // is in the tray) are not the panel's: it stays hidden.
        form.Show();
    }
}

void frmNetvikmain::cmdQuit_Click() {
    services_.winsock.EndWinsock();
    services_.application.End();
}

void frmNetvikmain::Form_QueryUnload() {
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
