// The Internet site's round trips, an hour a line.
#include "history/Latency.h"

#include <algorithm>

#include "history/Files.h"
#include "history/Record.h"
#include "history/Words.h"

namespace netvik::history {

namespace {

// Digits only, at most what 32 bits hold.
bool ParseNumber(std::string_view text, std::uint32_t& number) {
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu) return false;
    number = static_cast<std::uint32_t>(value);
    return true;
}

// A check a second at the most, though the program checks once a minute.
constexpr std::uint32_t kMaxChecksAnHour = 3600;

std::uint32_t Sum(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{a} + b, 0xFFFFFFFFu));
}

bool Plausible(const LatencyHour& hour, const Stamp& now) {
    const std::int64_t local = hour.hour.utc + std::int64_t{hour.hour.offsetMinutes} * 60;
    return FloorDiv(local, 3600) * 3600 == local && hour.hour.offsetMinutes >= -kMaxPlausibleOffset &&
           hour.hour.offsetMinutes <= kMaxPlausibleOffset && hour.hour.utc <= now.utc && hour.checks > 0 &&
           hour.checks <= kMaxChecksAnHour && hour.secondTries <= hour.checks && hour.medianMs <= hour.highestMs &&
           hour.highestMs <= kMaxRoundTripMs;
}

}  // namespace

std::string FormatLatency(const LatencyHour& hour) {
    std::string line = FormatStamp(hour.hour);
    for (const std::uint32_t number : {hour.checks, hour.secondTries, hour.medianMs, hour.highestMs}) {
        line += ',';
        line += Words().Number(number).Done();
    }
    return line;
}

bool ParseLatency(std::string_view line, LatencyHour& hour) {
    std::string_view fields[5];
    std::size_t count = 0, start = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
        if (at < line.size() && line[at] != ',') continue;
        if (count == 5) return false;
        fields[count++] = line.substr(start, at - start);
        start = at + 1;
    }
    LatencyHour parsed;
    if (count != 5 || !ParseStamp(fields[0], parsed.hour) || !ParseNumber(fields[1], parsed.checks) ||
        !ParseNumber(fields[2], parsed.secondTries) || !ParseNumber(fields[3], parsed.medianMs) ||
        !ParseNumber(fields[4], parsed.highestMs)) {
        return false;
    }
    hour = parsed;
    return true;
}

Stamp HourOf(const Stamp& at) {
    const std::int64_t local = at.utc + std::int64_t{at.offsetMinutes} * 60;
    return {at.utc - (local - FloorDiv(local, 3600) * 3600), at.offsetMinutes};
}

void LatencyRecorder::Answered(const Stamp& at, std::uint32_t roundTripMs, bool secondTry) {
    const Stamp hour = HourOf(at);
    if (hour_ && hour_->utc != hour.utc) Write();
    hour_ = hour;
    roundTrips_.push_back(std::min(roundTripMs, kMaxRoundTripMs));
    if (secondTry) ++secondTries_;
}

void LatencyRecorder::Event(WatchEvent event) {
    if (event == WatchEvent::Ending || event == WatchEvent::Suspending || event == WatchEvent::Disabled) Write();
}

void LatencyRecorder::Write() {
    if (!hour_ || roundTrips_.empty()) return;
    LatencyHour line{*hour_, static_cast<std::uint32_t>(roundTrips_.size()), secondTries_, 0, 0};
    std::nth_element(roundTrips_.begin(), roundTrips_.begin() + roundTrips_.size() / 2, roundTrips_.end());
    line.medianMs = roundTrips_[roundTrips_.size() / 2];
    line.highestMs = *std::max_element(roundTrips_.begin(), roundTrips_.end());
    roundTrips_.clear();
    secondTries_ = 0;
    hour_.reset();
    // Past the limit the older half goes to the previous file, when the
    // file can be read whole.
    std::string bytes;
    std::uint64_t size = 0;
    if (file_.ReadNewest(kReadBound, bytes, size) == 0 && size > kRecordLimit && bytes.size() == size) {
        const Rotation rotation = PlanRotation(bytes, true, kLatencyHeader);
        file_.Rotate(rotation.older, rotation.newer);
    }
    AppendLines(file_, kLatencyHeader, FormatLatency(line) + std::string(kLineEnd));
}

Latencies ReadLatency(platform::HistoryFile& file, const Stamp& now) {
    Latencies latencies;
    const FileBytes bytes = ReadBoth(file, kLatencyReadBound);
    for (const auto& [text, size] :
         {std::pair{&bytes.older, bytes.olderSize}, std::pair{&bytes.newer, bytes.newerSize}}) {
        for (const std::string_view line : Lines(*text, size, latencies.skipped)) {
            if (line.empty() || line == kLatencyHeader) continue;
            LatencyHour hour;
            if (!ParseLatency(line, hour) || !Plausible(hour, now) ||
                (!latencies.hours.empty() && hour.hour.utc < latencies.hours.back().hour.utc)) {
                ++latencies.skipped;
                continue;
            }
            if (latencies.hours.empty() || hour.hour.utc != latencies.hours.back().hour.utc) {
                latencies.hours.push_back(hour);
                continue;
            }
            LatencyHour& same = latencies.hours.back();
            if (hour.checks > same.checks) same.medianMs = hour.medianMs;
            same.checks = Sum(same.checks, hour.checks);
            same.secondTries = Sum(same.secondTries, hour.secondTries);
            same.highestMs = std::max(same.highestMs, hour.highestMs);
        }
    }
    return latencies;
}

}  // namespace netvik::history
