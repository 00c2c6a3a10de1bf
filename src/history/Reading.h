#pragma once
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
};

// Reads the record: the previous file's newest lines, then the file's, at
// most kReadBound bytes of them together (the previous file only when the
// file was read whole), then the lines the recorder has not written yet.
// What cannot be true is left out; every time is shown in now's offset
// from UTC, this PC's local time now.
History ReadHistory(const Recorder& recorder, const Stamp& now);

}  // namespace netvik::history
