#pragma once

namespace netvik::platform {

// The process as a whole: its presence in the task list and its end.
class Application {
public:
    virtual ~Application() = default;

    // True while the program shows in the task list, which is exactly while
    // the settings panel is open.
    virtual bool ShownInTaskList() const = 0;
    virtual void SetShownInTaskList(bool shown) = 0;

    // Ends the program at once: no further events run and nothing is saved.
    [[noreturn]] virtual void End() = 0;
};

}  // namespace netvik::platform
