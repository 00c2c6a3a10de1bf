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

    bool ShownInTaskList() const override { return shown_; }
    void SetShownInTaskList(bool shown) override {
        shown_ = shown;
        log_.Add(shown ? "TaskList shown" : "TaskList hidden");
    }
    bool PreviousInstance() override { return anotherInstance; }
    std::string ExecutablePath() const override { return executablePath; }
    [[noreturn]] void End() override {
        ended = true;
        log_.Add("End");
        throw ProgramEnded();
    }

    bool ended = false;
    bool anotherInstance = false;
    std::string executablePath = "C:\\Program Files\\Netvik\\Netvik.exe";

private:
    CallLog& log_;
    bool shown_ = true;  // a program shows in the task list until it says otherwise
};

}  // namespace netvik::fakes
