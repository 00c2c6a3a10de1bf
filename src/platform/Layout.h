#pragma once
#include <cstddef>
#include <cstdint>

namespace netvik::platform {

// A window as it is laid out: its caption, its client area and its controls,
// positions and sizes in twips (1/1440 inch), which the platform turns into
// pixels with the screen's resolution. The controls stand in their tab
// order; a control's id is the one its window's logic finds it by.

enum class ControlKind : std::uint8_t {
    Label,     // text, wrapped at its width
    Frame,     // a group box around other controls
    TextBox,   // one line of text
    ComboBox,  // a drop-down list
    Button,
    CheckBox,
    Slider,    // a horizontal trackbar with its ticks below
    ListView,  // a list in columns, with a header
    Picture,   // painted by the program
};

// What sets a control apart from others of its kind; none by default. In
// a window that the user can resize, a control keeps its place and size
// unless it follows the window's right or bottom edge.
enum ControlStyle : std::uint8_t {
    kGroup = 1,           // begins a group of controls (the arrow keys stay within a group)
    kDefault = 2,         // the button that Enter presses
    kNoPrefix = 4,        // a label that shows "&" as it is
    kVerticalCentre = 8,  // a label of one line, centred from top to bottom
    kWider = 16,          // its right edge follows the window's
    kTaller = 32,         // its bottom edge follows the window's
    kRight = 64,          // it moves with the window's right edge
    kDown = 128,          // it moves with the window's bottom edge
};

struct ControlLayout {
    ControlKind kind;
    int id;
    const char* text;
    int left, top, width, height;
    std::uint8_t style = 0;
    const char* tip = nullptr;  // what hovering over the control shows
};

// How a window stands among the others.
enum class WindowKind : std::uint8_t {
    Panel,   // the program's main window: minimisable, of the program's own window class
    Window,  // a window of its own on the task bar, with the program's icon, that the user can resize
    Dialog,  // a dialog over its owner
};

struct WindowLayout {
    WindowKind kind;
    const char* caption;
    int width, height;  // the client area
    const ControlLayout* controls;
    std::size_t count;

    // The control of that id; null when there is none.
    const ControlLayout* Find(int id) const {
        for (std::size_t i = 0; i < count; ++i) {
            if (controls[i].id == id) return &controls[i];
        }
        return nullptr;
    }
};

// The ids of the buttons that Enter and Escape press in a dialog, and of the
// window itself among its parts.
enum DialogId : int { kWindowId = 0, kOkId = 1, kCancelId = 2 };

}  // namespace netvik::platform
