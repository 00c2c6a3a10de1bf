#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/Line.h"
#include "platform/HistoryFile.h"

namespace netvik::history {

// Keeps the connection's record: appends a line for each change of state,
// never one while the verdict stays the same. A write that fails costs the
// program nothing: the line waits (at most kMaxUnwritten of them) for the
// next write, and the History window tells since when. It only writes;
// reading is history::ReadHistory's.
class Recorder {
public:
    explicit Recorder(platform::HistoryFile& file) : file_(file) {}

    // A check's verdict (one of the four) at the time the check ran. With
    // awaitTrace, the line of a change to no-internet waits for Traced (the
    // History window reads it meanwhile): then true. Any other line takes a
    // waiting one along, as it is.
    bool Verdict(State verdict, const Stamp& at, bool awaitTrace = false);
    // What the trace after the waiting line found: the line gets it when it
    // tells anything, and is written.
    void Traced(const LastHop& lastHop, SiteByTcp siteByTcp);

    // Ending, suspending and disabling end the watched stretch with their
    // line; the first verdict after a start, a resume or an enable starts a
    // new one.
    void Event(WatchEvent event, const Stamp& at);

    // The first write that failed, while writes fail.
    const std::optional<Stamp>& NotWrittenSince() const { return notWrittenSince_; }
    // The lines not yet written, oldest first.
    const std::vector<Entry>& Unwritten() const { return unwritten_; }
    // In a watched stretch: the record's last line is the present state.
    bool Watching() const { return watching_; }

    // The last rotation that left out lines (older than the longest period
    // kept, or no entries) to keep the files within their bound.
    struct Dropped {
        Stamp at;
        std::size_t lines = 0;
    };
    const std::optional<Dropped>& LastDropped() const { return dropped_; }

    // The record's file, for reading it and opening it with the system's
    // program.
    platform::HistoryFile& File() const { return file_; }

private:
    void Add(const Entry& entry);
    // Writes a line that waits for its trace, as it is.
    void Release(const Stamp& at);
    void Flush(const Stamp& at);
    bool Rotate(const Stamp& at);

    platform::HistoryFile& file_;
    bool watching_ = false;         // in a watched stretch: state_ is the last check's verdict
    std::optional<State> state_;    // what this run last recorded
    Stamp lastCheck_;               // the last check with that verdict
    std::vector<Entry> unwritten_;  // oldest first
    std::optional<Stamp> notWrittenSince_;
    std::optional<Dropped> dropped_;
    bool awaiting_ = false;  // the last unwritten line waits for its trace
};

inline constexpr std::size_t kMaxUnwritten = 1000;

}  // namespace netvik::history
