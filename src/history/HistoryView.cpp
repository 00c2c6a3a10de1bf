// The History window's texts: summary, outage rows, notes and the report.
#include "history/HistoryView.h"

#include <algorithm>

#include "history/TraceWords.h"
#include "history/Words.h"

namespace netvik::history {

namespace {

std::string SummaryLine(std::size_t index, const Period& period) {
    const std::string_view name = texts::kPeriods[index];
    if (period.watched == 0) return Words(texts::kNotWatched).Text(name).Done();
    const std::string_view pattern = period.outages == 0   ? texts::kNoOutages
                                     : period.outages == 1 ? texts::kOneOutage
                                                           : texts::kOutages;
    Words line(pattern);
    line.Text(name).Duration(period.watched).Share(period.connected, period.watched);
    if (period.outages > 1) line.Number(static_cast<std::uint32_t>(period.outages));
    if (period.outages > 0) line.Duration(period.longest);
    return line.Done();
}

void AddNote(std::string& notes, const std::string& sentence) {
    if (!notes.empty()) notes += ' ';
    notes += sentence;
}

// A count's sentence: the one for one, or the one for more with the number.
void AddCount(std::string& notes, std::size_t count, std::string_view one, std::string_view more) {
    if (count == 1) AddNote(notes, Words(one).Done());
    if (count > 1) AddNote(notes, Words(more).Number(static_cast<std::uint32_t>(count)).Done());
}

std::string Notes(const History& history, std::size_t shown) {
    std::string notes;
    const Record& record = history.record;
    if (history.notWrittenSince) AddNote(notes, Words(texts::kNotWritten).DateTime(*history.notWrittenSince).Done());
    if (record.error != 0) {
        AddNote(notes, Words(texts::kNotRead).Number(static_cast<std::uint32_t>(record.error)).Done());
    } else if (record.entries.empty() && record.skipped == 0) {
        AddNote(notes, Words(texts::kNothingYet).Done());
    }
    AddCount(notes, record.skipped, texts::kSkippedOne, texts::kSkipped);
    AddCount(notes, record.implausible, texts::kImplausibleOne, texts::kImplausible);
    if (record.readSize < record.fileSize) AddNote(notes, std::string(texts::kOnlyNewest));
    if (history.dropped) {
        AddNote(notes, Words(history.dropped->lines == 1 ? texts::kDroppedOne : texts::kDropped)
                           .DateTime(history.dropped->at)
                           .Number(static_cast<std::uint32_t>(history.dropped->lines))
                           .Done());
    }
    if (shown < history.analysis.outages.size()) {
        AddNote(notes, Words(texts::kListShows).Number(static_cast<std::uint32_t>(shown)).Done());
    }
    return notes;
}

}  // namespace

std::string LatencyNote(std::size_t skipped, bool after) {
    std::string note;
    AddCount(note, skipped, texts::kLatencySkippedOne, texts::kLatencySkipped);
    return after && !note.empty() ? " " + note : note;
}

std::string_view PlaceWords(State outage) {
    switch (outage) {
        case State::NoInternet: return texts::kBeyondRouter;
        case State::NoHost: return texts::kBeforeRouter;
        default: return texts::kThisPC;
    }
}

std::string_view GapWords(State gap) {
    switch (gap) {
        case State::Disabled: return texts::kDisabledGap;
        case State::Asleep: return texts::kAsleepGap;
        default: return texts::kEndedGap;
    }
}

OutageRow MakeRow(const Outage& outage) {
    OutageRow row;
    row.from =
        outage.lastGood ? Words().Range(*outage.lastGood, outage.from).Done() : Words().DateTime(outage.from).Done();
    switch (outage.end) {
        case OutageEnd::Back:
            row.to = outage.lastDown ? Words().Range(*outage.lastDown, outage.to).Done()
                                     : Words().DateTime(outage.to).Done();
            break;
        case OutageEnd::StillDown: row.to = texts::kStillDown; break;
        case OutageEnd::Gap:
            row.to = Words(texts::kGapEnd).DateTime(outage.to).Text(GapWords(outage.gap)).Done();
            break;
        case OutageEnd::Unknown: row.to = Words(texts::kNotRecordedAfter).DateTime(outage.to).Done(); break;
    }
    row.length = Words().Duration(outage.seconds).Done();
    for (std::uint8_t i = 0; i < outage.places; ++i) {
        if (i > 0) row.where += texts::kPlaceJoin;
        if (outage.where[i] == State::NoInternet && Traced(outage.lastHop, outage.siteByTcp)) {
            row.where += TracedPlace(outage.lastHop, outage.siteByTcp);
        } else {
            row.where += PlaceWords(outage.where[i]);
        }
    }
    return row;
}

HistoryView MakeView(const History& history) {
    HistoryView view;
    for (std::size_t p = 0; p < view.summary.size(); ++p) view.summary[p] = SummaryLine(p, history.analysis.periods[p]);
    const std::size_t outages = history.analysis.outages.size();
    view.rows.reserve(outages < kMaxRows ? outages : kMaxRows);
    for (std::size_t i = 0; i < outages && i < kMaxRows; ++i) view.rows.push_back(MakeRow(history.analysis.outages[i]));
    view.notes = Notes(history, view.rows.size());
    return view;
}

namespace {

// A moment between two checks, or at one: "14:30-14:35", "14:35".
std::string Between(const std::optional<Stamp>& before, const Stamp& at) {
    return before ? Words("%-%").Clock(*before).Clock(at).Done() : Words().Clock(at).Done();
}

// How an outage ended, for its line: between the two checks around its
// end (the day named when it is another), or why that is not known.
std::string Ended(const Outage& outage) {
    std::string day;
    if (Words().Day(outage.to).Done() != Words().Day(outage.from).Done()) day = Words("% ").Day(outage.to).Done();
    switch (outage.end) {
        case OutageEnd::Back: return day + Between(outage.lastDown, outage.to);
        case OutageEnd::StillDown: return std::string(texts::kNow);
        case OutageEnd::Gap:
            return Words(texts::kGapEnd)
                .Text(day + Between(outage.lastDown, outage.to))
                .Text(GapWords(outage.gap))
                .Done();
        case OutageEnd::Unknown: break;
    }
    return Words(texts::kAtLeast).Text(day + Words().Clock(outage.to).Done()).Done();
}

void AddLine(std::string& report, const std::string& line) {
    report += line;
    report += kLineEnd;
}

// The outages of a side since a moment: runs of checks that saw only that
// side broken, how many, and the longest.
struct Side {
    std::uint32_t outages = 0;
    std::int64_t longest = 0, run = 0;
    bool running = false;
};

// The seconds of each verdict since a moment, and each side's outages: the
// provider's (the router answered, the site did not), and this PC's own
// (the router did not answer).
struct Sides {
    std::array<std::int64_t, 4> seconds{};
    Side provider, own;
};
Sides SidesSince(const History& history, std::int64_t since) {
    Sides sides;
    const std::vector<Entry>& entries = history.record.entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const State state = entries[i].state;
        const std::int64_t from = std::max(entries[i].at.utc, since);
        const std::int64_t held = entries[i].at.utc + HeldFor(entries, i, history.now, history.live) - from;
        if (IsVerdict(state) && held > 0) sides.seconds[static_cast<std::size_t>(state)] += held;
        Side* broken = state == State::NoInternet ? &sides.provider : IsOutage(state) ? &sides.own : nullptr;
        for (Side* side : {&sides.provider, &sides.own}) {
            if (side != broken) {
                side->running = false;
                continue;
            }
            if (!side->running || !entries[i].lastSeen) side->run = 0;
            if (held <= 0) continue;
            if (!side->running || !entries[i].lastSeen) ++side->outages;
            side->running = true;
            side->run += held;
            side->longest = std::max(side->longest, side->run);
        }
    }
    return sides;
}

}  // namespace

