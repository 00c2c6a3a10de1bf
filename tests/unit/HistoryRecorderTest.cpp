// What the recorder writes and when, and which changes notify.
#include <gtest/gtest.h>

#include "fakes/FakeHistoryFile.h"
#include "history/ChangeNotifier.h"
#include "history/HistoryView.h"
#include "history/Recorder.h"

namespace netvik::history {
namespace {

constexpr std::int64_t kTen = 1796634000;  // 2026-12-07 10:00:00 at UTC+01:00
Stamp At(std::int64_t minutesAfterTen) { return {kTen + minutesAfterTen * 60, 60}; }

std::string File(const std::string& lines) { return std::string(kHeader) + "\r\n" + lines; }

TEST(HistoryRecorder, WritesALineForEachChangeAndEachGap) {
    fakes::FakeHistoryFile file;
    Recorder recorder(file);
    recorder.Event(WatchEvent::Started, At(0));
    recorder.Verdict(State::Connected, At(0));
    recorder.Verdict(State::Connected, At(5));
    recorder.Verdict(State::NoInternet, At(10));
    recorder.Verdict(State::NoInternet, At(11));
    recorder.Event(WatchEvent::Suspending, At(12));
    recorder.Event(WatchEvent::Resumed, At(60));
    recorder.Verdict(State::NoInternet, At(61));
    recorder.Event(WatchEvent::Disabled, At(65));
    recorder.Event(WatchEvent::Enabled, At(70));
    recorder.Verdict(State::Connected, At(70));
    recorder.Verdict(State::Connected, At(75));
    recorder.Event(WatchEvent::Ending, At(95));
    recorder.Event(WatchEvent::Ending, At(95));
    EXPECT_EQ(file.current, File("2026-12-07T10:00:00+01:00,connected,\r\n"
                                 "2026-12-07T10:10:00+01:00,no-internet,2026-12-07T10:05:00+01:00\r\n"
                                 "2026-12-07T10:12:00+01:00,asleep,2026-12-07T10:11:00+01:00\r\n"
                                 "2026-12-07T11:01:00+01:00,no-internet,\r\n"
                                 "2026-12-07T11:05:00+01:00,disabled,2026-12-07T11:01:00+01:00\r\n"
                                 "2026-12-07T11:10:00+01:00,connected,\r\n"
                                 "2026-12-07T11:35:00+01:00,not-running,2026-12-07T11:15:00+01:00\r\n"));
    EXPECT_EQ(file.appends, 7);
}

TEST(HistoryRecorder, AFailedWriteIsRememberedAndItsLinesWait) {
    fakes::FakeHistoryFile file;
    file.current = File("2026-12-07T09:00:00+01:00,conn");  // torn by a crash
    Recorder recorder(file);
    file.failWrites = 5;
    recorder.Verdict(State::Connected, At(0));
    recorder.Verdict(State::NoHost, At(10));
    EXPECT_EQ(recorder.NotWrittenSince(), At(0));
    const History history = ReadHistory(recorder, At(20));
    const HistoryView view = MakeView(history);
    ASSERT_EQ(view.rows.size(), 1u);
    EXPECT_EQ(MakeRow(history.analysis.outages[0]).to, "still down");
    EXPECT_EQ(view.notes.substr(0, view.notes.find('.') + 1),
              "The record could not be written since 2026-12-07 10:00.");

    file.failWrites = 0;
    recorder.Verdict(State::NoHost, At(15));
    EXPECT_FALSE(recorder.NotWrittenSince());
    EXPECT_EQ(file.current, File("2026-12-07T09:00:00+01:00,conn\r\n"
                                 "2026-12-07T10:00:00+01:00,connected,\r\n"
                                 "2026-12-07T10:10:00+01:00,no-host,2026-12-07T10:00:00+01:00\r\n"));
}

TEST(HistoryRecorder, PastTheLimitTheOlderHalfGoesToThePreviousFile) {
    fakes::FakeHistoryFile file;
    std::string lines;
    for (int i = 0; lines.size() <= kRecordLimit; ++i) lines += FormatLine({At(i), State(i & 1), At(i)}) + "\r\n";
    file.current = File(lines);
    Recorder recorder(file);
    recorder.Verdict(State::NetworkError, At(1000000));
    const auto count = [](const std::string& text) { return ParseRecord(text, text.size()).entries.size(); };
    EXPECT_EQ(count(file.previous) + count(file.current), count(File(lines)) + 1);  // nothing lost
    EXPECT_LT(file.current.size(), kRecordLimit / 2 + 200);
    EXPECT_EQ(ParseRecord(file.current, file.current.size()).entries.back().state, State::NetworkError);
}

TEST(HistoryRecorder, AForeignLastLineWithoutItsLineBreakGetsOne) {
    fakes::FakeHistoryFile file;
    Recorder recorder(file);
    recorder.Verdict(State::Connected, At(0));
    file.current += "an editor's line";  // saved without its line break
    recorder.Verdict(State::NoHost, At(5));
    EXPECT_EQ(file.current, File("2026-12-07T10:00:00+01:00,connected,\r\n"
                                 "an editor's line\r\n"
                                 "2026-12-07T10:05:00+01:00,no-host,2026-12-07T10:00:00+01:00\r\n"));
}

// What reading cannot take whole is never cut; past the files' bound only
// lines older than 30 days go, and the window says so.
TEST(HistoryRecorder, RotationCutsNoFileItCannotReadAndNoLineOfTheMonth) {
    const auto lines = [](std::int64_t from, std::uint64_t bytes) {
        std::string text;
        for (std::int64_t i = from; text.size() <= bytes; ++i)
            text += FormatLine({At(i), State(i & 1), At(i)}) + "\r\n";
        return text;
    };
    const auto count = [](const std::string& text) { return ParseRecord(text, text.size()).entries.size(); };
    const std::string valid = File(lines(-100000, kReadBound)), huge = File(std::string(50 << 20, 'x'));
    for (const auto& [current, previous] : {std::pair{valid, std::string()}, std::pair{huge, std::string()},
                                            std::pair{File(lines(-100000, kRecordLimit)), valid}}) {
        fakes::FakeHistoryFile file;
        file.current = current;
        file.previous = previous;
        Recorder(file).Verdict(State::NetworkError, At(0));
        EXPECT_EQ(file.current.compare(0, current.size(), current), 0);
        EXPECT_EQ(file.previous, previous);
    }

    fakes::FakeHistoryFile file;
    file.previous = File(lines(-60 * 24 * 60, kRecordLimit));
    file.current = File(lines(-20000, kRecordLimit + kRecordLimit / 4));
    const std::size_t before = count(file.previous) + count(file.current);
    Recorder recorder(file);
    recorder.Verdict(State::NetworkError, At(0));
    const std::size_t dropped = before + 1 - count(file.previous) - count(file.current);
    EXPECT_GT(dropped, 0u);
    EXPECT_LT(dropped, before - count(file.current));  // the old lines only, as many as the bound asks
    EXPECT_LE(file.previous.size() + file.current.size(), kRecordsBound);
    EXPECT_NE(MakeView(ReadHistory(recorder, At(1))).notes.find("Netvik removed "), std::string::npos);
}

// One step: a verdict at a minute, or an event; and the balloon's title
// ("" for none).
struct Step {
    std::optional<State> verdict;
    std::int64_t minute;
    const char* title;
    const char* text = nullptr;
    std::optional<WatchEvent> event = std::nullopt;
    bool closed = false;
};

TEST(HistoryNotifier, NotifiesChangesWithinAStretchOnce) {
    const auto event = [](WatchEvent e) { return Step{std::nullopt, 0, "", nullptr, e}; };
    const Step steps[] = {
        event(WatchEvent::Started),
        {State::Connected, 0, ""},  // the first verdict after a start
        {State::Connected, 5, ""},
        {State::NoInternet, 10, "No Internet connection",
         "10:10: the router answers, but the Internet site does not. The fault lies beyond the router, with the "
         "Internet provider."},
        {State::NoInternet, 15, ""},
        {State::Connected, 26, "Connected to the Internet again",
         "10:26: the connection to the Internet is back, after 16 minutes without it."},
        event(WatchEvent::Suspending),
        event(WatchEvent::Resumed),
        {State::NoHost, 100, ""},  // the first after a resume
        {State::NetworkError, 105, "Network error"},
        event(WatchEvent::Disabled),
        event(WatchEvent::Enabled),
        {State::NoHost, 110, ""},                            // the first after an enable
        {State::NetworkError, 115, ""},                      // its balloon is still up
        {std::nullopt, 0, "", nullptr, std::nullopt, true},  // the shell closed it
        {State::NoHost, 120, "No connection to the router"},
        {State::NetworkError, 125, "Network error"},
    };
    ChangeNotifier notifier;
    for (const Step& step : steps) {
        if (step.event) notifier.Event(*step.event);
        if (step.closed) notifier.BalloonClosed();
        if (!step.verdict) continue;
        const std::optional<Balloon> balloon = notifier.Verdict(*step.verdict, At(step.minute));
        EXPECT_EQ(balloon ? balloon->title : "", step.title) << "minute " << step.minute;
        if (balloon && step.text) {
            EXPECT_EQ(balloon->text, step.text);
        }
    }
}

TEST(HistoryNotifier, BalloonsFitTheShellsLimits) {
    for (int verdict = 0; verdict < 4; ++verdict) {
        const Balloon balloon = MakeBalloon(State(verdict), At(0), std::int64_t{99999} * 365 * 86400);
        EXPECT_LE(balloon.title.size(), kBalloonTitleMax);
        EXPECT_LE(balloon.text.size(), kBalloonTextMax);
        for (const char c : balloon.title + balloon.text) EXPECT_TRUE(c >= ' ' && c <= '~');
    }
}

}  // namespace
}  // namespace netvik::history
