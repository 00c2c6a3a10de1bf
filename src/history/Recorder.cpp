#include "history/Recorder.h"

namespace netvik::history {

void Recorder::Verdict(State verdict, const Stamp& at) {
    if (watching_ && state_ == verdict) {
        lastCheck_ = at;
        if (!unwritten_.empty()) Flush(at);
        return;
    }
    Entry entry{at, verdict, std::nullopt};
    if (watching_) entry.lastSeen = lastCheck_;
    watching_ = true;
    state_ = verdict;
    lastCheck_ = at;
    Add(entry);
    Flush(at);
}

void Recorder::Event(WatchEvent event, const Stamp& at) {
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
    std::uint64_t size = 0;
    std::int32_t error = file_.Size(size);
    if (error == 0 && size > kRecordLimit) {
        const std::int32_t rotated = Rotate(size);
        // Unrotated, the record grows no further than the bytes read allow.
        if (rotated != 0 && size > kReadBound) error = rotated;
    }
    if (error == 0) {
        std::string bytes;
        if (size == 0) {
            bytes = kHeader;
            bytes += kLineEnd;
        } else if (!endsWithLine_) {
            // After a crash or a failed write the last line may be torn:
            // the new lines start on a line of their own.
            std::string last;
            std::uint64_t total = 0;
            if (file_.ReadNewest(1, last, total) == 0 && last != "\n") bytes = kLineEnd;
        }
        for (const Entry& entry : unwritten_) {
            bytes += FormatLine(entry);
            bytes += kLineEnd;
        }
        error = file_.Append(bytes);
    }
    endsWithLine_ = error == 0;
    if (error != 0) {
        if (!notWrittenSince_) notWrittenSince_ = at;
        return;
    }
    unwritten_.clear();
    notWrittenSince_.reset();
}

std::int32_t Recorder::Rotate(std::uint64_t& size) {
    std::string bytes;
    std::uint64_t total = 0;
    std::int32_t error = file_.ReadNewest(kReadBound, bytes, total);
    if (error != 0) return error;
    const Rotation rotation = PlanRotation(bytes, bytes.size() >= total);
    error = file_.Rotate(rotation.older, rotation.newer);
    if (error == 0) size = rotation.newer.size();
    return error;
}

History Recorder::Read(const Stamp& now) {
    History history;
    std::string bytes;
    std::uint64_t size = 0;
    const std::int32_t error = file_.ReadNewest(kReadBound, bytes, size);
    if (error == 0) history.record = ParseRecord(bytes, size);
    history.record.error = error;
    for (const Entry& entry : unwritten_) history.record.entries.push_back(entry);
    history.analysis = Analyse(history.record.entries, now, watching_);
    history.now = now;
    history.notWrittenSince = notWrittenSince_;
    return history;
}

}  // namespace netvik::history