std::string MakeProviderReport(const History& history, const HistoryView& view, const Week& week,
                               const ReportContext& context) {
    const std::int64_t since = history.now.utc - kPeriodSpans.back();
    std::string report;
    AddLine(report, std::string(texts::kProviderTitle));
    AddLine(report, Words(texts::kProbed)
                        .Text(context.internet)
                        .Number(static_cast<std::uint32_t>(context.refreshMinutes))
                        .Text(context.refreshMinutes == 1 ? "" : "s")
                        .Text(context.router)
                        .Done());
    if (!context.external.empty()) AddLine(report, Words(texts::kExternal).Text(context.external).Done());

    // The provider's side is the time the router answered; this PC's own,
    // the time it did not.
    const Sides sides = SidesSince(history, since);
    const std::array<std::int64_t, 4>& seconds = sides.seconds;
    const std::int64_t routerAnswered = seconds[0] + seconds[1];
    const std::int64_t watched = routerAnswered + seconds[2] + seconds[3];
    const Side& provider = sides.provider;
    const Side& own = sides.own;
    AddLine(report, Words(texts::kProviderSide)
                        .Share(seconds[0], std::max<std::int64_t>(routerAnswered, 1))
                        .Duration(routerAnswered)
                        .Number(provider.outages)
                        .Text(provider.outages == 1 ? "" : "s")
                        .Duration(provider.longest)
                        .Done());
    AddLine(report, Words(texts::kOwnSide)
                        .Share(routerAnswered, std::max<std::int64_t>(watched, 1))
                        .Number(own.outages)
                        .Text(own.outages == 1 ? "" : "s")
                        .Duration(own.longest)
                        .Done());

    std::string lines;
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const Outage& outage = history.analysis.outages[i];
        if (!ReachesInto(outage, since, history.now.utc)) continue;
        AddLine(lines, Words(texts::kOutageLine)
                           .Day(outage.from)
                           .Text(Between(outage.lastGood, outage.from))
                           .Text(Ended(outage))
                           .Text(view.rows[i].length)
                           .Text(view.rows[i].where)
                           .Done());
    }
    if (!lines.empty()) {
        AddLine(report, std::string(texts::kOutageLines));
        report += lines;
    }

    AddLine(report, std::string(texts::kDayLines));
    for (std::size_t d = week.days.size(); d-- > 0;) {
        const DayFigures figures = FiguresOf(week, d);
        const Stamp day{week.days[d].start, week.days[d].offset};
        AddLine(report,
                figures.checks == 0
                    ? Words(texts::kDayNone).Day(day).Done()
                    : Words(texts::kDayLine).Day(day).Number(figures.medianMs).Number(figures.highestMs).Done());
    }
    return report;
}

