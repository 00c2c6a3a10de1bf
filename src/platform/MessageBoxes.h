#pragma once
#include <string>

namespace netvik::platform {

enum class MessageIcon { None, Error, Exclamation, Information };

// Modal message boxes with a single OK button. Show returns when the user
// has closed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace netvik::platform
