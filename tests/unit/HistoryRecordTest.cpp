// The record's line format, reading untrusted files, rotation, and what the
// History window makes of the lines.
#include <gtest/gtest.h>

#include "history/HistoryView.h"
#include "history/Record.h"

namespace netvik::history {
namespace {

// 2026-12-07 10:00:00 at UTC+01:00.
constexpr std::int64_t kTen = 1796634000;

Stamp At(std::int64_t minutesAfterTen) { return {kTen + minutesAfterTen * 60, 60}; }

// The lines of a record written as text, one per line, header first.
std::vector<Entry> Lines(const std::string& text) {
    const std::string file = std::string(kHeader) + "\n" + text;
    return ParseRecord(file, file.size()).entries;
}

TEST(HistoryLine, FormatAndParseRoundTripExactly) {
    const char* const lines[] = {
        "2026-12-07T18:04:05+01:00,no-internet,2026-12-07T17:59:05+01:00",
        "2000-02-29T00:00:00+00:00,connected,",
        "1999-12-31T23:59:59-09:30,network-error,2000-01-01T08:29:59+00:00",
        "1970-01-01T00:00:00+23:59,not-running,2105-12-31T23:59:59-23:59",
        "2026-03-29T02:30:00+02:00,asleep,",
        "2026-12-07T18:04:05+01:00,no-host,",
        "2026-12-07T18:04:05+01:00,disabled,",
    };
    for (const char* text : lines) {
        Entry entry;
        ASSERT_TRUE(ParseLine(text, entry)) << text;
        EXPECT_EQ(FormatLine(entry), text);
        Entry again;
        ASSERT_TRUE(ParseLine(FormatLine(entry), again));
        EXPECT_EQ(again, entry);
    }
    Entry entry;
    ASSERT_TRUE(ParseLine(lines[0], entry));
    EXPECT_EQ(entry.at.utc, 1796663045);
    EXPECT_EQ(entry.at.offsetMinutes, 60);
    EXPECT_EQ(entry.state, State::NoInternet);
}

TEST(HistoryLine, AnythingElseIsNoLine) {
    const char* const lines[] = {
        "",
        "2026-12-07T18:04:05+01:00,connected",                             // a field short
        "2026-12-07T18:04:05+01:00,connected,,",                           // one too many
        "2026-12-07T18:04:05+01:00,Connected,",                            // not the word
        "2026-12-07 18:04:05+01:00,connected,",                            // not ISO 8601
        "2026-12-07T18:04:05-00:00,connected,",                            // UTC is +00:00
        "2026-12-07T18:04:05+24:00,connected,",                            // offset too large
        "2026-13-07T18:04:05+01:00,connected,",                            // month 13
        "2026-02-29T18:04:05+01:00,connected,",                            // not a leap year
        "2026-12-07T18:04:60+01:00,connected,",                            // second 60
        "2026-12-07T18:04:0x+01:00,connected,",                            // not a digit
        "2026-12-07T18:04:05+01:00,connected,2026-12-07T18:04:05+01:00 ",  // a trailing blank
        "2026-12-07T18:04:05+01:00,connected,2026-12-07T18:04:05+01:0",    // cut
    };
    for (const char* text : lines) {
        Entry entry;
        EXPECT_FALSE(ParseLine(text, entry)) << text;
    }
}

TEST(HistoryRecord, UnreadableLinesAreSkippedAndCounted) {
    const std::string file = std::string("\xEF\xBB\xBF") + std::string(kHeader) +
                             "\r\n"
                             "2026-12-07T10:00:00+01:00,connected,\r\n"
                             "\r\n"
                             "a foreign line\r\n"
                             "2026-12-07T10:05:00+01:00,no-host,2026-12-07T10:00:00+01:00\n" +
                             std::string(kHeader) + "\n" + std::string("\0\xFF\x80,,\n", 6) +
                             "2026-12-07T10:10:00+01:00,connec";  // torn
    const Record whole = ParseRecord(file, file.size());
    ASSERT_EQ(whole.entries.size(), 2u);
    EXPECT_EQ(whole.entries[1].state, State::NoHost);
    EXPECT_EQ(whole.skipped, 3u);  // foreign, binary, torn

    // Only the newest bytes of a larger file: their first line is cut.
    const std::string newest = file.substr(file.find("10:00:00+01:00,connected") + 3);
    const Record part = ParseRecord(newest, file.size() + 1000);
    ASSERT_EQ(part.entries.size(), 1u);
    EXPECT_EQ(part.skipped, 3u);
    EXPECT_LT(part.readSize, part.fileSize);

    // Any bytes at all.
    std::string noise;
    for (std::uint32_t i = 0, seed = 1; i < 100000; ++i, seed = seed * 1103515245 + 12345) {
        noise += static_cast<char>(seed >> 24 & 0x3F ? seed >> 16 : '\n');
    }
    EXPECT_TRUE(ParseRecord(noise, noise.size()).entries.empty());
}

TEST(HistoryRecord, RotationCutsAtALineAndKeepsTheHeaderInBoth) {
    std::string body;
    for (int i = 0; body.size() <= kRecordLimit; ++i) body += FormatLine({At(i), State(i % 4), At(i)}) + "\r\n";
    const std::string header = std::string(kHeader) + "\r\n";
    const Rotation rotation = PlanRotation(header + body, true);
    ASSERT_EQ(rotation.older.substr(0, header.size()), header);
    ASSERT_EQ(rotation.newer.substr(0, header.size()), header);
    EXPECT_EQ(rotation.older.substr(header.size()) + rotation.newer.substr(header.size()), body);
    EXPECT_LE(rotation.newer.size() - header.size(), kRecordLimit / 2);

    // The newest part of a larger file: its cut first line goes; a file
    // with no line break at all goes to the previous file whole.
    EXPECT_EQ(PlanRotation("ut line\r\n" + body, false).newer, rotation.newer);
    EXPECT_EQ(PlanRotation(std::string(kRecordLimit + 1, 'x'), true).newer, header);
}

struct AnalysisCase {
    const char* name;
    std::string lines;
    struct {
        std::int64_t now;  // minutes after 10:00
        bool live;
        std::int64_t watched, connected;  // minutes, in the last 24 hours
    } at;
    std::vector<std::string> rows;  // from | to | length | where
};

TEST(HistoryAnalysis, OutagesAndWatchedTime) {
    const AnalysisCase cases[] = {
        {"an outage back, a gap, the present state",
         "2026-12-07T10:00:00+01:00,connected,\n"
         "2026-12-07T10:30:00+01:00,no-internet,2026-12-07T10:25:00+01:00\n"
         "2026-12-07T10:45:00+01:00,network-error,2026-12-07T10:40:00+01:00\n"
         "2026-12-07T11:00:00+01:00,connected,2026-12-07T10:55:00+01:00\n"
         "2026-12-07T11:10:00+01:00,asleep,2026-12-07T11:05:00+01:00\n"
         "2026-12-07T12:10:00+01:00,connected,\n",
         {180, true, 120, 90},
         {"2026-12-07 10:25 - 10:30 | 2026-12-07 10:55 - 11:00 | 30 minutes | "
          "beyond the router (the Internet provider), then this PC's network (nothing answered)"}},
        {"an outage that the PC's sleep cut, and one still lasting",
         "2026-12-07T10:00:00+01:00,connected,\n"
         "2026-12-07T10:30:00+01:00,no-host,2026-12-07T10:25:00+01:00\n"
         "2026-12-07T10:40:00+01:00,asleep,2026-12-07T10:35:00+01:00\n"
         "2026-12-07T12:00:00+01:00,no-host,\n",
         {76 * 60, true, 24 * 60, 0},
         {"2026-12-07 12:00 | still down | 3 days 2 hours | between this PC and the router (cable, Wi-Fi, router)",
          "2026-12-07 10:25 - 10:30 | 2026-12-07 10:40 (PC asleep) | 10 minutes | "
          "between this PC and the router (cable, Wi-Fi, router)"}},
        {"a program that ended without its line: its last stretch ends at its last check",
         "2026-12-07T10:00:00+01:00,network-error,\n"
         "2026-12-07T13:00:00+01:00,connected,\n",
         {240, false, 0, 0},
         {"2026-12-07 10:00 | nothing recorded after 2026-12-07 10:00 | less than a minute | "
          "this PC's network (nothing answered)"}},
        {"a clock set back an hour: no time runs backwards",
         "2026-12-07T10:00:00+01:00,connected,\n"
         "2026-12-07T10:30:00+01:00,no-internet,2026-12-07T10:25:00+01:00\n"
         "2026-12-07T09:40:00+01:00,network-error,2026-12-07T09:35:00+01:00\n"
         "2026-12-07T10:10:00+01:00,connected,2026-12-07T10:05:00+01:00\n",
         {20, true, 20 + 30 + 10, 20 + 10},
         {"2026-12-07 10:25 - 10:30 | 2026-12-07 10:05 - 10:10 | 30 minutes | "
          "beyond the router (the Internet provider), then this PC's network (nothing answered)"}},
        {"a time zone changed between two lines; nothing counts past now",
         "2026-12-07T10:00:00+01:00,connected,\n"
         "2026-12-07T11:00:00+02:00,no-host,2026-12-07T10:55:00+02:00\n"
         "2099-01-01T00:00:00+01:00,connected,2026-12-07T10:05:00+01:00\n",
         {60, true, 60, 0},
         {"2026-12-07 10:55 - 11:00 | 2026-12-07 10:05 - 2099-01-01 00:00 | 1 hour | "
          "between this PC and the router (cable, Wi-Fi, router)"}},
    };
    for (const AnalysisCase& c : cases) {
        const Analysis analysis = Analyse(Lines(c.lines), At(c.at.now), c.at.live);
        EXPECT_EQ(analysis.periods[0].watched, c.at.watched * 60) << c.name;
        EXPECT_EQ(analysis.periods[0].connected, c.at.connected * 60) << c.name;
        std::vector<std::string> rows;
        for (const Outage& outage : analysis.outages) {
            const OutageRow row = MakeRow(outage);
            rows.push_back(row.from + " | " + row.to + " | " + row.length + " | " + row.where);
        }
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}

TEST(HistoryView, SummaryNotesAndReport) {
    History history;
    const std::string file = std::string(kHeader) +
                             "\n"
                             "2026-12-03T10:00:00+01:00,connected,\n"
                             "2026-12-03T12:00:00+01:00,no-internet,2026-12-03T11:55:00+01:00\n"
                             "2026-12-03T12:16:00+01:00,connected,2026-12-03T12:11:00+01:00\n"
                             "2026-12-03T14:00:00+01:00,not-running,2026-12-03T13:55:00+01:00\n"
                             "junk\n";
    history.record = ParseRecord(file, 3400000);
    history.now = At(0);
    history.notWrittenSince = At(-90);
    history.analysis = Analyse(history.record.entries, history.now, false);
    const HistoryView view = MakeView(history);
    EXPECT_EQ(view.summary[0], "Last 24 hours: not watched.");
    EXPECT_EQ(view.summary[1], "Last 7 days: watched 4 hours, connected 93.3% of that time, 1 outage of 16 minutes.");
    EXPECT_EQ(view.rows.size(), 1u);
    EXPECT_EQ(view.notes,
              "The record could not be written since 2026-12-07 08:30. 1 line of the record could not be read and "
              "was skipped. The record's file is larger than Netvik reads: only its newest part was read.");
    EXPECT_EQ(MakeReport(history, view),
              "Netvik: the Internet connection of this PC, 2026-12-07 10:00 (UTC+01:00)\r\n\r\n" + view.summary[0] +
                  "\r\n" + view.summary[1] + "\r\n" + view.summary[2] +
                  "\r\n\r\n"
                  "Outages in the last 30 days, newest first:\r\n"
                  "2026-12-03 11:55 - 12:00 until 2026-12-03 12:11 - 12:16: 16 minutes, beyond the router (the "
                  "Internet provider)\r\n\r\n"
                  "Each outage began and ended between the two checks named; times are this PC's local time.\r\n"
                  "\r\n" +
                  view.notes + "\r\n");
    EXPECT_EQ(MakeView(History{}).notes, "Nothing recorded yet.");
}

}  // namespace
}  // namespace netvik::history
