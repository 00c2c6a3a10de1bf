#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "history/Latency.h"
#include "history/Line.h"
#include "history/Reading.h"

namespace netvik::history {

// The last 7 days as the History window pictures them: a strip a day, from
// local midnight to midnight (23, 24 or 25 hours), shaded along its length
// by what the checks saw, and the round trips of each hour.

enum class Shade : std::uint8_t { Connected, NoInternet, NoHost, NetworkError, NotWatched };
Shade ShadeOf(State state);

// A stretch of a day with one shade; from before to.
struct Stretch {
    std::int64_t from, to;
    Shade shade;
};

struct Day {
    std::int64_t start = 0, end = 0;  // UTC seconds
    std::int32_t offset = 0;          // local time's offset at its start
    std::vector<Stretch> stretches;   // in order, from its start to its end or now, whichever comes first
};

struct Week {
    std::array<Day, 7> days;  // the oldest first, today last
    std::int64_t now = 0;
    std::vector<LatencyHour> hours;  // the hours of these days with round trips, oldest first
    std::uint32_t highestMs = 0;     // the highest of them
    std::uint32_t checks = 0, secondTries = 0;
    std::size_t skipped = 0;  // the latency lines that could not be used
};

// A stretch between two lines takes the shade of the line that began it (a
// verdict holds until the next line of its stretch); what no verdict covers
// was not watched.
Week MakeWeek(const History& history, bool live, const Latencies& latencies, const OffsetAt& offsetAt);

// The round trips of a day: the median of its hours' medians, each hour
// counted by its checks, and the highest; checks 0 when none was recorded.
struct DayFigures {
    std::uint32_t medianMs = 0, highestMs = 0, checks = 0;
};
DayFigures FiguresOf(const Week& week, std::size_t day);

// What the picture says of a moment of a day, and of an hour of the chart.
std::string DescribeMoment(const Week& week, std::size_t day, std::int64_t at);
std::string DescribeHour(const LatencyHour& hour, const OffsetAt& offsetAt);
// A day's name: "Tue 2026-12-08".
std::string DayName(const Day& day);

}  // namespace netvik::history
