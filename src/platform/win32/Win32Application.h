#pragma once
#include "platform/Application.h"

namespace netvik::win32 {

// The process: its task-list flag and its end. The flag follows the main
// window: the program shows in the task list while its panel is open.
class Win32Application : public platform::Application {
public:
    // The single-instance mark: a named mutex that lives as long as the
    // process that created it first.
    static constexpr char kInstanceMutex[] = "Netvik.SingleInstance";

    Win32Application() = default;
    ~Win32Application() override;
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    bool ShownInTaskList() const override { return shownInTaskList_; }
    void SetShownInTaskList(bool shown) override { shownInTaskList_ = shown; }
    [[noreturn]] void End() override;
    bool PreviousInstance() override;
    std::string ExecutablePath() const override;

private:
    bool shownInTaskList_ = true;
    void* instanceMutex_ = nullptr;
};

}  // namespace netvik::win32
