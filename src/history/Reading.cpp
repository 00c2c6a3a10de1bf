// From the record's two files and the lines still waiting to what the
// History window shows.
#include "history/Reading.h"

#include <string>

#include "history/Files.h"

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

// The zone's offsets, asked once a day: a day whose start and end have the
// same offset has it throughout (a zone changes its offset at most once a
// day); on a day of a change, each moment is asked.
class Offsets {
public:
    Offsets(const OffsetAt& offsetAt, std::int32_t fallback) : offsetAt_(offsetAt), fallback_(fallback) {}
    std::int32_t At(std::int64_t utc) {
        if (!offsetAt_) return fallback_;
        const std::int64_t day = FloorDiv(utc, 86400);
        if (day != day_) {
            day_ = day;
            start_ = offsetAt_(day * 86400);
            steady_ = start_ == offsetAt_(day * 86400 + 86399);
        }
        return steady_ ? start_ : offsetAt_(utc);
    }

private:
    const OffsetAt& offsetAt_;
    std::int32_t fallback_;
    std::int64_t day_ = -1;
    std::int32_t start_ = 0;
    bool steady_ = false;
};

}  // namespace

History ReadHistory(const Recorder& recorder, const Stamp& now, const OffsetAt& offsetAt) {
    History history;
    history.now = now;
    history.notWrittenSince = recorder.NotWrittenSince();
    history.dropped = recorder.LastDropped();
    Record& record = history.record;

    const FileBytes bytes = ReadBoth(recorder.File());
    record = ParseRecord(bytes.older, bytes.olderSize);
    Add(record, ParseRecord(bytes.newer, bytes.newerSize));
    record.error = bytes.error;
    record.entries.insert(record.entries.end(), recorder.Unwritten().begin(), recorder.Unwritten().end());
    record.implausible = LeaveOutImplausible(record.entries, now);
    Offsets offsets(offsetAt, now.offsetMinutes);
    const auto showIn = [&offsets](Stamp& stamp) { stamp.offsetMinutes = offsets.At(stamp.utc); };
    for (Entry& entry : record.entries) {
        showIn(entry.at);
        if (entry.lastSeen) showIn(*entry.lastSeen);
    }
    history.live = recorder.Watching();
    history.analysis = Analyse(record.entries, now, history.live);
    return history;
}

}  // namespace netvik::history
