#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/Line.h"

namespace netvik::history {

// How an outage ended, as far as the record tells.
enum class OutageEnd : std::uint8_t {
    Back,       // a check saw the connection again
    StillDown,  // the program watches, and it lasts
    Gap,        // watching stopped: the program ended, the PC slept, checking was switched off
    Unknown,    // the record says no more (the program ended without its line)
};

// A run of checks without a connection in one watched stretch.
struct Outage {
    std::optional<Stamp> lastGood;  // the last check before it that saw a connection
    Stamp from;                     // the first check that saw it
    std::optional<Stamp> lastDown;  // the last check that saw it, when the end's line tells
    Stamp to;  // Back: the check that saw the connection; Gap: when watching stopped; StillDown: now;
               // Unknown: the last check of it in the record
    OutageEnd end = OutageEnd::Unknown;
    State gap = State::NotRunning;  // what stopped the watching, for Gap
    std::int64_t seconds = 0;       // how long it was watched
    std::array<State, 3> where{};   // where the chain broke, in the order seen
    std::uint8_t places = 0;        // entries of where in use
    // What the trace after its first traced change to no-internet found.
    LastHop lastHop;
    SiteByTcp siteByTcp = SiteByTcp::Unknown;
};

// One window of time that ends now.
struct Period {
    std::int64_t span = 0;       // seconds
    std::int64_t watched = 0;    // seconds checked, gaps not counted
    std::int64_t connected = 0;  // of them, seconds with a connection
    int outages = 0;             // outages that reach into it
    std::int64_t longest = 0;    // the longest of them, in seconds
};

inline constexpr std::array<std::int64_t, 3> kPeriodSpans = {86400, 7 * 86400, 30 * 86400};

struct Analysis {
    std::vector<Outage> outages;  // newest first
    std::array<Period, 3> periods;
};

// Whether an outage reaches into the time from since to now.
inline bool ReachesInto(const Outage& outage, std::int64_t since, std::int64_t now) {
    return outage.to.utc >= since && outage.from.utc <= now;
}

// How long the verdict of entries[i] held: until the next line when that
// one continues its stretch, until now when it is the present state (live),
// else not beyond its own check; never past now.
std::int64_t HeldFor(const std::vector<Entry>& entries, std::size_t i, const Stamp& now, bool live);

// The outages and the last 24 hours, 7 and 30 days up to now. A verdict
// holds from its check to the next line of its stretch; when live, the
// record's last line is the program's present state and holds until now.
// Time that runs backwards between lines counts as none.
Analysis Analyse(const std::vector<Entry>& entries, const Stamp& now, bool live);

}  // namespace netvik::history
