#pragma once
#include <cstdint>
#include <string>

namespace netvik::platform {

// A file's full path: as UTF-16 (empty on a system that names its files in
// ANSI alone), and as text of the system's ANSI code page where that names
// the file exactly (else empty). When the path cannot be had at all, both
// are empty and error holds the system's code.
struct FilePath {
    std::string ansi;
    std::u16string wide;
    std::int32_t error = 0;
};

// The program's single-instance mark, as a start finds it.
enum class InstanceMark {
    Claimed,   // made by this start: no other process holds it
    Held,      // there already: another instance's, or a foreign program's of that name
    Unusable,  // cannot be made: the name belongs to another kind of object, or is refused
};

// The process as a whole: its single instance, its file and its end.
class Application {
public:
    virtual ~Application() = default;

    // Ends the program at once: no further events run and nothing is saved.
    [[noreturn]] virtual void End() = 0;

    // Claims the program's single-instance mark for this process (a named
    // object that lives while the process that made it does).
    virtual InstanceMark ClaimInstanceMark() = 0;
    // Another process shows the program's main window.
    virtual bool OtherInstanceWindow() const = 0;

    // The full path of the running program file.
    virtual FilePath ExecutablePath() const = 0;
};

}  // namespace netvik::platform
