#pragma once
#include <stdexcept>

#include "fakes/CallLog.h"
#include "platform/Application.h"

namespace netvik::fakes {

// Thrown where the real program would end; tests catch it.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

class FakeApplication : public platform::Application {
public:
    explicit FakeApplication(CallLog& log) : log_(log) {}

    platform::InstanceMark ClaimInstanceMark() override { return mark; }
    bool OtherInstanceWindow() const override { return otherWindow; }
    platform::FilePath ExecutablePath() const override { return executablePath; }
    [[noreturn]] void End() override {
        ended = true;
        log_.Add("End");
        throw ProgramEnded();
    }

    bool ended = false;
    // Another instance runs: it holds the mark and shows its window.
    void AnotherInstance() {
        mark = platform::InstanceMark::Held;
        otherWindow = true;
    }
    platform::InstanceMark mark = platform::InstanceMark::Claimed;
    bool otherWindow = false;
    platform::FilePath executablePath{"C:\\Program Files\\Netvik\\Netvik.exe", u"C:\\Program Files\\Netvik\\Netvik.exe",
                                      0};

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
