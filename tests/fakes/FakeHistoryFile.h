#pragma once
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "platform/HistoryFile.h"

namespace netvik::fakes {

// The record's files in memory; writes fail with a code on demand.
class FakeHistoryFile : public platform::HistoryFile {
public:
    std::string current;
    std::string previous;
    std::int32_t failWrites = 0;
    int appends = 0;

    std::int32_t Append(const std::string& bytes) override {
        if (failWrites != 0) return failWrites;
        current += bytes;
        ++appends;
        return 0;
    }
    std::int32_t ReadNewest(std::uint64_t bound, std::string& bytes, std::uint64_t& size) override {
        return Newest(current, bound, bytes, size);
    }
    std::int32_t ReadPrevious(std::uint64_t bound, std::string& bytes, std::uint64_t& size) override {
        return Newest(previous, bound, bytes, size);
    }
    std::int32_t Rotate(const std::string& older, const std::string& newer) override {
        if (failWrites != 0) return failWrites;
        previous = older;
        current = newer;
        return 0;
    }
    std::string Path() const override { return "C:\\Users\\user\\AppData\\Local\\Netvik\\history.csv"; }

private:
    static std::int32_t Newest(const std::string& file, std::uint64_t bound, std::string& bytes, std::uint64_t& size) {
        size = file.size();
        bytes = file.substr(file.size() > bound ? file.size() - bound : 0);
        return 0;
    }
};

// A clock that says what the test sets; its zone has now's offset at every
// moment unless the test gives its rules.
class FakeClock : public platform::Clock {
public:
    platform::ClockTime now;
    std::function<std::int32_t(std::int64_t utc)> zone;
    std::uint32_t milliseconds = 0;
    platform::ClockTime Now() const override { return now; }
    std::int32_t OffsetAt(std::int64_t utc) const override { return zone ? zone(utc) : now.offsetMinutes; }
    std::uint32_t Milliseconds() const override { return milliseconds; }
};

}  // namespace netvik::fakes
