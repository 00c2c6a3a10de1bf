#pragma once
#include <string>

namespace netvik::platform {

// What the user's desktop offers the program: the clipboard, and the
// system's program for a file.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Puts the text on the clipboard; false when the clipboard refuses.
    virtual bool CopyText(const std::string& text) = 0;
    // Opens the file with the program the system has for it; false when
    // there is none, or the file is missing.
    virtual bool Open(const std::string& path) = 0;
};

}  // namespace netvik::platform
