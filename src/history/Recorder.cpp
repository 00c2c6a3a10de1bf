#include "history/Recorder.h"

#include "history/Files.h"
#include "history/Record.h"

namespace netvik::history {

bool Recorder::Verdict(State verdict, const Stamp& at, bool awaitTrace) {
    Release(at);
    if (watching_ && state_ == verdict) {
        lastCheck_ = at;
        if (!unwritten_.empty()) Flush(at);
        return false;
    }
    Entry entry{at, verdict, std::nullopt};
    if (watching_) entry.lastSeen = lastCheck_;
    watching_ = true;
    state_ = verdict;
    lastCheck_ = at;
    Add(entry);
    awaiting_ = awaitTrace && verdict == State::NoInternet;
    if (!awaiting_) Flush(at);
    return awaiting_;
}

void Recorder::Traced(const LastHop& lastHop, SiteByTcp siteByTcp) {
    if (!awaiting_) return;
    awaiting_ = false;
    Entry& entry = unwritten_.back();
    entry.lastHop = lastHop;
    entry.siteByTcp = siteByTcp;
    if (!history::Traced(entry)) {
        entry.lastHop = {};
        entry.siteByTcp = SiteByTcp::Unknown;
    }
    Flush(entry.at);
}

void Recorder::Release(const Stamp& at) {
    if (!awaiting_) return;
    awaiting_ = false;
    Flush(at);
}

void Recorder::Event(WatchEvent event, const Stamp& at) {
    Release(at);
    Entry entry{at, State::NotRunning, std::nullopt};
    switch (event) {
        case WatchEvent::Started:
        case WatchEvent::Resumed:
        case WatchEvent::Enabled: return;  // the next verdict starts the stretch
        case WatchEvent::Suspending:
            if (!watching_) return;
            entry.state = State::Asleep;
            break;
        case WatchEvent::Disabled:
            if (state_ == State::Disabled) return;
            entry.state = State::Disabled;
            break;
        case WatchEvent::Ending:
            if (!state_ || state_ == State::NotRunning) return;
            break;
    }
    if (watching_) entry.lastSeen = lastCheck_;
    watching_ = false;
    state_ = entry.state;
    Add(entry);
    Flush(at);
}

void Recorder::Add(const Entry& entry) {
    unwritten_.push_back(entry);
    if (unwritten_.size() > kMaxUnwritten) {
        // The oldest waiting line goes; the one after it no longer follows
        // the line before it in the file.
        unwritten_.erase(unwritten_.begin());
        unwritten_.front().lastSeen.reset();
    }
}

void Recorder::Flush(const Stamp& at) {
    std::string last;
    std::uint64_t size = 0;
    std::int32_t error = file_.ReadNewest(0, last, size);
    // A file that reading cannot take whole is never cut: it only grows.
    if (error == 0 && size > kRecordLimit && size <= kReadBound) Rotate(at);
    if (error == 0) {
        std::string lines;
        for (const Entry& entry : unwritten_) {
            lines += FormatLine(entry);
            lines += kLineEnd;
        }
        error = AppendLines(file_, kHeader, lines);
    }
    if (error != 0) {
        if (!notWrittenSince_) notWrittenSince_ = at;
        return;
    }
    unwritten_.clear();
    notWrittenSince_.reset();
}

// The older part of the file goes to the previous file, when both can be
// read whole: a file is never cut from what was read of it.
bool Recorder::Rotate(const Stamp& at) {
    std::string current, previous;
    std::uint64_t currentSize = 0, previousSize = 0;
    if (file_.ReadNewest(kReadBound, current, currentSize) != 0 ||
        file_.ReadPrevious(kReadBound, previous, previousSize) != 0 || current.size() < currentSize ||
        previous.size() < previousSize) {
        return false;
    }
    const Rotation rotation = PlanRotation(current, true);
    const Previous joined = JoinPrevious(previous, rotation.older, rotation.newer.size(), at.utc);
    if (file_.Rotate(joined.bytes, rotation.newer) != 0) return false;
    if (joined.dropped > 0) dropped_ = Dropped{at, joined.dropped};
    return true;
}

}  // namespace netvik::history
