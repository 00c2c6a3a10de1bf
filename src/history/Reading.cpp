// From the record's two files and the lines still waiting to what the
// History window shows.
#include "history/Reading.h"

#include <string>

#include "history/Files.h"

namespace netvik::history {

static_assert(kKeptSeconds == kPeriodSpans.back(), "rotation keeps every line of the longest period");

namespace {

// The newest lines read first.
constexpr std::size_t kFirstTail = 8192;

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

    const FileBytes bytes = ReadBoth(recorder.File(), kReadBound);
    std::size_t torn = 0;
    std::vector<std::string_view> lines = Lines(bytes.older, bytes.olderSize, torn);
    for (const std::string_view line : Lines(bytes.newer, bytes.newerSize, torn)) lines.push_back(line);
    history.live = recorder.Watching();
    // The newest lines first, more of them until they hold the longest
    // period and more outages than the list shows: what is older shows
    // nowhere, and a large record is read at once.
    for (std::size_t tail = kFirstTail;; tail *= 4) {
        const std::size_t from = lines.size() > tail ? lines.size() - tail : 0;
        record = Record{};
        record.skipped = torn;
        ParseLines(lines.data() + from, lines.data() + lines.size(), record);
        record.entries.insert(record.entries.end(), recorder.Unwritten().begin(), recorder.Unwritten().end());
        record.implausible = LeaveOutImplausible(record.entries, now);
        history.analysis = Analyse(record.entries, now, history.live);
        const bool enough = history.analysis.outages.size() > kMaxRows && !record.entries.empty() &&
                            record.entries.front().at.utc < now.utc - kKeptSeconds;
        if (from == 0 || enough) break;
    }
    record.fileSize = bytes.olderSize + bytes.newerSize;
    record.readSize = bytes.older.size() + bytes.newer.size();
    record.error = bytes.error;
    Offsets offsets(offsetAt, now.offsetMinutes);
    const auto showIn = [&offsets](Stamp& stamp) { stamp.offsetMinutes = offsets.At(stamp.utc); };
    for (Entry& entry : record.entries) {
        showIn(entry.at);
        if (entry.lastSeen) showIn(*entry.lastSeen);
    }
    for (Outage& outage : history.analysis.outages) {
        for (Stamp* stamp : {&outage.from, &outage.to}) showIn(*stamp);
        for (std::optional<Stamp>* stamp : {&outage.lastGood, &outage.lastDown}) {
            if (*stamp) showIn(**stamp);
        }
    }
    return history;
}

}  // namespace netvik::history
