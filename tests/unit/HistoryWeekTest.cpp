// The week's picture, the round trips an hour a line, and the report's part
// for the Internet provider.
#include <gtest/gtest.h>

#include "fakes/FakeControls.h"
#include "fakes/FakeHistoryFile.h"
#include "history/HistoryView.h"
#include "history/WeekPicture.h"

namespace netvik::history {
namespace {

constexpr std::int64_t kTen = 1796634000;  // Mon 2026-12-07 10:00:00 at UTC+01:00
constexpr std::int64_t kHour = 3600;
Stamp At(std::int64_t minutes, std::int32_t offset = 60) { return {kTen + minutes * 60, offset}; }

// A history of the given lines, read at now as the window reads it while
// the program watches: the last line is the present state.
History Read(const std::string& lines, const Stamp& now, const OffsetAt& zone = nullptr) {
    fakes::FakeHistoryFile file;
    file.current = std::string(kHeader) + "\r\n" + lines;
    History history = ReadHistory(Recorder(file), now, zone);
    history.live = true;
    history.analysis = Analyse(history.record.entries, now, true);
    return history;
}

std::string Shades(const Day& day) {
    std::string text;
    for (const Stretch& s : day.stretches) {
        text += "CINEW"[static_cast<int>(s.shade)];
        text += std::to_string((s.to - s.from) / 60) + " ";
    }
    return text;
}

TEST(HistoryWeek, DaysFromMidnightToMidnightShadedByWhatTheChecksSaw) {
    // Yesterday from 22:00 no Internet until 02:00 today (over midnight),
    // then connected; Netvik ended at 03:00 and started again at 08:00.
    const std::string lines = FormatLine({At(-12 * 60), State::NoInternet, std::nullopt}) + "\r\n" +
                              FormatLine({At(-8 * 60), State::Connected, At(-8 * 60 - 5)}) + "\r\n" +
                              FormatLine({At(-7 * 60), State::NotRunning, At(-7 * 60 - 5)}) + "\r\n" +
                              FormatLine({At(-2 * 60), State::Connected, std::nullopt}) + "\r\n";
    const History history = Read(lines, At(0));
    const Week week = MakeWeek(history, history.live, Latencies{}, nullptr);
    EXPECT_EQ(DayName(week.days[6]), "Mon 2026-12-07");
    EXPECT_EQ(week.days[6].end - week.days[6].start, 24 * kHour);
    EXPECT_EQ(Shades(week.days[5]), "W1320 I120 ");          // not watched until 22:00, then no Internet
    EXPECT_EQ(Shades(week.days[6]), "I120 C60 W300 C120 ");  // until now, 10:00
    EXPECT_EQ(Shades(week.days[0]), "W1440 ");

    // A zone that leaves summer time at 02:00 in the night to today: today
    // has 25 hours.
    const auto zone = [](std::int64_t utc) { return utc < kTen - 9 * kHour ? 120 : 60; };
    const Week changed = MakeWeek(Read(lines, At(0), zone), true, Latencies{}, zone);
    EXPECT_EQ(changed.days[6].end - changed.days[6].start, 25 * kHour);
    EXPECT_EQ(changed.days[5].end - changed.days[5].start, 24 * kHour);
    EXPECT_EQ(changed.days[5].end, changed.days[6].start);
}

TEST(HistoryWeek, ThePictureStaysWithinItsStripsWhateverTheRecordSays) {
    // A clock set back, an outage of a second, a line at the very end of now.
    const std::string lines = FormatLine({At(-30), State::NoHost, std::nullopt}) + "\r\n" +
                              FormatLine({At(-60), State::Connected, At(-61)}) + "\r\n" +
                              "2026-12-07T09:59:59+01:00,network-error,2026-12-07T09:59:58+01:00\r\n";
    Latencies latencies;
    latencies.hours.push_back({{kTen - kHour, 60}, 3, 1, 40, 4000});
    const History history = Read(lines, At(0));
    const Week week = MakeWeek(history, true, latencies, nullptr);
    fakes::FakeCanvas canvas;
    const WeekLayout layout = LayOutWeek(300, 120, canvas.TextHeight(), 60);
    PaintWeek(canvas, week, layout, std::nullopt);
    for (const auto& fill : canvas.fills) {
        EXPECT_GE(fill.box.width, 0);
        EXPECT_GE(fill.box.height, 0);
        EXPECT_GE(fill.box.left, 0);
        EXPECT_LE(fill.box.left + fill.box.width, 300);
        EXPECT_GE(fill.box.top, -2);
        EXPECT_LE(fill.box.top + fill.box.height, 120);
    }
    const std::optional<Pointed> pointed = PointAt(week, layout, layout.strips.left + layout.strips.width - 1,
                                                   layout.strips.top + 6 * layout.rowHeight + 1);
    ASSERT_FALSE(pointed);  // the end of today is after now
}

TEST(HistoryLatency, AnHourALineOnceTheHourIsOverMergedAndCheckedOnReading) {
    fakes::FakeHistoryFile file;
    LatencyRecorder recorder(file);
    for (const std::uint32_t ms : {30, 10, 20, 500}) recorder.Answered(At(5), ms, ms == 500);
    EXPECT_EQ(file.appends, 0);  // nothing between hours
    recorder.Answered(At(61), 15, false);
    EXPECT_EQ(file.current, std::string(kLatencyHeader) + "\r\n2026-12-07T10:00:00+01:00,4,1,30,500\r\n");
    recorder.Event(WatchEvent::Ending);
    file.current +=
        "2026-12-07T11:00:00+01:00,2,0,40,60\r\n"         // a second run in the same hour
        "2026-12-07T09:00:00+01:00,1,0,5,5\r\n"           // out of order
        "2026-12-07T12:00:00+01:00,1,0,5,4294967295\r\n"  // no echo waits so long
        "2026-12-07T12:30:00+01:00,1,0,5,5\r\n"           // not on the hour
        "2026-12-07T12:00:00+01:00,1,2,5,5\r\n"           // more second tries than checks
        "2026-12-08T12:00:00+01:00,1,0,5,5\r\n";          // after now
    const Latencies read = ReadLatency(file, At(150));
    ASSERT_EQ(read.hours.size(), 2u);
    EXPECT_EQ(FormatLatency(read.hours[1]), "2026-12-07T11:00:00+01:00,3,0,40,60");
    EXPECT_EQ(read.skipped, 5u);
}

TEST(HistoryReport, TheProvidersPartSplitsTheSidesAndNamesWhatWasProbed) {
    const std::string lines = FormatLine({At(-600), State::Connected, std::nullopt}) + "\r\n" +
                              FormatLine({At(-300), State::NoInternet, At(-305)}) + "\r\n" +
                              FormatLine({At(-240), State::NoHost, At(-245)}) + "\r\n" +
                              FormatLine({At(-230), State::Connected, At(-235)}) + "\r\n";
    Latencies latencies;
    latencies.hours.push_back({{kTen - kHour, 60}, 4, 1, 20, 50});
    latencies.hours.push_back({{kTen - 30 * kHour, 60}, 2, 0, 35, 70});
    const History history = Read(lines, At(0));
    const HistoryView view = MakeView(history);
    const Week week = MakeWeek(history, true, latencies, nullptr);
    EXPECT_EQ(MakeProviderReport(history, view, week, {"1.1.1.1", "192.168.0.1", "203.0.113.7", 5}),
              "For the Internet provider:\r\n"
              "Internet address probed: 1.1.1.1, every 5 minutes; the router: 192.168.0.1.\r\n"
              "This connection's external address: 203.0.113.7.\r\n"
              "The provider's side (the router answered): the Internet site answered 89.8% of 9 hours 50 minutes "
              "watched in the last 30 days; 1 outage, the longest 1 hour.\r\n"
              "This PC's own side (cable, Wi-Fi, router, this PC): working 98.3% of that time; 1 outage, the "
              "longest 10 minutes.\r\n"
              "Outages in the last 30 days, one a line (the checks before and after each end):\r\n"
              "  Mon 2026-12-07, 04:55-05:00 to 06:05-06:10, 1 hour 10 minutes, beyond the router (the Internet "
              "provider), then between this PC and the router (cable, Wi-Fi, router)\r\n"
              "Round trip to the Internet site per day (median, highest):\r\n"
              "  Mon 2026-12-07: 20 ms, 50 ms\r\n"
              "  Sun 2026-12-06: 35 ms, 70 ms\r\n"
              "  Sat 2026-12-05: no round trips recorded\r\n"
              "  Fri 2026-12-04: no round trips recorded\r\n"
              "  Thu 2026-12-03: no round trips recorded\r\n"
              "  Wed 2026-12-02: no round trips recorded\r\n"
              "  Tue 2026-12-01: no round trips recorded\r\n");
}

}  // namespace
}  // namespace netvik::history
