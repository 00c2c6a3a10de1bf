#pragma once
#include "platform/Parts.h"
#include "platform/Window.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// A top-level window of the program over its HWND. In its window's parts
// it stands as the window and as itself, for the window's dialog procedure.
class Win32Window : public platform::Window {
public:
    explicit Win32Window(HWND window, const platform::Slot& slot = {}) : window_(window) {
        slot.Hold<platform::Window>(*this);
        slot.Hold<Win32Window>(*this);
    }
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

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

// The object that created a dialog, as WM_INITDIALOG hands it over (and the
// dialog keeps it); null before, and after the object has let it go.
template <typename Owner>
Owner* DialogOwner(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return reinterpret_cast<Owner*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// A dialog procedure's routing of a message to the event of the window or
// control it concerns: WM_SIZE to Resize, WM_CLOSE and WM_QUERYENDSESSION to
// QueryUnload, a button's click and a slider's move to their controls, a
// coloured label's background. Returns the procedure's answer; FALSE for a
// message that no event takes.
INT_PTR RouteDialogMessage(Win32Window& form, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace netvik::win32
