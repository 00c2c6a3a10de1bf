// The tray menu: Refresh, Disable/Enable, Hide and Quit.
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::gSysTray_RButtonUP() {
    switch (mnuPopup.Popup()) {
        case mnoRefresh: mnoRefresh_Click(); break;
        case mnoDisable: mnoDisable_Click(); break;
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
        gSysTray->ChangeIcon(ImageList_.ListImage("d"));
        gSysTray->ChangeToolTip(monitor_texts::kDisabledTip);
        Timer.SetEnabled(false);
        mnuPopup.SetItemCaption(mnoDisable, monitor_texts::kEnableCaption);
        state_.CheckingEnabled = false;
    } else {
        Timer.SetEnabled(true);
        mnuPopup.SetItemCaption(mnoDisable, monitor_texts::kDisableCaption);
        state_.CheckingEnabled = true;
        state_.MinutesLeft = state_.RefreshMinutes;
        CheckCycle();
    }
    gSysTray->MinToSysTray();
}

void frmNetvikmain::mnoQuit_Click() {
    gSysTray->RemoveFromSysTray();
    services_.application.End();
}

}  // namespace netvik
