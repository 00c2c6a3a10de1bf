// Reading the record for the History window: both files, what cannot be
// true left out, times in this PC's offset now; and what rotation keeps.
#include <gtest/gtest.h>

#include "fakes/FakeHistoryFile.h"
#include "history/HistoryView.h"

namespace netvik::history {
namespace {

constexpr std::int64_t kTen = 1796634000;  // 2026-12-07 10:00:00 at UTC+01:00
constexpr std::int64_t kDay = 86400;
Stamp At(std::int64_t minutesAfterTen, std::int32_t offset = 60) { return {kTen + minutesAfterTen * 60, offset}; }

std::string File(const std::string& lines) { return std::string(kHeader) + "\r\n" + lines; }
std::string Line(std::int64_t minute, State state, std::optional<std::int64_t> seen = std::nullopt) {
    return FormatLine({At(minute), state, seen ? std::optional<Stamp>(At(*seen)) : std::nullopt}) + "\r\n";
}
std::vector<std::string> Rows(const History& history) {
    std::vector<std::string> rows;
    for (const Outage& outage : history.analysis.outages) {
        const OutageRow row = MakeRow(outage);
        rows.push_back(row.from + " | " + row.to + " | " + row.length);
    }
    return rows;
}

TEST(HistoryReading, BothFilesInThisPCsLocalTime) {
    fakes::FakeHistoryFile file;
    constexpr std::int64_t kTwentyDays = -20 * 24 * 60;
    file.previous = File(Line(kTwentyDays, State::Connected) + Line(kTwentyDays + 30, State::NoHost, kTwentyDays + 25) +
                         Line(kTwentyDays + 60, State::Connected, kTwentyDays + 55));
    file.current = File(Line(-60, State::NoInternet, -65) + Line(-30, State::Connected, -35));
    const History history = ReadHistory(Recorder(file), At(0));
    EXPECT_EQ(history.analysis.periods[1].outages, 1);
    EXPECT_EQ(history.analysis.periods[2].outages, 2);
    EXPECT_EQ(history.analysis.periods[2].watched, 20 * kDay - 30 * 60);  // from the previous file's first line

    // Written in India, read in California: 10:00 UTC+01:00 is 01:00 at -08:00.
    file.previous.clear();
    file.current =
        File("2026-12-07T14:30:00+05:30,connected,\r\n2026-12-07T14:40:00+05:30,no-host,2026-12-07T14:35:00+05:30\r\n");
    EXPECT_EQ(Rows(ReadHistory(Recorder(file), At(30, -480))),
              (std::vector<std::string>{
                  "2026-12-07 01:05 - 01:10 | nothing recorded after 2026-12-07 01:10 | less than a minute"}));
}

// Lines after one left out still count; a clock set back never makes the
// summary count other outages than the list shows.
TEST(HistoryReading, TimesThatCannotBeTrueAreLeftOutAndCounted) {
    const std::string lines = Line(0, State::Connected) +
                              "2105-01-01T00:00:00+01:00,no-host,2026-12-07T10:05:00+01:00\r\n"  // far ahead
                              + Line(23 * 24 * 60, State::NoHost, 5) +                           // 23 days ahead
                              "2026-12-07T10:10:00+14:59,no-host,\r\n"                           // offsets no zone has
                              "2026-12-07T10:10:00-23:59,no-host,\r\n" +
                              Line(20, State::NoInternet, 15) +    // in order: counts
                              Line(12, State::NetworkError, 11) +  // before the line before it: the clock set back
                              Line(50, State::Connected, 55) +     // its last check after itself
                              Line(58, State::Connected, 57) +     // counts
                              Line(59, State::NoHost, 10);         // last check before the line before
    fakes::FakeHistoryFile file;
    file.current = File(lines);
    const History history = ReadHistory(Recorder(file), At(60));
    EXPECT_EQ(Rows(history),
              (std::vector<std::string>{"2026-12-07 10:15 - 10:20 | 2026-12-07 10:57 - 10:58 | 38 minutes"}));
    EXPECT_EQ(static_cast<std::size_t>(history.analysis.periods[0].outages), history.analysis.outages.size());
    EXPECT_EQ(MakeView(history).notes,
              "7 lines of the record had times that cannot be true (in the future, out of order, or more than 14 "
              "hours from UTC) and were left out.");
}

// A large record is read from its newest lines: what the window shows is
// as if it had read them all.
TEST(HistoryReading, ALargeRecordShowsAsIfReadWhole) {
    fakes::FakeHistoryFile file;
    std::string lines;
    for (int i = 0; i < 40000; ++i)
        lines += Line(-40000 * 3 + 3 * i, State(i % 3),
                      i % 7 == 0 ? std::nullopt : std::optional<std::int64_t>(-40000 * 3 + 3 * i - 1));
    file.current = File(lines);
    const History history = ReadHistory(Recorder(file), At(0));
    const Record whole = ParseRecord(file.current, file.current.size());
    const Analysis all = Analyse(whole.entries, At(0), false);
    EXPECT_LT(history.record.entries.size(), whole.entries.size());
    EXPECT_EQ(history.analysis.periods[2].watched, all.periods[2].watched);
    EXPECT_EQ(history.analysis.periods[2].outages, all.periods[2].outages);
    for (std::size_t i = 0; i < kMaxRows; ++i)
        EXPECT_EQ(MakeRow(history.analysis.outages[i]).from, MakeRow(all.outages[i]).from) << i;
}

struct Rotated {
    const char* name;
    std::string previous, older;
    std::uint64_t newer;
    std::size_t keptLines, dropped;
};

TEST(HistoryRotation, NoLineOfTheLastThirtyDaysEverGoes) {
    // Lines of a day each, the oldest 40 days back; and long ones.
    std::string days;
    for (int day = 40; day > 0; --day) days += Line(-day * 24 * 60, State(day % 4));
    const std::string pad(kRecordsBound, 'x');
    const Rotated cases[] = {
        {"within the bound: all kept", File(days), File(Line(0, State::Connected)), 1000, 41, 0},
        {"past it: the lines older than 30 days go, oldest first", File(days), File(pad + "\r\n"), 1000, 30, 10},
        {"past it with only the last 30 days: nothing goes",
         File(days.substr(days.find(Line(-30 * 24 * 60, State(2))))), File(pad + "\r\n"), 1000, 30, 0},
        {"a foreign last line without its line break keeps its own line", File("junk"), File(Line(0, State::Connected)),
         0, 1, 0},
    };
    for (const Rotated& c : cases) {
        const Previous joined = JoinPrevious(c.previous, c.older, c.newer, At(0).utc);
        EXPECT_EQ(ParseRecord(joined.bytes, joined.bytes.size()).entries.size(), c.keptLines) << c.name;
        EXPECT_EQ(joined.dropped, c.dropped) << c.name;
        EXPECT_EQ(joined.bytes.rfind(File(""), 0), 0u) << c.name;
    }
}

}  // namespace
}  // namespace netvik::history
