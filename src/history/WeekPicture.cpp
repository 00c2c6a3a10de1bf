// The picture of the week: geometry, painting and what lies under a point.
#include "history/WeekPicture.h"

#include <algorithm>

#include "history/HistoryTexts.h"
#include "history/Words.h"

namespace netvik::history {

namespace {

constexpr platform::Colour kText = 0x202020;
constexpr platform::Colour kFrame = 0x808080;
constexpr platform::Colour kMark = 0x404040;
constexpr platform::Colour kNow = 0x000000;
constexpr platform::Colour kMedian = 0x4A78C8;
constexpr platform::Colour kHighest = 0x1C3470;
constexpr platform::Colour kChartBack = 0xFFFFFF;

// The x of a moment within a span drawn over a width, never outside it.
int XOf(std::int64_t at, std::int64_t start, std::int64_t end, const platform::Box& box) {
    if (end <= start) return box.left;
    const std::int64_t clamped = std::clamp(at, start, end);
    return box.left +
           static_cast<int>(static_cast<double>(clamped - start) * box.width / static_cast<double>(end - start));
}

std::int64_t MomentAt(int x, std::int64_t start, std::int64_t end, const platform::Box& box) {
    const int into = std::clamp(x - box.left, 0, std::max(box.width - 1, 0));
    return start + static_cast<std::int64_t>(static_cast<double>(end - start) * into / std::max(box.width, 1));
}

// A scale for the chart at or above the highest round trip: 1, 2 or 5 times
// a power of ten, 10 ms at the least.
std::uint32_t ScaleOf(std::uint32_t highest) {
    std::uint32_t scale = 10;
    for (int step = 0; scale < highest && scale < kMaxRoundTripMs; ++step)
        scale = step % 3 == 1 ? scale / 2 * 5 : scale * 2;
    return scale;
}

platform::Box StripOf(const WeekLayout& layout, std::size_t day) {
    return {layout.strips.left, layout.strips.top + static_cast<int>(day) * layout.rowHeight, layout.strips.width,
            layout.stripHeight};
}

}  // namespace

platform::Colour ColourOf(Shade shade) {
    switch (shade) {
        case Shade::Connected: return 0x43AB30;     // green, the Internet answered
        case Shade::NoInternet: return 0xF0B818;    // amber, beyond the router
        case Shade::NoHost: return 0xEC7D2C;        // orange, between this PC and the router
        case Shade::NetworkError: return 0xE0483C;  // red, nothing answered
        case Shade::NotWatched: break;
    }
    return 0xC8C8C8;
}

WeekLayout LayOutWeek(int width, int height, int textHeight, int nameWidth) {
    WeekLayout layout;
    const int gap = std::max(textHeight / 3, 2);
    layout.nameWidth = nameWidth + 2 * gap;
    layout.rowHeight = std::max((height - 4 * textHeight - 3 * gap) * 3 / 5 / 7, 3);
    layout.stripHeight = std::max(layout.rowHeight - std::max(layout.rowHeight / 5, 1), 2);
    layout.strips = {layout.nameWidth, 0, std::max(width - layout.nameWidth - gap, 1), 7 * layout.rowHeight};
    layout.hoursTop = layout.strips.top + layout.strips.height;
    const int chartTop = layout.hoursTop + textHeight + gap;
    layout.captionTop = std::max(height - textHeight, chartTop + 1);
    layout.chart = {layout.strips.left, chartTop, layout.strips.width, std::max(layout.captionTop - gap - chartTop, 1)};
    return layout;
}

std::optional<Pointed> PointAt(const Week& week, const WeekLayout& layout, int x, int y) {
    if (x < layout.strips.left || x >= layout.strips.left + layout.strips.width) return std::nullopt;
    if (y >= layout.strips.top && y < layout.strips.top + layout.strips.height) {
        Pointed pointed;
        pointed.day = static_cast<std::size_t>((y - layout.strips.top) / layout.rowHeight);
        const Day& day = week.days[pointed.day];
        pointed.at = MomentAt(x, day.start, day.end, layout.strips);
        if (pointed.at > week.now) return std::nullopt;
        return pointed;
    }
    if (y < layout.chart.top || y >= layout.chart.top + layout.chart.height) return std::nullopt;
    const std::int64_t at = MomentAt(x, week.days.front().start, week.days.back().end, layout.chart);
    for (std::size_t i = 0; i < week.hours.size(); ++i) {
        if (at >= week.hours[i].hour.utc && at < week.hours[i].hour.utc + 3600) return Pointed{0, at, i};
    }
    return std::nullopt;
}

void PaintWeek(platform::Canvas& canvas, const Week& week, const WeekLayout& layout,
               const std::optional<Pointed>& chosen) {
    const int textHeight = canvas.TextHeight();
    for (std::size_t d = 0; d < week.days.size(); ++d) {
        const Day& day = week.days[d];
        const platform::Box strip = StripOf(layout, d);
        canvas.Text(2, strip.top + (strip.height - textHeight) / 2, DayName(day), kText);
        canvas.Fill({strip.left - 1, strip.top - 1, strip.width + 2, strip.height + 2}, kFrame);
        canvas.Fill(strip, ColourOf(Shade::NotWatched));
        for (const Stretch& stretch : day.stretches) {
            const int from = XOf(stretch.from, day.start, day.end, strip);
            const int to = std::max(XOf(stretch.to, day.start, day.end, strip), from + 1);
            canvas.Fill({from, strip.top, std::min(to, strip.left + strip.width) - from, strip.height},
                        ColourOf(stretch.shade));
        }
        // The hours, every three; a day of 23 or 25 hours has its marks where its clock has them.
        for (int hour = 3; hour < 24; hour += 3) {
            const int x = XOf(day.start + hour * 3600, day.start, day.end, strip);
            canvas.Fill({x, strip.top + strip.height * 2 / 3, 1, strip.height - strip.height * 2 / 3}, kMark);
        }
        if (week.now >= day.start && week.now < day.end) {
            canvas.Fill({XOf(week.now, day.start, day.end, strip), strip.top - 1, 2, strip.height + 2}, kNow);
        }
        if (chosen && !chosen->hour && chosen->day == d) {
            canvas.Fill({XOf(chosen->at, day.start, day.end, strip), strip.top - 2, 1, strip.height + 4}, kNow);
        }
    }
    const Day& first = week.days.front();
    for (int hour = 0; hour <= 24; hour += 6) {
        const std::string label = Words().Number(static_cast<std::uint32_t>(hour)).Done();
        const int x = XOf(first.start + hour * 3600, first.start, first.end, layout.strips);
        canvas.Text(std::clamp(x - canvas.TextWidth(label) / 2, layout.strips.left,
                               layout.strips.left + layout.strips.width - canvas.TextWidth(label)),
                    layout.hoursTop, label, kText);
    }

    // The round trips: a bar an hour up to its median, a mark at its highest.
    const platform::Box& chart = layout.chart;
    canvas.Fill({chart.left - 1, chart.top - 1, chart.width + 2, chart.height + 2}, kFrame);
    canvas.Fill(chart, kChartBack);
    const std::uint32_t scale = ScaleOf(week.highestMs);
    const std::string top = Words(texts::kMs).Number(scale).Done();
    canvas.Text(std::max(chart.left - canvas.TextWidth(top) - 4, 0), chart.top, top, kText);
    const std::int64_t start = week.days.front().start, end = week.days.back().end;
    for (const LatencyHour& hour : week.hours) {
        const int from = XOf(hour.hour.utc, start, end, chart);
        const int width = std::max(XOf(hour.hour.utc + 3600, start, end, chart) - from, 1);
        const int median = static_cast<int>(static_cast<double>(hour.medianMs) * chart.height / scale);
        const int highest = static_cast<int>(static_cast<double>(hour.highestMs) * chart.height / scale);
        canvas.Fill({from, chart.top + chart.height - median, width, median}, kMedian);
        canvas.Fill({from, chart.top + chart.height - std::max(highest, 2), width, 2}, kHighest);
    }
    for (std::size_t d = 1; d < week.days.size(); ++d) {
        canvas.Fill({XOf(week.days[d].start, start, end, chart), chart.top, 1, chart.height}, kFrame);
    }
    const std::string caption =
        week.checks == 0 ? std::string(texts::kNoRoundTrips)
                         : Words(texts::kChartCaption).Share(week.secondTries, week.checks).Number(week.checks).Done();
    canvas.Text(chart.left, layout.captionTop, caption, kText);
}

}  // namespace netvik::history
