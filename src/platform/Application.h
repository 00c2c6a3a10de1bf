#pragma once
#include <string>

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

    // True when another instance of the program runs already. The first call
    // claims the program's single-instance mark for this process.
    virtual bool PreviousInstance() = 0;

    // The full path of the running program file.
    virtual std::string ExecutablePath() const = 0;
};

}  // namespace netvik::platform
