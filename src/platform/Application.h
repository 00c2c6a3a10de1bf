#pragma once
#include <string>

namespace netvik::platform {

// The process as a whole: its single instance, its file and its end.
class Application {
public:
    virtual ~Application() = default;

    // Ends the program at once: no further events run and nothing is saved.
    [[noreturn]] virtual void End() = 0;

    // True when another instance of the program runs already. The first call
    // claims the program's single-instance mark for this process.
    virtual bool PreviousInstance() = 0;

    // The full path of the running program file.
    virtual std::string ExecutablePath() const = 0;
};

}  // namespace netvik::platform
