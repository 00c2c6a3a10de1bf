// The check cycle and the minute countdown that drives it.
#include "monitor/CheckRules.h"
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::CheckCycle() {
    gSysTray->ChangeIcon(ImageList_.ListImage("p"));
    gSysTray->MinToSysTray();
    gSysTray->ChangeToolTip(monitor_texts::kCheckingTip);
    services_.winsock.StartWinsock();

    const int answered = FirstToAnswer([this](int position, std::int16_t timeout) {
        return services_.winsock.PingAddress(state_.ProbeAddresses[static_cast<std::size_t>(position)], timeout) == 0;
    });
    const VerdictLook look = LookOf(answered, state_.VerdictTips);
    // An answer shows before the release; a total failure after it.
    if (answered == kNoAnswer) services_.winsock.EndWinsock();
    gSysTray->ChangeIcon(ImageList_.ListImage(look.icon));
    gSysTray->ChangeToolTip(look.tip);
    if (answered != kNoAnswer) services_.winsock.EndWinsock();
}

void frmNetvikmain::Timer_Timer() {
    if (ShownInTaskList) {
        // The panel is open: the tick is the time-out of an external-address
        // retrieval, never a countdown step.
        if (retrieval_ != Retrieval::Idle) RetrievalTimedOut();
        return;
    }
    const CountdownStep step = Countdown(state_.MinutesLeft, state_.RefreshMinutes);
    state_.MinutesLeft = step.minutesLeft;
    if (step.checkDue) CheckCycle();
}

}  // namespace netvik
