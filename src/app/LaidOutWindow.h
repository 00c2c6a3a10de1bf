#pragma once
#include <vector>

#include "platform/Layout.h"
#include "platform/Parts.h"
#include "platform/Window.h"
#include "platform/win32/Win32Kit.h"
#include "platform/win32/WinTypes.h"

namespace netvik::app {

// A window of the program built from its layout: an empty dialog of the
// layout's kind, then its controls, each where its twips put it at the
// screen's resolution, labels grown to hold their text (TextFit), and the
// tips of the controls that have one. Its dialog procedure only routes
// messages to the events of the window, of its controls and of its timers,
// which it finds among the window's parts.
class LaidOutWindow {
public:
    // The program's main window has a window class of its own, so that it
    // carries the program's icon and can be found by its class.
    static constexpr char kPanelClass[] = "NetvikMainWindow";

    LaidOutWindow(HINSTANCE instance, HWND owner, const platform::WindowLayout& layout, const platform::Parts& parts);
    ~LaidOutWindow();
    LaidOutWindow(const LaidOutWindow&) = delete;
    LaidOutWindow& operator=(const LaidOutWindow&) = delete;

    HWND Hwnd() const { return window_; }
    // From now on no message reaches the parts: they are about to go.
    void Detach();

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AddTip(HWND control, const char* tip);
    void Place(HWND owner, platform::WindowKind kind, int width, int height);
    void Follow(int width, int height);

    // A control of a window the user can resize, where the design has it.
    struct Placed {
        HWND control;
        RECT rect;
        std::uint8_t style;
    };

    const platform::Parts& parts_;
    HWND window_ = nullptr;
    HWND tips_ = nullptr;
    SIZE design_{};               // the client area as designed, its labels fitted
    std::vector<Placed> placed_;  // the controls of a window the user can resize
};

// A window of the program with its parts, made by name: Controls is the
// struct template that declares them (platform/Parts.h), made here of real
// controls over the window's; its logic sees them through Logic().
template <template <typename> class Controls>
class Form : public platform::LoadedWindow {
public:
    Form(HINSTANCE instance, HWND owner, const platform::WindowLayout& layout)
        : window_(instance, owner, layout, parts_), kit_(window_.Hwnd(), parts_), controls_(kit_), view_(parts_) {}
    ~Form() override { window_.Detach(); }

    HWND Hwnd() const { return window_.Hwnd(); }
    const Controls<platform::View>& Logic() const { return logic_; }

private:
    platform::Parts parts_;  // first: the window routes to what it holds until the parts go
    LaidOutWindow window_;
    win32::Win32Kit kit_;
    Controls<win32::Win32Kit> controls_;
    platform::View view_;
    Controls<platform::View> logic_{view_};
};

}  // namespace netvik::app
