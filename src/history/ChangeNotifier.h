#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "history/Line.h"

namespace netvik::history {

// A balloon over the tray icon, within the shell's limits (ANSI).
struct Balloon {
    std::string title;  // at most kBalloonTitleMax characters
    std::string text;   // at most kBalloonTextMax characters
};
inline constexpr std::size_t kBalloonTitleMax = 63;
inline constexpr std::size_t kBalloonTextMax = 255;

// What a balloon says of a verdict seen at a time; for a connection that
// is back, after how long down.
Balloon MakeBalloon(State verdict, const Stamp& at, std::int64_t downSeconds);

// Decides when a change of verdict is worth a balloon: when a check's
// verdict differs from the previous check's in the same watched stretch,
// unless a balloon for the same change is still up.
class ChangeNotifier {
public:
    // A check's verdict (one of the four) at its time: the balloon to show.
    std::optional<Balloon> Verdict(State verdict, const Stamp& at);

    // Any event ends the watched stretch: the first verdict after a start,
    // a resume or an enable shows none.
    void Event(WatchEvent event);

    // The shell closed the balloon, or its time ran out.
    void BalloonClosed();

private:
    bool watching_ = false;
    State previous_ = State::Connected;
    Stamp downSince_;  // the first check of the present outage
    bool shown_ = false;
    State shownFrom_ = State::Connected;
    State shownTo_ = State::Connected;
};

}  // namespace netvik::history
