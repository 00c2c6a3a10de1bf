// What the History window costs on a full record: reading a 1 MiB file,
// parsing its lines, computing outages and availability, the window's rows
// and the report; and that a file of several GiB costs no more. Runs the
// real file under Wine, in the temporary folder.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <windows.h>

#include "history/Recorder.h"
#include "platform/win32/Win32HistoryFile.h"

namespace {

using namespace netvik;
using namespace netvik::history;

double Milliseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Times of one step over all runs; prints min, median and max.
class Step {
public:
    explicit Step(const char* name) : name_(name) {}
    void Add(double milliseconds) { times_.push_back(milliseconds); }
    double Median() {
        std::sort(times_.begin(), times_.end());
        return times_[times_.size() / 2];
    }
    void Print() {
        const double median = Median();
        std::printf("  %-44s min %8.3f  median %8.3f  max %8.3f ms\n", name_, times_.front(), median, times_.back());
    }

private:
    const char* name_;
    std::vector<double> times_;
};

// A record of changes every 5 to 45 minutes back from now, a full 1 MiB:
// outages of all three places among them.
std::string FullRecord(const Stamp& now) {
    std::vector<std::string> lines;
    std::size_t size = kHeader.size() + 2;
    Stamp at = now;
    for (int i = 0; size <= kRecordLimit; ++i) {
        const State state = i % 2 == 0 ? State::Connected : State(1 + i / 2 % 3);
        Entry entry{at, state, Stamp{at.utc - 300, at.offsetMinutes}};
        if (i % 40 == 0) entry.lastSeen.reset();
        lines.push_back(FormatLine(entry) + "\r\n");
        size += lines.back().size();
        at.utc -= 300 + 300 * (i % 9);
    }
    std::string record(kHeader);
    record += "\r\n";
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) record += *line;
    return record;
}

// Every step the window takes, runs times over; the figures of the whole.
Step Measure(platform::HistoryFile& file, const Stamp& now, int runs, bool print) {
    Step read("read the newest bytes"), parse("parse the lines"), analyse("outages and availability"),
        view("the window's summary, rows and notes"), report("the report"), whole("all of it");
    std::size_t rows = 0, entries = 0, listed = 0;
    for (int run = 0; run < runs; ++run) {
        const double start = Milliseconds();
        std::string bytes;
        std::uint64_t size = 0;
        file.ReadNewest(kReadBound, bytes, size);
        const double afterRead = Milliseconds();
        History history;
        history.record = ParseRecord(bytes, size);
        const double afterParse = Milliseconds();
        history.analysis = Analyse(history.record.entries, now, true);
        history.now = now;
        const double afterAnalyse = Milliseconds();
        const HistoryView shown = MakeView(history);
        listed = 0;  // the list's rows, as the window fills them
        for (std::size_t i = 0; i < shown.rows; ++i) listed += MakeRow(history.analysis.outages[i]).from.size();
        const double afterView = Milliseconds();
        const std::string text = MakeReport(history, shown);
        const double end = Milliseconds();
        read.Add(afterRead - start);
        parse.Add(afterParse - afterRead);
        analyse.Add(afterAnalyse - afterParse);
        view.Add(afterView - afterAnalyse);
        report.Add(end - afterView);
        whole.Add(end - start);
        rows = shown.rows;
        entries = history.record.entries.size();
    }
    if (print) {
        std::printf("  (%zu lines, %zu rows shown, %zu characters in their first column)\n", entries, rows, listed);
        for (Step* step : {&read, &parse, &analyse, &view, &report}) step->Print();
    }
    whole.Print();
    return whole;
}

}  // namespace

int main() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "netvik-history-bench";
    win32::Win32HistoryFile file(folder);
    const Stamp now{1796634000, 60};
    const std::string path = file.Path();
    DeleteFileA(path.c_str());
    if (file.Append(FullRecord(now)) != 0) {
        std::printf("history: cannot write %s\n", path.c_str());
        return 1;
    }
    constexpr int kRuns = 30;
    std::printf("History window's data from a full record (1 MiB, %d runs):\n", kRuns);
    const double median = Measure(file, now, kRuns, true).Median();
    std::printf("  target, under 100 ms: %s (median %.3f ms)\n", median < 100.0 ? "met" : "missed", median);

    // A file of 4 GiB (4 GiB of zeros, sparse, then the record): only its
    // newest 2 MiB are read.
    const HANDLE big = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LONG high = 1;
    SetFilePointer(big, 0, &high, FILE_END);
    SetEndOfFile(big);
    CloseHandle(big);
    file.Append(FullRecord(now));
    std::printf("a file of 4 GiB of zeros and the same record (%d runs):\n", kRuns);
    Measure(file, now, kRuns, false);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
