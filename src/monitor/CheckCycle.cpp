// The check cycle and the minute countdown that drives it.
#include <utility>

#include "history/TraceWords.h"
#include "monitor/CheckRules.h"
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

void frmNetvikmain::CheckCycle() {
    EndTrace();
    gSysTray->ChangeIcon(ImageList_.ListImage("p"));
    gSysTray->MinToSysTray();
    gSysTray->ChangeToolTip(monitor_texts::kCheckingTip);
    services_.winsock.StartWinsock();

    int siteAttempts = 0;
    const int answered = FirstToAnswer([this, &siteAttempts](int position, std::int16_t timeout) {
        if (position == Internet) ++siteAttempts;
        return services_.winsock.PingAddress(state_.ProbeAddresses[static_cast<std::size_t>(position)], timeout) == 0;
    });
    const VerdictLook look = LookOf(answered, state_.VerdictTips);
    // An answer shows before the release; a total failure after it.
    if (answered == kNoAnswer) services_.winsock.EndWinsock();
    gSysTray->ChangeIcon(ImageList_.ListImage(look.icon));
    gSysTray->ChangeToolTip(look.tip);
    const bool traced = RecordVerdict(answered);
    if (answered == Internet) {
        services_.latency.Answered(services_.clock.Now(), services_.winsock.LastRoundTrip(), siteAttempts > 1);
    }
    if (answered != kNoAnswer) services_.winsock.EndWinsock();
    // Only after every step of the check: a change to no-internet is traced.
    if (traced) BeginTrace();
}

bool frmNetvikmain::RecordVerdict(int answered) {
    const history::State state = RecordedState(answered);
    const history::Stamp at = services_.clock.Now();
    const bool traced = services_.recorder.Verdict(state, at, trace_.Possible());
    if (history_ != nullptr) history_->RecordChanged();
    bool shown = false;
    if (const std::optional<history::Balloon> balloon = notifier_.Verdict(state, at)) {
        shown =
            notifyOnChange_ && gSysTray->ShowBalloon(balloon->title, balloon->text, state != history::State::Connected);
        if (!shown) notifier_.BalloonClosed();  // none is up
    }
    tracedCheck_ = at;
    traceBalloon_ = traced && shown;
    return traced;
}

void frmNetvikmain::BeginTrace() {
    if (!trace_.Start(static_cast<std::uint32_t>(state_.ProbeAddresses[Internet]))) {
        services_.recorder.Traced({}, SiteByTcp::Unknown);
        traceBalloon_ = false;
    }
}

void frmNetvikmain::EndTrace() {
    if (!trace_.Running()) return;
    trace_.Stop();
    traceBalloon_ = false;
    services_.recorder.Traced({}, SiteByTcp::Unknown);
    if (history_ != nullptr) history_->RecordChanged();
}

void frmNetvikmain::tmrTrace_Timer() { trace_.Poll(); }

// The trace's words follow the change's balloon, when that one was shown and
// the trace found anything to tell; its line is written now.
void frmNetvikmain::Trace_Done(const TraceResult& result) {
    services_.recorder.Traced(history::RecordedHop(result), result.tcp);
    if (history_ != nullptr) history_->RecordChanged();
    if (!std::exchange(traceBalloon_, false)) return;
    if (const std::optional<history::Balloon> balloon = history::TraceBalloon(result, tracedCheck_)) {
        gSysTray->ShowBalloon(balloon->title, balloon->text, result.tcp != SiteByTcp::Answers);
    }
}

void frmNetvikmain::RecordEvent(history::WatchEvent event) {
    services_.recorder.Event(event, services_.clock.Now());
    services_.latency.Event(event);
    notifier_.Event(event);
    if (history_ != nullptr) history_->RecordChanged();
}

void frmNetvikmain::gSysTray_BalloonClosed() {
    notifier_.BalloonClosed();
    traceBalloon_ = false;
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
