#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Failure.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Pictures.h"
#include "platform/TcpClient.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace netvik::platform {

// A window's controls are declared once, by name, as members of a struct
// template over a kit (monitor/MainControls.h, for one): each member made
// by Make from its id and its create arguments. The kit decides what the
// members are: real controls over a window's HWNDs (win32::Win32Kit),
// doubles in memory (the tests' FakeKit), or, for the window's logic,
// references to those (View), which it finds among the window's Parts by
// their ids.

// How each kind of part is made: named, each with its default.
struct WindowArgs {};
struct TimerArgs {
    std::uint32_t interval = 0;  // milliseconds
    bool enabled = false;
};
struct PicturesArgs {                // the id is the program's icon
    std::array<int, 6> trayIcons{};  // in image-list order
};
struct TcpClientArgs {};
struct PopupMenuArgs {};  // the id is the menu's resource
struct TextBoxArgs {
    std::size_t maxLength = 0;  // characters; 0: as many as the system allows
};
struct LabelArgs {};
struct ButtonArgs {};
struct CheckBoxArgs {};
struct SliderArgs {
    std::int32_t min = 0;
    std::int32_t max = 100;
    std::int32_t smallChange = 1;   // the arrow keys' step
    std::int32_t largeChange = 20;  // Page Up and Page Down
    std::int32_t tickFrequency = 1;
    std::int32_t value = 0;
};
struct ComboBoxArgs {};
struct ListColumn {
    const char* title;
    int width;  // twips
};
struct ListViewArgs {
    const ListColumn* columns = nullptr;
    std::size_t count = 0;
};
struct PaintBoxArgs {};

// The parts a window's kit has made, each under its id as the part it is
// to the logic (its interface): a part takes its place here as it is made.
class Parts {
public:
    Parts() = default;
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;

    template <typename Part>
    void Hold(int id, Part& part) {
        held_.push_back({Kind<Part>(), id, &part});
    }
    // The part of that id, or null.
    template <typename Part>
    Part* Lookup(int id) const {
        for (const Held& held : held_) {
            if (held.kind == Kind<Part>() && held.id == id) return static_cast<Part*>(held.part);
        }
        return nullptr;
    }
    // The program cannot go on without a part its logic declares.
    template <typename Part>
    Part& Find(int id) const {
        Part* const part = Lookup<Part>(id);
        if (part == nullptr) Fail("a part of a window is missing");
        return *part;
    }

private:
    template <typename Part>
    static const void* Kind() {
        static const char kind = 0;
        return &kind;
    }
    struct Held {
        const void* kind;
        int id;
        void* part;
    };
    std::vector<Held> held_;
};

// Where a part that is being made takes its place; nowhere by default.
struct Slot {
    Parts* parts = nullptr;
    int id = 0;
    template <typename Part>
    void Hold(Part& part) const {
        if (parts != nullptr) parts->Hold(id, part);
    }
};

// The window's logic's kit: each member a reference to the part of its id.
class View {
public:
    explicit View(const Parts& parts) : parts_(parts) {}

    using Window = platform::Window&;
    using Timer = platform::Timer&;
    using Pictures = const platform::Pictures&;
    using TcpClient = platform::TcpClient&;
    using PopupMenu = platform::PopupMenu&;
    using TextBox = platform::TextBox&;
    using Label = platform::Label&;
    using Button = platform::Button&;
    using CheckBox = platform::CheckBox&;
    using Slider = platform::Slider&;
    using ComboBox = platform::ComboBox&;
    using ListView = platform::ListView&;
    using PaintBox = platform::PaintBox&;

    Window Make(int id, const WindowArgs&) const { return parts_.Find<platform::Window>(id); }
    Timer Make(int id, const TimerArgs&) const { return parts_.Find<platform::Timer>(id); }
    Pictures Make(int id, const PicturesArgs&) const { return parts_.Find<platform::Pictures>(id); }
    TcpClient Make(int id, const TcpClientArgs&) const { return parts_.Find<platform::TcpClient>(id); }
    PopupMenu Make(int id, const PopupMenuArgs&) const { return parts_.Find<platform::PopupMenu>(id); }
    TextBox Make(int id, const TextBoxArgs&) const { return parts_.Find<platform::TextBox>(id); }
    Label Make(int id, const LabelArgs&) const { return parts_.Find<platform::Label>(id); }
    Button Make(int id, const ButtonArgs&) const { return parts_.Find<platform::Button>(id); }
    CheckBox Make(int id, const CheckBoxArgs&) const { return parts_.Find<platform::CheckBox>(id); }
    Slider Make(int id, const SliderArgs&) const { return parts_.Find<platform::Slider>(id); }
    ComboBox Make(int id, const ComboBoxArgs&) const { return parts_.Find<platform::ComboBox>(id); }
    ListView Make(int id, const ListViewArgs&) const { return parts_.Find<platform::ListView>(id); }
    PaintBox Make(int id, const PaintBoxArgs&) const { return parts_.Find<platform::PaintBox>(id); }

private:
    const Parts& parts_;
};

}  // namespace netvik::platform
