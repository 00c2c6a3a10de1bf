#pragma once
#include <functional>
#include <optional>

#include "history/Outages.h"
#include "history/Record.h"
#include "history/Recorder.h"

namespace netvik::history {

// The record as the History window, its report and its notes show it, read
// at one moment.
struct History {
    Record record;  // both files' lines, then those not written yet; times in now's offset
    Analysis analysis;
    Stamp now;
    std::optional<Stamp> notWrittenSince;      // the first write that failed, while they fail
    std::optional<Recorder::Dropped> dropped;  // what the last rotation left out
    bool live = false;                         // the record's last line is the present state
};

// The History window's list shows at most this many outages, the newest.
inline constexpr std::size_t kMaxRows = 1000;

// This PC's offset from UTC at a moment (platform::Clock::OffsetAt).
using OffsetAt = std::function<std::int32_t(std::int64_t utc)>;

// Reads the record: the previous file's newest lines, then the file's, at
// most kReadBound bytes of them together (the previous file only when the
// file was read whole), then the lines the recorder has not written yet;
// of them, as many of the newest as hold the longest period and more
// outages than the list shows.
// What cannot be true is left out; every time is shown in this PC's local
// time, by its zone's offset at that moment (now's, without offsetAt).
History ReadHistory(const Recorder& recorder, const Stamp& now, const OffsetAt& offsetAt = nullptr);

}  // namespace netvik::history
