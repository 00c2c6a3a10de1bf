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

private:
    HWND window_;
    // A state set while the window is hidden takes effect when it is shown.
    bool statePending_ = false;
    platform::WindowState pendingState_ = platform::WindowState::Normal;
};

}  // namespace netvik::win32
