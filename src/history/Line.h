#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "net/Trace.h"
#include "platform/Clock.h"

namespace netvik::history {

// A moment: UTC seconds and the local offset the system had then.
using Stamp = platform::ClockTime;

// What a line of the record says holds from its time on: one of the four
// verdicts of a check, or one of the gaps in which nothing was watched.
enum class State : std::uint8_t {
    Connected,     // the Internet site answered
    NoInternet,    // the host (router) answered, the site did not: beyond the router
    NoHost,        // only this PC answered: between this PC and the router
    NetworkError,  // nothing answered: this PC's own network
    Disabled,      // checking switched off
    NotRunning,    // the program ended
    Asleep,        // the PC suspended
};
inline constexpr int kStateCount = 7;

inline bool IsVerdict(State state) { return state <= State::NetworkError; }
inline bool IsOutage(State state) { return state != State::Connected && IsVerdict(state); }

// What starts or ends a watched stretch.
enum class WatchEvent : std::uint8_t { Started, Ending, Suspending, Resumed, Disabled, Enabled };

// The last hop of a trace that answered: its number (0: none) and address.
struct LastHop {
    std::uint8_t number = 0;
    std::uint32_t address = 0;  // packed, the first number the lowest byte
};

// One line of the record: the check (or event) that saw the change, the new
// state, and when the last check with the old state ran (none when the line
// starts a watched stretch: after a start, a resume, an enable). A change to
// no-internet may tell what the trace after it found, when it found
// anything: the last hop that answered, and what the site said to a TCP
// connection; the line then has two more fields.
struct Entry {
    Entry(const Stamp& at = {}, State state = State::Connected, std::optional<Stamp> lastSeen = std::nullopt)
        : at(at), state(state), lastSeen(lastSeen) {}

    Stamp at;
    State state;
    std::optional<Stamp> lastSeen;
    LastHop lastHop;
    SiteByTcp siteByTcp = SiteByTcp::Unknown;
};

// A trace tells something: a hop answered, or the site took a connection.
inline bool Traced(const LastHop& lastHop, SiteByTcp siteByTcp) {
    return lastHop.number != 0 || siteByTcp == SiteByTcp::Answers;
}
inline bool Traced(const Entry& entry) { return Traced(entry.lastHop, entry.siteByTcp); }

bool operator==(const Entry& a, const Entry& b);

// a divided by b (above 0), rounded down. In doubles, exact for every
// second of the years a stamp holds, and without the 64-bit division
// routines a 32-bit program would otherwise carry.
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const double quotient = static_cast<double>(a) / static_cast<double>(b);
    const auto truncated = static_cast<std::int64_t>(quotient);
    return static_cast<double>(truncated) > quotient ? truncated - 1 : truncated;
}

// The record's first line. Lines of a traced change have two fields more,
// "last hop" and "site by TCP", which the header does not name.
inline constexpr std::string_view kHeader = "time,state,last check of the old state";

// The state's word in the file.
std::string_view StateWord(State state);

// Local time with its offset, ISO 8601: 2026-12-07T18:04:05+01:00. Local
// times outside the years 1970..2105 and offsets beyond 23:59 are held at
// those bounds.
std::string FormatStamp(const Stamp& stamp);
bool ParseStamp(std::string_view text, Stamp& stamp);

// A line without its line break; parsing takes exactly what formatting
// gives and nothing else.
std::string FormatLine(const Entry& entry);
bool ParseLine(std::string_view line, Entry& entry);

}  // namespace netvik::history
