#pragma once
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/Controls.h"
#include "platform/Picture.h"

namespace netvik::fakes {

template <typename Base>
class FakeControl : public Base {
public:
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    bool enabled = true;
};

class FakeTextBox : public FakeControl<platform::TextBox> {
public:
    explicit FakeTextBox(std::string text = "", std::size_t maxLength = 0)
        : text(std::move(text)), maxLength(maxLength) {}

    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::size_t MaxLength() const override { return maxLength; }

    // Types characters as the keyboard would: each one passes the KeyPress
    // handler, Backspace (8) deletes, and the box takes no character beyond
    // its maximum length.
    void Type(const std::string& keys) {
        for (const char key : keys) {
            auto code = static_cast<std::int16_t>(static_cast<unsigned char>(key));
            if (KeyPress) KeyPress(code);
            if (code == 0) continue;
            if (code == 8) {
                if (!text.empty()) text.pop_back();
            } else if (maxLength == 0 || text.size() < maxLength) {
                text.push_back(static_cast<char>(code));
            }
        }
    }

    std::string text;
    std::size_t maxLength;
};

class FakeLabel : public FakeControl<platform::Label> {
public:
    explicit FakeLabel(std::string caption = "") : caption(std::move(caption)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    void SetBackColor(platform::SystemColor color) override { backColor = color; }
    void SetBorderStyle(platform::BorderStyle style) override { borderStyle = style; }
    std::string caption;
    platform::SystemColor backColor = platform::SystemColor::ButtonFace;
    platform::BorderStyle borderStyle = platform::BorderStyle::None;
};

class FakeButton : public FakeControl<platform::Button> {
public:
    explicit FakeButton(std::string caption = "") : caption(std::move(caption)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    std::string caption;
};

class FakeCheckBox : public FakeControl<platform::CheckBox> {
public:
    std::int16_t Value() const override { return value; }
    void SetValue(std::int16_t v) override { value = v; }
    std::int16_t value = 0;
};

class FakeSlider : public FakeControl<platform::Slider> {
public:
    FakeSlider(std::int32_t min, std::int32_t max, std::int32_t value) : min(min), max(max), value(value) {}
    std::int32_t Value() const override { return value; }
    void SetValue(std::int32_t v) override { value = std::clamp(v, min, max); }
    std::int32_t Min() const override { return min; }
    std::int32_t Max() const override { return max; }
    std::int32_t min, max, value;
};

class FakeComboBox : public FakeControl<platform::ComboBox> {
public:
    void AddItem(const std::string& item) override { items.push_back(item); }
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::string List(int index) const override { return items.at(static_cast<std::size_t>(index)); }
    int ListIndex() const override { return index; }
    void SetListIndex(int value) override { index = value; }
    std::vector<std::string> items;
    int index = -1;
};

// A list of columns' cells, asked for as the real list asks when it shows
// them.
class FakeListView : public FakeControl<platform::ListView> {
public:
    explicit FakeListView(std::size_t columns = 4) : columns_(columns) {}
    void SetRowCount(std::size_t count) override { rows = count; }
    void FitColumns(const std::vector<std::string>& longest) override { fitted = longest; }
    std::vector<std::string> Row(std::size_t row) const {
        std::vector<std::string> cells;
        for (std::size_t column = 0; column < columns_; ++column) cells.push_back(Cell(row, column));
        return cells;
    }
    std::size_t rows = 0;
    std::vector<std::string> fitted;  // the texts the columns were last fitted to

private:
    std::size_t columns_;
};

// A picture painted on a canvas that keeps what was painted: each box with
// its colour, each text.
class FakeCanvas : public platform::Canvas {
public:
    void Fill(const platform::Box& box, platform::Colour colour) override { fills.push_back({box, colour}); }
    void Text(int, int, const std::string& text, platform::Colour) override { texts.push_back(text); }
    int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 6; }
    int TextHeight() override { return 13; }
    struct Filled {
        platform::Box box;
        platform::Colour colour;
    };
    std::vector<Filled> fills;
    std::vector<std::string> texts;
};

class FakePaintBox : public FakeControl<platform::PaintBox> {
public:
    int Width() const override { return width; }
    int Height() const override { return height; }
    bool Focused() const override { return focused; }
    void Redraw() override { ++redrawn; }
    // Paints as the system asks the control to.
    FakeCanvas Painted() {
        FakeCanvas canvas;
        if (Paint) Paint(canvas);
        return canvas;
    }
    int width = 660, height = 200;
    bool focused = false;
    int redrawn = 0;
};

// A pop-up menu whose user chooses what a test scripts, and whose opening
// can run a test's code while it is open (as a nested message loop would).
class FakePopupMenu : public platform::PopupMenu {
public:
    FakePopupMenu(CallLog& log, std::vector<std::string> captions) : captions(std::move(captions)), log_(log) {}

    int Popup() override {
        log_.Add("Menu popup");
        ++opened;
        if (whileOpen) whileOpen();
        if (choices.empty()) return kDismissed;
        const int chosen = choices.front();
        choices.pop_front();
        return chosen;
    }
    std::string ItemCaption(int position) const override { return captions.at(static_cast<std::size_t>(position)); }
    void SetItemCaption(int position, const std::string& caption) override {
        captions.at(static_cast<std::size_t>(position)) = caption;
    }
    void SetItemChecked(int position, bool value) override { checked.at(static_cast<std::size_t>(position)) = value; }

    std::vector<std::string> captions;
    std::vector<bool> checked = std::vector<bool>(captions.size());
    std::deque<int> choices;
    std::function<void()> whileOpen;
    int opened = 0;

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
