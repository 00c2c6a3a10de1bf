#pragma once
#include <cstddef>

namespace netvik {

// A small dialog as it is laid out: positions and sizes in twips (1/1440
// inch), which the platform turns into pixels with the screen's twips per
// pixel. The controls stand in their tab order.
struct ControlLayout {
    enum class Kind { Label, TextBox, ComboBox, Button, DefaultButton, CancelButton };
    Kind kind;
    const char* text;
    int left, top, width, height;
};

struct DialogLayout {
    const char* caption;
    int width, height;  // the client area
    const ControlLayout* controls;
    std::size_t count;
};

}  // namespace netvik
