#include "history/ChangeNotifier.h"

#include "history/HistoryTexts.h"
#include "history/Words.h"

namespace netvik::history {

Balloon MakeBalloon(State verdict, const Stamp& at, std::int64_t downSeconds) {
    const auto index = static_cast<std::size_t>(verdict);
    Words text(texts::kBalloonTexts[index]);
    text.Clock(at);
    if (verdict == State::Connected) text.Duration(downSeconds);
    Balloon balloon{std::string(texts::kBalloonTitles[index]), text.Done()};
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
