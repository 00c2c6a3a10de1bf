// From the record's changes to outages and the share of watched time with a
// connection.
#include "history/Outages.h"

#include <algorithm>

namespace netvik::history {

std::int64_t HeldFor(const std::vector<Entry>& entries, std::size_t i, const Stamp& now, bool live) {
    const Entry& entry = entries[i];
    const Entry* next = i + 1 < entries.size() ? &entries[i + 1] : nullptr;
    const bool continued = next != nullptr && next->lastSeen.has_value();
    const bool lasting = next == nullptr && live;
    const std::int64_t end = std::min(continued ? next->at.utc : lasting ? now.utc : entry.at.utc, now.utc);
    return std::max<std::int64_t>(0, end - entry.at.utc);
}

namespace {

void AddPlace(Outage& outage, const Entry& entry) {
    if (Traced(entry) && !Traced(outage.lastHop, outage.siteByTcp)) {
        outage.lastHop = entry.lastHop;
        outage.siteByTcp = entry.siteByTcp;
    }
    const State state = entry.state;
    for (std::uint8_t i = 0; i < outage.places; ++i) {
        if (outage.where[i] == state) return;
    }
    if (outage.places < outage.where.size()) outage.where[outage.places++] = state;
}

// The runs of checks without a connection, oldest first.
std::vector<Outage> Outages(const std::vector<Entry>& entries, const Stamp& now, bool live) {
    std::vector<Outage> outages;
    outages.reserve(entries.size() / 2 + 1);  // at most one for every two lines
    bool open = false;                        // the last outage lasts until a line ends it
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!IsVerdict(entry.state)) continue;
        if (entry.state == State::Connected) {
            if (open) {
                Outage& outage = outages.back();
                outage.end = OutageEnd::Back;
                outage.lastDown = entry.lastSeen;
                outage.to = entry.at;
                open = false;
            }
            continue;
        }
        if (!open) {
            Outage& outage = outages.emplace_back();
            outage.from = entry.at;
            if (i > 0 && entries[i - 1].state == State::Connected) outage.lastGood = entry.lastSeen;
            open = true;
        }
        Outage& outage = outages.back();
        outage.seconds += HeldFor(entries, i, now, live);
        outage.to = entry.at;
        AddPlace(outage, entry);
        // A line continues the stretch of the line before when it tells the
        // last check of the old state.
        const Entry* next = i + 1 < entries.size() ? &entries[i + 1] : nullptr;
        const bool continued = next != nullptr && next->lastSeen.has_value();
        if (continued && IsVerdict(next->state)) continue;
        open = false;
        if (continued) {
            outage.end = OutageEnd::Gap;
            outage.gap = next->state;
            outage.lastDown = next->lastSeen;
            outage.to = next->at;
        } else if (next == nullptr && live) {
            outage.end = OutageEnd::StillDown;
            outage.to = now;
        }
    }
    return outages;
}

// The time watched, and with a connection, in each period.
void AddWatched(std::array<Period, 3>& periods, const std::vector<Entry>& entries, const Stamp& now, bool live) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!IsVerdict(entries[i].state)) continue;
        const std::int64_t from = entries[i].at.utc, to = from + HeldFor(entries, i, now, live);
        for (Period& period : periods) {
            const std::int64_t seconds = std::min(to, now.utc) - std::max(from, now.utc - period.span);
            if (seconds <= 0) continue;
            period.watched += seconds;
            if (entries[i].state == State::Connected) period.connected += seconds;
        }
    }
}

}  // namespace

Analysis Analyse(const std::vector<Entry>& entries, const Stamp& now, bool live) {
    Analysis analysis;
    for (std::size_t p = 0; p < kPeriodSpans.size(); ++p) analysis.periods[p].span = kPeriodSpans[p];
    analysis.outages = Outages(entries, now, live);
    std::reverse(analysis.outages.begin(), analysis.outages.end());
    AddWatched(analysis.periods, entries, now, live);
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
