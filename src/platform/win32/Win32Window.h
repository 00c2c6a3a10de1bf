#pragma once
#include "platform/Window.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// A top-level window of the program over its HWND.
class Win32Window : public platform::Window {
public:
    explicit Win32Window(HWND window) : window_(window) {}

    HWND Hwnd() const { return window_; }

    void Show() override;
    void ShowModal() override;
    void Hide() override;
    bool Visible() const override;
    platform::WindowState State() const override;
    void SetState(platform::WindowState state) override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    std::unique_ptr<platform::TrayHook> CreateTrayHook(platform::TrayCallbackSink& sink) override;

    // Notes where the keyboard focus is, for Show to put it back: Hide does,
    // and so must whoever minimises the window, which takes the focus away.
    void RememberFocus();

private:
    bool Holds(HWND window) const;  // the window itself or one of its controls

    HWND window_;
    HWND focus_ = nullptr;  // the focus when the window was hidden
    // A state set while the window is hidden takes effect when it is shown.
    bool statePending_ = false;
    platform::WindowState pendingState_ = platform::WindowState::Normal;
};

}  // namespace netvik::win32
