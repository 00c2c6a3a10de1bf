// From the record's two files and the lines still waiting to what the
// History window shows.
#include "history/Reading.h"

#include <string>

namespace netvik::history {

static_assert(kKeptSeconds == kPeriodSpans.back(), "rotation keeps every line of the longest period");

namespace {

// Adds a file's lines to the record, after those it holds.
void Add(Record& record, const Record& file) {
    record.entries.insert(record.entries.end(), file.entries.begin(), file.entries.end());
    record.skipped += file.skipped;
    record.fileSize += file.fileSize;
    record.readSize += file.readSize;
}

void ShowIn(Stamp& stamp, std::int32_t offsetMinutes) { stamp.offsetMinutes = offsetMinutes; }

}  // namespace

History ReadHistory(const Recorder& recorder, const Stamp& now) {
    History history;
    history.now = now;
    history.notWrittenSince = recorder.NotWrittenSince();
    history.dropped = recorder.LastDropped();
    Record& record = history.record;

    platform::HistoryFile& file = recorder.File();
    std::string bytes;
    std::uint64_t size = 0;
    record.error = file.ReadNewest(kReadBound, bytes, size);
    if (record.error == 0) {
        const Record current = ParseRecord(bytes, size);
        if (bytes.size() == size && size < kReadBound) {
            record.error = file.ReadPrevious(kReadBound - size, bytes, size);
            if (record.error == 0) record = ParseRecord(bytes, size);
        }
        Add(record, current);
    }
    record.entries.insert(record.entries.end(), recorder.Unwritten().begin(), recorder.Unwritten().end());
    record.implausible = LeaveOutImplausible(record.entries, now);
    for (Entry& entry : record.entries) {
        ShowIn(entry.at, now.offsetMinutes);
        if (entry.lastSeen) ShowIn(*entry.lastSeen, now.offsetMinutes);
    }
    history.analysis = Analyse(record.entries, now, recorder.Watching());
    return history;
}

}  // namespace netvik::history
