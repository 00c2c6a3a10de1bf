#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "history/HistoryView.h"
#include "history/Line.h"
#include "platform/HistoryFile.h"

namespace netvik::history {

// Keeps the connection's record: appends a line for each change of state,
// never one while the verdict stays the same. A write that fails costs the
// program nothing: the line waits (at most kMaxUnwritten of them) for the
// next write, and the History window tells since when.
class Recorder {
public:
    explicit Recorder(platform::HistoryFile& file) : file_(file) {}

    // A check's verdict (one of the four) at the time the check ran.
    void Verdict(State verdict, const Stamp& at);

    // Ending, suspending and disabling end the watched stretch with their
    // line; the first verdict after a start, a resume or an enable starts a
    // new one.
    void Event(WatchEvent event, const Stamp& at);

    // The first write that failed, while writes fail.
    const std::optional<Stamp>& NotWrittenSince() const { return notWrittenSince_; }

    // The record as the History window shows it now.
    History Read(const Stamp& now);

    // The record's file, for opening it with the system's program.
    std::string Path() const { return file_.Path(); }

private:
    void Add(const Entry& entry);
    void Flush(const Stamp& at);
    std::int32_t Rotate(std::uint64_t& size);

    platform::HistoryFile& file_;
    bool watching_ = false;         // in a watched stretch: state_ is the last check's verdict
    std::optional<State> state_;    // what this run last recorded
    Stamp lastCheck_;               // the last check with that verdict
    std::vector<Entry> unwritten_;  // oldest first
    std::optional<Stamp> notWrittenSince_;
    bool endsWithLine_ = false;  // the file is known to end with a whole line
};

inline constexpr std::size_t kMaxUnwritten = 1000;

}  // namespace netvik::history
