#include "history/ChangeNotifier.h"

#include "history/HistoryTexts.h"
#include "history/Words.h"

namespace netvik::history {

namespace {

struct BalloonTexts {
    std::string_view title, text;
};

BalloonTexts TextsOf(State verdict) {
    switch (verdict) {
        case State::Connected: return {texts::kBackTitle, texts::kBackText};
        case State::NoInternet: return {texts::kNoInternetTitle, texts::kNoInternetText};
        case State::NoHost: return {texts::kNoHostTitle, texts::kNoHostText};
        default: return {texts::kNetworkErrorTitle, texts::kNetworkErrorText};
    }
}

}  // namespace

Balloon MakeBalloon(State verdict, const Stamp& at, std::int64_t downSeconds) {
    const BalloonTexts texts = TextsOf(verdict);
    Words text(texts.text);
    text.Clock(at);
    if (verdict == State::Connected) text.Duration(downSeconds);
    Balloon balloon{std::string(texts.title), text.Done()};
    if (balloon.text.size() > kBalloonTextMax) balloon.text.resize(kBalloonTextMax);
    return balloon;
}

std::optional<Balloon> ChangeNotifier::Verdict(State verdict, const Stamp& at) {
    if (!IsVerdict(verdict)) {
        watching_ = false;  // no check's verdict: the stretch ends
        return std::nullopt;
    }
    const bool continues = watching_;
    const State before = previous_;
    watching_ = true;
    previous_ = verdict;
    if (IsOutage(verdict) && (!continues || !IsOutage(before))) downSince_ = at;
    if (!continues || verdict == before) return std::nullopt;
    if (shown_ && shownFrom_ == before && shownTo_ == verdict) return std::nullopt;
    shown_ = true;
    shownFrom_ = before;
    shownTo_ = verdict;
    const std::int64_t down = at.utc - downSince_.utc;
    return MakeBalloon(verdict, at, down > 0 ? down : 0);
}

void ChangeNotifier::Event(WatchEvent) { watching_ = false; }

void ChangeNotifier::BalloonClosed() { shown_ = false; }

}  // namespace netvik::history
