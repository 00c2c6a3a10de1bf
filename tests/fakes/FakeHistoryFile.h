#pragma once
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
    std::int32_t Size(std::uint64_t& size) override {
        size = current.size();
        return 0;
    }
    std::int32_t ReadNewest(std::uint64_t bound, std::string& bytes, std::uint64_t& size) override {
        size = current.size();
        bytes = current.substr(current.size() > bound ? current.size() - bound : 0);
        return 0;
    }
    std::int32_t Rotate(const std::string& older, const std::string& newer) override {
        if (failWrites != 0) return failWrites;
        previous = older;
        current = newer;
        return 0;
    }
    std::string Path() const override { return "C:\\Users\\user\\AppData\\Local\\Netvik\\history.csv"; }
};

// A clock that says what the test sets.
class FakeClock : public platform::Clock {
public:
    platform::ClockTime now;
    platform::ClockTime Now() const override { return now; }
};

}  // namespace netvik::fakes