std::string MakeReport(const History& history, const HistoryView& view) {
    std::string report = Words(texts::kReportTitle).DateTime(history.now).Offset(history.now).Done();
    report += kLineEnd;
    for (const std::string& line : view.summary) {
        report += kLineEnd;
        report += line;
    }
    report += kLineEnd;
    report += kLineEnd;
    const std::int64_t since = history.now.utc - kPeriodSpans.back();
    std::string lines;
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const Outage& outage = history.analysis.outages[i];
        if (!ReachesInto(outage, since, history.now.utc)) continue;
        // The row's cells in the list's order; the end of an outage that
        // lasts, or of one the record tells no more of, in words of its own.
        Words line(outage.end == OutageEnd::StillDown ? texts::kReportRowStillDown
                   : outage.end == OutageEnd::Unknown ? texts::kReportRowUnknown
                                                      : texts::kReportRow);
        for (const Column& column : kColumns) {
            if (column.cell != &OutageRow::to) {
                line.Text(view.rows[i].*column.cell);
            } else if (outage.end == OutageEnd::Unknown) {
                line.DateTime(outage.to);
            } else if (outage.end != OutageEnd::StillDown) {
                line.Text(view.rows[i].to);
            }
        }
        lines += line.Done();
        lines += kLineEnd;
    }
    if (lines.empty()) {
        report += texts::kReportNoOutages;
    } else {
        report += texts::kReportOutages;
        report += kLineEnd;
        report += lines;
        report += kLineEnd;
        report += texts::kReportTimes;
    }
    report += kLineEnd;
    if (!view.notes.empty()) {
        report += kLineEnd;
        report += view.notes;
        report += kLineEnd;
    }
    return report;
}

}  // namespace netvik::history
