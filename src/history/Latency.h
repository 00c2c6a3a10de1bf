#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/Line.h"
#include "platform/HistoryFile.h"

namespace netvik::history {

// One hour of the Internet site's echo replies, as latency.csv keeps it, a
// line each: the hour (its start, in the record's time format), how many
// checks the site answered, how many of them at the second try, and the
// median and highest round trip in milliseconds.
struct LatencyHour {
    Stamp hour;
    std::uint32_t checks = 0, secondTries = 0, medianMs = 0, highestMs = 0;
};
inline constexpr std::string_view kLatencyHeader = "hour,checks,second tries,median ms,highest ms";

std::string FormatLatency(const LatencyHour& hour);
bool ParseLatency(std::string_view line, LatencyHour& hour);

// The start of the hour a moment falls in, in its offset.
Stamp HourOf(const Stamp& at);

// Keeps the round trips of the hour under way and writes the hour's line
// once it is over (at the first answer of a later hour), or when the
// watching stops: nothing is written between hours. A line that cannot be
// written is lost; the record of the connection says when writes fail.
class LatencyRecorder {
public:
    explicit LatencyRecorder(platform::HistoryFile& file) : file_(file) {}

    // The site answered a check at that time, at the first or the second try.
    void Answered(const Stamp& at, std::uint32_t roundTripMs, bool secondTry);
    // Ending, suspending and disabling close the hour so far.
    void Event(WatchEvent event);

    platform::HistoryFile& File() const { return file_; }

private:
    void Write();

    platform::HistoryFile& file_;
    std::optional<Stamp> hour_;
    std::vector<std::uint32_t> roundTrips_;
    std::uint32_t secondTries_ = 0;
};

// The hours as read from files that anything may have written: oldest
// first, each hour once (an hour written twice, by two runs within it, is
// merged: its checks add up, its highest is the higher, its median the one
// of more checks).
struct Latencies {
    std::vector<LatencyHour> hours;
    std::size_t skipped = 0;  // lines unread, absurd, not on an hour, after now, or out of order
};
// The longest round trip taken as true: an echo waits no longer.
inline constexpr std::uint32_t kMaxRoundTripMs = 60000;
// What the window reads of the files: their newest lines, weeks of them
// (an hour a line), more than the week it shows.
inline constexpr std::uint64_t kLatencyReadBound = 64 * 1024;
Latencies ReadLatency(platform::HistoryFile& file, const Stamp& now);

}  // namespace netvik::history
