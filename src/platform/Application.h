#pragma once
#include <cstdint>
#include <string>

namespace netvik::platform {

// A file's full path: as text of the system's ANSI code page where that
// names the file exactly, else (ansi empty) as UTF-16. When the path cannot
// be had at all, both are empty and error holds the system's code.
struct FilePath {
    std::string ansi;
    std::u16string wide;
    std::int32_t error = 0;
};

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
    virtual FilePath ExecutablePath() const = 0;
};

}  // namespace netvik::platform
