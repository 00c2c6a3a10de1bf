#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace netvik::platform {

// The controls of the program's windows, as its logic sees them. Their
// events are handler members that the owning window's logic sets; the
// platform runs them as the user acts (an empty handler: nothing happens).

class Control {
public:
    virtual ~Control() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

class TextBox : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::size_t MaxLength() const = 0;

    // Runs for every typed character before the box takes it, with the
    // character's code; setting the code to 0 swallows the keystroke.
    std::function<void(std::int16_t& keyAscii)> KeyPress;
};

// The system's colours by their index (GetSysColor).
enum class SystemColor : int { Window = 5, ButtonFace = 15 };

// A label's frame: none, or a single fixed line.
enum class BorderStyle : int { None = 0, FixedSingle = 1 };

class Label : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetBackColor(SystemColor color) = 0;
    virtual void SetBorderStyle(BorderStyle style) = 0;
};

class Button : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    std::function<void()> Click;
};

// Value: 0 unchecked, 1 checked, 2 greyed.
class CheckBox : public Control {
public:
    virtual std::int16_t Value() const = 0;
    virtual void SetValue(std::int16_t value) = 0;
};

// A horizontal slider over whole numbers from Min to Max.
class Slider : public Control {
public:
    virtual std::int32_t Value() const = 0;
    // Values outside Min..Max stand at the nearer end.
    virtual void SetValue(std::int32_t value) = 0;
    virtual std::int32_t Min() const = 0;
    virtual std::int32_t Max() const = 0;

    // Runs while the user moves the slider.
    std::function<void()> Scroll;
};

// A drop-down list whose items the user picks from; positions count from 0.
class ComboBox : public Control {
public:
    virtual void AddItem(const std::string& item) = 0;
    virtual int ListCount() const = 0;
    virtual std::string List(int index) const = 0;
    // The selected position, -1 for none.
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
};

// A list of rows in columns, the user reading them. It holds no texts: it
// asks Cell for those of the rows it shows, when it shows them, so that a
// list of any length is filled at once.
class ListView : public Control {
public:
    // The number of rows from now on; the list keeps its scroll position.
    virtual void SetRowCount(std::size_t rows) = 0;
    // Each column as wide as the longer of its title and the text given for
    // it, in the list's font.
    virtual void FitColumns(const std::vector<std::string>& longest) = 0;

    std::function<std::string(std::size_t row, std::size_t column)> Cell;
    // The user clicked a column's title.
    std::function<void(std::size_t column)> ColumnClick;
};

// A pop-up menu whose items are addressed by their position, separators
// included.
class PopupMenu {
public:
    static constexpr int kDismissed = -1;

    virtual ~PopupMenu() = default;
    // Shows the menu at the mouse position and returns the position of the
    // chosen item, or kDismissed.
    virtual int Popup() = 0;
    virtual std::string ItemCaption(int position) const = 0;
    virtual void SetItemCaption(int position, const std::string& caption) = 0;
    // An item with a check mark beside it.
    virtual void SetItemChecked(int position, bool checked) = 0;
};

}  // namespace netvik::platform
