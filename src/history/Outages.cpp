// From the record's changes to outages and the share of watched time with a
// connection.
#include "history/Outages.h"

#include <algorithm>

namespace netvik::history {

namespace {

void AddWatched(std::array<Period, 3>& periods, State state, std::int64_t from, std::int64_t to, std::int64_t now) {
    for (Period& period : periods) {
        const std::int64_t seconds = std::min(to, now) - std::max(from, now - period.span);
        if (seconds <= 0) continue;
        period.watched += seconds;
        if (state == State::Connected) period.connected += seconds;
    }
}

void AddPlace(Outage& outage, State state) {
    for (std::uint8_t i = 0; i < outage.places; ++i) {
        if (outage.where[i] == state) return;
    }
    if (outage.places < outage.where.size()) outage.where[outage.places++] = state;
}

}  // namespace

Analysis Analyse(const std::vector<Entry>& entries, const Stamp& now, bool live) {
    Analysis analysis;
    for (std::size_t p = 0; p < kPeriodSpans.size(); ++p) analysis.periods[p].span = kPeriodSpans[p];
    bool open = false;  // the last outage lasts until a line ends it
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!IsVerdict(entry.state)) continue;
        // A line continues the stretch of the line before when it tells the
        // last check of the old state.
        const Entry* next = i + 1 < entries.size() ? &entries[i + 1] : nullptr;
        const bool continued = next != nullptr && next->lastSeen.has_value();
        const bool lasting = next == nullptr && live;
        // Nothing was watched past now, whatever a line says.
        const std::int64_t end = std::min(continued ? next->at.utc : lasting ? now.utc : entry.at.utc, now.utc);
        const std::int64_t seconds = std::max<std::int64_t>(0, end - entry.at.utc);
        AddWatched(analysis.periods, entry.state, entry.at.utc, entry.at.utc + seconds, now.utc);

        if (entry.state == State::Connected) {
            if (open) {
                Outage& outage = analysis.outages.back();
                outage.end = OutageEnd::Back;
                outage.lastDown = entry.lastSeen;
                outage.to = entry.at;
                open = false;
            }
            continue;
        }
        if (!open) {
            Outage& outage = analysis.outages.emplace_back();
            outage.from = entry.at;
            if (i > 0 && entries[i - 1].state == State::Connected) outage.lastGood = entry.lastSeen;
            open = true;
        }
        Outage& outage = analysis.outages.back();
        outage.seconds += seconds;
        outage.to = entry.at;
        AddPlace(outage, entry.state);
        if (continued && IsVerdict(next->state)) continue;
        open = false;
        if (continued) {
            outage.end = OutageEnd::Gap;
            outage.gap = next->state;
            outage.lastDown = next->lastSeen;
            outage.to = next->at;
        } else if (lasting) {
            outage.end = OutageEnd::StillDown;
            outage.to = now;
        }
    }
    std::reverse(analysis.outages.begin(), analysis.outages.end());

    for (Period& period : analysis.periods) {
        for (const Outage& outage : analysis.outages) {
            if (!ReachesInto(outage, now.utc - period.span, now.utc)) continue;
            ++period.outages;
            period.longest = std::max(period.longest, outage.seconds);
        }
    }
    return analysis;
}

}  // namespace netvik::history
