// The check cycle and the minute countdown that drives it.
#include <array>

#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

namespace {

// Time-outs shrink by a factor of five towards the near end of the chain.
constexpr std::array<std::int16_t, kChainLength> kEchoTimeouts = {1000, 200, 40};
constexpr int kAttemptsPerPosition = 2;

}  // namespace

void frmNetvikmain::CheckCycle() {
    gSysTray->ChangeIcon(ImageList_.ListImage("p"));
    gSysTray->MinToSysTray();
    gSysTray->ChangeToolTip(monitor_texts::kCheckingTip);
    services_.winsock.StartWinsock();

    for (int position = Internet; position <= Computer; ++position) {
        const auto p = static_cast<std::size_t>(position);
        for (int attempt = 0; attempt < kAttemptsPerPosition; ++attempt) {
            if (services_.winsock.PingAddress(state_.ProbeAddresses[p], kEchoTimeouts[p]) == 0) {
                gSysTray->ChangeIcon(ImageList_.ListImage(ImageList::kCount - position));
                gSysTray->ChangeToolTip(state_.VerdictTips[p]);
                services_.winsock.EndWinsock();
                return;
            }
        }
    }

    services_.winsock.EndWinsock();
    gSysTray->ChangeIcon(ImageList_.ListImage("e"));
    gSysTray->ChangeToolTip(monitor_texts::kNetworkErrorTip);
}

void frmNetvikmain::Timer_Timer() {
    if (ShownInTaskList) {
        // The panel is open: the tick is the time-out of an external-address
        // retrieval, never a countdown step.
        if (retrieval_ != Retrieval::Idle) RetrievalTimedOut();
        return;
    }
    // A countdown found at 0 is as due as one found at 1.
    if (state_.MinutesLeft <= 1) {
        state_.MinutesLeft = state_.RefreshMinutes;
        CheckCycle();
    } else {
        --state_.MinutesLeft;
    }
}

}  // namespace netvik
