#pragma once
#include <string>

namespace netvik::platform {

enum class MessageIcon { None, Error, Exclamation, Information };

// Modal message boxes with a single OK button, as the program's logic shows
// them. Show returns when the user has closed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

// Where the system places a message box: over the program's window that the
// user is in (the program's main window, or a dialog open over it), modal to
// it; or standing alone, modal to the program and in the foreground of its
// own.
enum class MessagePlace { OverWindow, Alone };

// The system's message box.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon, MessagePlace place) = 0;
};

}  // namespace netvik::platform
