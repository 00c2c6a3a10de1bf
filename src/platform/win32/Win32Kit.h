#pragma once
#include "common/Failure.h"
#include "platform/Parts.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32TcpClient.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik::win32 {

// The kit of a window's real parts: each made over the window's control of
// its id, or as the window's timer, resource or connection of that id, and
// held among the window's parts.
class Win32Kit {
public:
    Win32Kit(HWND window, platform::Parts& parts) : window_(window), parts_(parts) {}

    using Window = Win32Window;
    using Timer = Win32Timer;
    using Pictures = Win32Pictures;
    using TcpClient = Win32TcpClient;
    using PopupMenu = Win32PopupMenu;
    using TextBox = Win32TextBox;
    using Label = Win32Label;
    using Button = Win32Button;
    using CheckBox = Win32CheckBox;
    using Slider = Win32Slider;
    using ComboBox = Win32ComboBox;
    using ListView = Win32ListView;
    using PaintBox = Win32PaintBox;

    Window Make(int id, const platform::WindowArgs&) const { return Window(window_, Place(id)); }
    Timer Make(int id, const platform::TimerArgs& args) const {
        return Timer(window_, static_cast<UINT_PTR>(id), args.interval, args.enabled, Place(id));
    }
    Pictures Make(int id, const platform::PicturesArgs& args) const {
        return Pictures(Instance(), id, args.trayIcons, Place(id));
    }
    TcpClient Make(int id, const platform::TcpClientArgs&) const { return TcpClient(Place(id)); }
    PopupMenu Make(int id, const platform::PopupMenuArgs&) const {
        return PopupMenu(Instance(), id, window_, Place(id));
    }
    TextBox Make(int id, const platform::TextBoxArgs& args) const { return TextBox(Item(id), args, Place(id)); }
    Label Make(int id, const platform::LabelArgs&) const { return Label(Item(id), Place(id)); }
    Button Make(int id, const platform::ButtonArgs&) const { return Button(Item(id), Place(id)); }
    CheckBox Make(int id, const platform::CheckBoxArgs&) const { return CheckBox(Item(id), Place(id)); }
    Slider Make(int id, const platform::SliderArgs& args) const { return Slider(Item(id), args, Place(id)); }
    ComboBox Make(int id, const platform::ComboBoxArgs&) const { return ComboBox(Item(id), Place(id)); }
    ListView Make(int id, const platform::ListViewArgs& args) const { return ListView(Item(id), args, Place(id)); }
    PaintBox Make(int id, const platform::PaintBoxArgs&) const { return PaintBox(Item(id), Place(id)); }

private:
    // The window's control of that id; the program cannot go on without it.
    HWND Item(int id) const {
        const HWND item = GetDlgItem(window_, id);
        if (item == nullptr) Fail("a control of a window is missing");
        return item;
    }
    HINSTANCE Instance() const { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE)); }
    platform::Slot Place(int id) const { return {&parts_, id}; }

    HWND window_;
    platform::Parts& parts_;
};

}  // namespace netvik::win32
