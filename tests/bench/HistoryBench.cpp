// What the History window's data costs on the largest record Netvik reads:
// reading both files, parsing their lines, computing outages and
// availability, the window's rows and the report; and that a file of
// several GiB costs no more. Runs the
// real file under Wine, in the temporary folder.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <windows.h>

#include "history/HistoryView.h"
#include "platform/win32/Win32Clock.h"
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

// Lines of changes every 5 to 45 minutes back from now, bytes of them in
// all, oldest first: outages of all three places among them.
std::string Lines(const Stamp& now, std::size_t bytes) {
    std::vector<std::string> lines;
    std::size_t size = 0;
    Stamp at = now;
    for (int i = 0; size < bytes; ++i) {
        const State state = i % 2 == 0 ? State::Connected : State(1 + i / 2 % 3);
        Entry entry{at, state, Stamp{at.utc - 300, at.offsetMinutes}};
        if (i % 40 == 0) entry.lastSeen.reset();
        lines.push_back(FormatLine(entry) + "\r\n");
        size += lines.back().size();
        at.utc -= 300 + 300 * (i % 9);
    }
    std::string text;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) text += *line;
    return text;
}

// The largest record Netvik reads: the file just under its rotation limit,
// the previous file with the rest of what reading takes.
void WriteLargest(platform::HistoryFile& file, const std::string& previousPath, const Stamp& now) {
    const std::string header = std::string(kHeader) + "\r\n";
    const std::string all = Lines(now, kReadBound - 2 * header.size() - 4096);
    const std::size_t cut = all.find('\n', all.size() - (kRecordLimit - 4096)) + 1;
    file.Append(header + all.substr(cut));
    const HANDLE previous = CreateFileA(previousPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string older = header + all.substr(0, cut);
    DWORD written = 0;
    WriteFile(previous, older.data(), static_cast<DWORD>(older.size()), &written, nullptr);
    CloseHandle(previous);
}

// Every step the window takes, runs times over; the figures of the whole.
Step Measure(const Recorder& recorder, const Stamp& now, int runs, bool print) {
    Step read("read the record (both files, parsed, analysed)"), view("the window's summary, rows and notes"),
        week("the week's picture (no latency file)"), report("the report"), whole("all of it");
    std::size_t rows = 0, entries = 0, listed = 0;
    std::uint64_t bytes = 0;
    for (int run = 0; run < runs; ++run) {
        const double start = Milliseconds();
        const win32::Win32Clock clock;
        const History history = ReadHistory(recorder, now, [&clock](std::int64_t utc) { return clock.OffsetAt(utc); });
        const double afterRead = Milliseconds();
        const HistoryView shown = MakeView(history);
        listed = 0;  // the list's rows, as the window shows them
        for (const OutageRow& row : shown.rows) listed += row.from.size();
        const double afterView = Milliseconds();
        const Week pictured = MakeWeek(history, true, Latencies{}, nullptr);
        const double afterWeek = Milliseconds();
        const std::string text = MakeReport(history, shown) + MakeProviderReport(history, shown, pictured, {});
        const double end = Milliseconds();
        read.Add(afterRead - start);
        view.Add(afterView - afterRead);
        week.Add(afterWeek - afterView);
        report.Add(end - afterWeek);
        whole.Add(end - start);
        rows = shown.rows.size();
        entries = history.record.entries.size();
        bytes = history.record.readSize;
    }
    if (print) {
        std::printf("  (%llu bytes, %zu lines, %zu rows shown, %zu characters in their first column)\n",
                    static_cast<unsigned long long>(bytes), entries, rows, listed);
        for (Step* step : {&read, &view, &week, &report}) step->Print();
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
    const std::string path = file.Path(), previous = folder + "\\history.old.csv";
    DeleteFileA(path.c_str());
    WriteLargest(file, previous, now);
    const Recorder recorder(file);
    constexpr int kRuns = 30;
    std::printf("History window's data from the largest record Netvik reads (4 MiB in two files, %d runs):\n", kRuns);
    const double median = Measure(recorder, now, kRuns, true).Median();
    std::printf("  target, under 100 ms: %s (median %.3f ms)\n", median < 100.0 ? "met" : "missed", median);

    // A file of 4 GiB (4 GiB of zeros, sparse, then the record): only its
    // newest 4 MiB are read.
    DeleteFileA(previous.c_str());
    const HANDLE big = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LONG high = 1;
    SetFilePointer(big, 0, &high, FILE_END);
    SetEndOfFile(big);
    CloseHandle(big);
    file.Append(std::string(kHeader) + "\r\n" + Lines(now, kReadBound));
    std::printf("a file of 4 GiB of zeros and 4 MiB of lines (%d runs):\n", kRuns);
    Measure(recorder, now, kRuns, false);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
