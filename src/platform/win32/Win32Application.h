#pragma once
#include "platform/Application.h"

namespace netvik::win32 {

// The process: its task-list flag and its end. The flag follows the main
// window: the program shows in the task list while its panel is open.
class Win32Application : public platform::Application {
public:
    bool ShownInTaskList() const override { return shownInTaskList_; }
    void SetShownInTaskList(bool shown) override { shownInTaskList_ = shown; }
    [[noreturn]] void End() override;

private:
    bool shownInTaskList_ = true;
};

}  // namespace netvik::win32
