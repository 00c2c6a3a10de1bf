// The week's strips and its round trips, from the record and latency.csv.
#include "history/Week.h"

#include <algorithm>

#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "history/Words.h"

namespace netvik::history {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

std::int32_t Offset(const OffsetAt& offsetAt, std::int64_t utc, std::int32_t fallback) {
    return offsetAt ? offsetAt(utc) : fallback;
}

// The UTC moment of a local midnight, by the zone's offset then.
std::int64_t Midnight(std::int64_t localMidnight, const OffsetAt& offsetAt, std::int32_t fallback) {
    std::int64_t utc = localMidnight - std::int64_t{fallback} * 60;
    utc = localMidnight - std::int64_t{Offset(offsetAt, utc, fallback)} * 60;
    return localMidnight - std::int64_t{Offset(offsetAt, utc, fallback)} * 60;
}

// Adds a stretch, merged with the one before when it has the same shade.
void Add(std::vector<Stretch>& stretches, std::int64_t from, std::int64_t to, Shade shade) {
    if (from >= to) return;
    if (!stretches.empty() && stretches.back().shade == shade && stretches.back().to == from) {
        stretches.back().to = to;
    } else {
        stretches.push_back({from, to, shade});
    }
}

std::string_view ShadeWords(Shade shade) {
    switch (shade) {
        case Shade::Connected: return texts::kConnectedShade;
        case Shade::NoInternet: return PlaceWords(State::NoInternet);
        case Shade::NoHost: return PlaceWords(State::NoHost);
        case Shade::NetworkError: return PlaceWords(State::NetworkError);
        case Shade::NotWatched: break;
    }
    return texts::kNotWatchedShade;
}

}  // namespace

Shade ShadeOf(State state) {
    switch (state) {
        case State::Connected: return Shade::Connected;
        case State::NoInternet: return Shade::NoInternet;
        case State::NoHost: return Shade::NoHost;
        case State::NetworkError: return Shade::NetworkError;
        default: return Shade::NotWatched;
    }
}

Week MakeWeek(const History& history, bool live, const Latencies& latencies, const OffsetAt& offsetAt) {
    Week week;
    const Stamp& now = history.now;
    week.now = now.utc;
    const std::int64_t local = now.utc + std::int64_t{Offset(offsetAt, now.utc, now.offsetMinutes)} * 60;
    const std::int64_t today = FloorDiv(local, kDaySeconds) * kDaySeconds;
    for (std::size_t d = 0; d < week.days.size(); ++d) {
        Day& day = week.days[d];
        const std::int64_t midnight = today - static_cast<std::int64_t>(week.days.size() - 1 - d) * kDaySeconds;
        day.start = Midnight(midnight, offsetAt, now.offsetMinutes);
        day.end = Midnight(midnight + kDaySeconds, offsetAt, now.offsetMinutes);
        day.offset = Offset(offsetAt, day.start, now.offsetMinutes);
    }

    // The verdicts' stretches in order (the record's times only go forward),
    // each day's gaps not watched.
    const std::vector<Entry>& entries = history.record.entries;
    std::size_t next = 0;
    for (Day& day : week.days) {
        const std::int64_t end = std::min(day.end, now.utc);
        std::int64_t at = day.start;
        while (next < entries.size() && entries[next].at.utc < end) {
            const std::size_t i = next++;
            if (!IsVerdict(entries[i].state)) continue;
            const std::int64_t from = std::max(entries[i].at.utc, day.start);
            const std::int64_t to = std::min(entries[i].at.utc + HeldFor(entries, i, now, live), end);
            if (to <= from) continue;
            Add(day.stretches, at, from, Shade::NotWatched);
            Add(day.stretches, std::max(from, at), to, ShadeOf(entries[i].state));
            at = std::max(at, to);
            if (entries[i].at.utc + HeldFor(entries, i, now, live) > end) {
                next = i;  // it goes on into the next day
                break;
            }
        }
        Add(day.stretches, at, end, Shade::NotWatched);
    }

    for (const LatencyHour& hour : latencies.hours) {
        if (hour.hour.utc < week.days.front().start) continue;
        week.hours.push_back(hour);
        week.highestMs = std::max(week.highestMs, hour.highestMs);
        week.checks += hour.checks;
        week.secondTries += hour.secondTries;
    }
    week.skipped = latencies.skipped;
    return week;
}

DayFigures FiguresOf(const Week& week, std::size_t day) {
    const Day& d = week.days[day];
    const auto within = [&d](const LatencyHour& hour) { return hour.hour.utc >= d.start && hour.hour.utc < d.end; };
    DayFigures figures;
    for (const LatencyHour& hour : week.hours) {
        if (!within(hour)) continue;
        figures.checks += hour.checks;
        figures.highestMs = std::max(figures.highestMs, hour.highestMs);
    }
    // The lowest of the hours' medians at or below which half the checks lie.
    figures.medianMs = kMaxRoundTripMs;
    for (const LatencyHour& candidate : week.hours) {
        if (!within(candidate) || candidate.medianMs >= figures.medianMs) continue;
        std::uint32_t below = 0;
        for (const LatencyHour& hour : week.hours) {
            if (within(hour) && hour.medianMs <= candidate.medianMs) below += hour.checks;
        }
        if (2 * below >= figures.checks) figures.medianMs = candidate.medianMs;
    }
    if (figures.checks == 0) figures.medianMs = 0;
    return figures;
}

std::string DayName(const Day& day) { return Words().Day({day.start, day.offset}).Done(); }

std::string DescribeMoment(const Week& week, std::size_t day, std::int64_t at) {
    const Day& d = week.days[day];
    Shade shade = Shade::NotWatched;
    for (const Stretch& stretch : d.stretches) {
        if (at >= stretch.from && at < stretch.to) shade = stretch.shade;
    }
    const Stamp stamp{at, d.offset};
    return Words(texts::kMoment).Day(stamp).Clock(stamp).Text(ShadeWords(shade)).Done();
}

std::string DescribeHour(const LatencyHour& hour, const OffsetAt& offsetAt) {
    const Stamp stamp{hour.hour.utc, Offset(offsetAt, hour.hour.utc, hour.hour.offsetMinutes)};
    return Words(texts::kHourFigures)
        .Day(stamp)
        .Clock(stamp)
        .Number(hour.medianMs)
        .Number(hour.highestMs)
        .Number(hour.checks)
        .Done();
}

}  // namespace netvik::history
