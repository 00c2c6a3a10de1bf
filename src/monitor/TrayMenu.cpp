// The tray menu: Refresh, Disable/Enable, Settings..., the record's History...
// and Notify on change, Hide and Quit.
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::gSysTray_RButtonUP() {
    switch (mnuPopup.Popup()) {
        case mnoRefresh: mnoRefresh_Click(); break;
        case mnoDisable: mnoDisable_Click(); break;
        case mnoSettings: mnoSettings_Click(); break;
        case mnoHistory: mnoHistory_Click(); break;
        case mnoNotify: mnoNotify_Click(); break;
        case mnoQuit: mnoQuit_Click(); break;
        default: break;  // Hide, or the menu was dismissed: it only closes
    }
}

void frmNetvikmain::mnoRefresh_Click() {
    if (state_.CheckingEnabled) {
        state_.MinutesLeft = state_.RefreshMinutes;
        CheckCycle();
    } else {
        services_.messages.Show(monitor_texts::kDisabledMessage, monitor_texts::kDisabledTitle,
                                platform::MessageIcon::Exclamation);
    }
}

void frmNetvikmain::mnoDisable_Click() {
    if (state_.CheckingEnabled) {
        EndTrace();
        gSysTray->ChangeIcon(ImageList_.ListImage("d"));
        gSysTray->ChangeToolTip(monitor_texts::kDisabledTip);
        Timer.SetEnabled(false);
        mnuPopup.SetItemCaption(mnoDisable, monitor_texts::kEnableCaption);
        state_.CheckingEnabled = false;
        RecordEvent(history::WatchEvent::Disabled);
    } else {
        RecordEvent(history::WatchEvent::Enabled);
        Timer.SetEnabled(true);
        mnuPopup.SetItemCaption(mnoDisable, monitor_texts::kDisableCaption);
        state_.CheckingEnabled = true;
        state_.MinutesLeft = state_.RefreshMinutes;
        CheckCycle();
    }
    gSysTray->MinToSysTray();
}

// The panel, as a double-click on the icon opens it. The menu's choice runs
// within the icon's callback, so that the tray's guard holds for it too: no
// other callback is taken until it returns.
void frmNetvikmain::mnoSettings_Click() { gSysTray->RestoreFromSysTray(); }

void frmNetvikmain::mnoHistory_Click() {
    if (history_ == nullptr) {
        const auto context = [this] {
            return history::ReportContext{state_.AddressTexts[Internet], state_.AddressTexts[Host], externalAddress_,
                                          state_.RefreshMinutes};
        };
        history_ = std::make_unique<frmHistory>(
            services_.dialogs.LoadHistory(),
            HistoryServices{services_.recorder, services_.latency, services_.clock, services_.desktop, context});
    }
    history_->Show();
}

void frmNetvikmain::mnoNotify_Click() {
    notifyOnChange_ = !notifyOnChange_;
    mnuPopup.SetItemChecked(mnoNotify, notifyOnChange_);
    // A refused write is no reason for a message: the choice holds until
    // Netvik ends.
    services_.settings.SetNotifyOnChange(notifyOnChange_);
}

void frmNetvikmain::mnoQuit_Click() {
    EndTrace();
    RecordEvent(history::WatchEvent::Ending);
    gSysTray->RemoveFromSysTray();
    services_.application.End();
}

}  // namespace netvik
