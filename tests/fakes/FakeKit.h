#pragma once
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeTcpClient.h"
#include "fakes/FakeWindow.h"
#include "platform/Layout.h"
#include "platform/Parts.h"

namespace netvik::fakes {

// A double held among its window's parts as the part it stands for.
template <typename Fake, typename Part>
struct Held : Fake {
    Held(const platform::Slot& slot, Fake fake) : Fake(std::move(fake)) { slot.Hold<Part>(*this); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
};

// The kit of a window's doubles (platform/Parts.h): each part a fake, made
// with the text its window's layout gives it and held among the window's
// parts. A window's timers log as "Timer" (the first), "Timer 2", ...
class FakeKit {
public:
    FakeKit(CallLog& log, const platform::WindowLayout& layout, std::string windowName, platform::Parts& parts,
            std::vector<std::string> menu = {})
        : log_(log), layout_(layout), name_(std::move(windowName)), parts_(parts), menu_(std::move(menu)) {}

    using Window = Held<FakeWindow, platform::Window>;
    using Timer = Held<FakeTimer, platform::Timer>;
    using Pictures = Held<FakePictures, platform::Pictures>;
    using TcpClient = Held<FakeTcpClient, platform::TcpClient>;
    using PopupMenu = Held<FakePopupMenu, platform::PopupMenu>;
    using TextBox = Held<FakeTextBox, platform::TextBox>;
    using Label = Held<FakeLabel, platform::Label>;
    using Button = Held<FakeButton, platform::Button>;
    using CheckBox = Held<FakeCheckBox, platform::CheckBox>;
    using Slider = Held<FakeSlider, platform::Slider>;
    using ComboBox = Held<FakeComboBox, platform::ComboBox>;
    using ListView = Held<FakeListView, platform::ListView>;
    using PaintBox = Held<FakePaintBox, platform::PaintBox>;

    Window Make(int id, const platform::WindowArgs&) { return {Place(id), FakeWindow(log_, name_)}; }
    Timer Make(int id, const platform::TimerArgs& args) {
        FakeTimer timer(log_, timers_++ == 0 ? "Timer" : "Timer " + std::to_string(timers_), args.enabled);
        timer.interval = args.interval;
        return {Place(id), std::move(timer)};
    }
    Pictures Make(int id, const platform::PicturesArgs&) { return {Place(id), FakePictures()}; }
    TcpClient Make(int id, const platform::TcpClientArgs&) { return {Place(id), FakeTcpClient(log_)}; }
    PopupMenu Make(int id, const platform::PopupMenuArgs&) { return {Place(id), FakePopupMenu(log_, menu_)}; }
    TextBox Make(int id, const platform::TextBoxArgs& args) {
        return {Place(id), FakeTextBox(Text(id), args.maxLength)};
    }
    Label Make(int id, const platform::LabelArgs&) { return {Place(id), FakeLabel(Text(id))}; }
    Button Make(int id, const platform::ButtonArgs&) { return {Place(id), FakeButton(Text(id))}; }
    CheckBox Make(int id, const platform::CheckBoxArgs&) { return {Place(id), FakeCheckBox()}; }
    Slider Make(int id, const platform::SliderArgs& args) {
        return {Place(id), FakeSlider(args.min, args.max, args.value)};
    }
    ComboBox Make(int id, const platform::ComboBoxArgs&) { return {Place(id), FakeComboBox()}; }
    ListView Make(int id, const platform::ListViewArgs& args) { return {Place(id), FakeListView(args.count)}; }
    PaintBox Make(int id, const platform::PaintBoxArgs&) { return {Place(id), FakePaintBox()}; }

private:
    std::string Text(int id) const {
        const platform::ControlLayout* control = layout_.Find(id);
        return control == nullptr ? std::string() : control->text;
    }
    platform::Slot Place(int id) const { return {&parts_, id}; }

    CallLog& log_;
    const platform::WindowLayout& layout_;
    std::string name_;
    platform::Parts& parts_;
    std::vector<std::string> menu_;
    int timers_ = 0;
};

// What a window of doubles holds before its parts: the parts and their kit.
struct FakeParts {
    FakeParts(CallLog& log, const platform::WindowLayout& layout, std::string windowName,
              std::vector<std::string> menu = {})
        : kit(log, layout, std::move(windowName), parts, std::move(menu)) {}
    FakeParts(const FakeParts&) = delete;
    FakeParts& operator=(const FakeParts&) = delete;

    platform::Parts parts;
    FakeKit kit;
    platform::View view{parts};
};

}  // namespace netvik::fakes
