#include "platform/win32/Win32Window.h"

#include <vector>

#include "platform/win32/Win32TrayHook.h"

namespace netvik::win32 {

namespace {

int ShowCommand(platform::WindowState state) {
    switch (state) {
        case platform::WindowState::Minimized: return SW_SHOWMINIMIZED;
        case platform::WindowState::Maximized: return SW_SHOWMAXIMIZED;
        case platform::WindowState::Normal: break;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

void Win32Window::Show() {
    if (statePending_) {
        statePending_ = false;
        ShowWindow(window_, ShowCommand(pendingState_));
    } else {
        ShowWindow(window_, SW_SHOW);
    }
    SetForegroundWindow(window_);
}

void Win32Window::ShowModal() {
    // The owner takes no input while the window is shown; the loop ends
    // when the window hides itself.
    const HWND owner = GetWindow(window_, GW_OWNER);
    if (owner != nullptr) EnableWindow(owner, FALSE);
    Show();
    MSG message{};
    while (IsWindowVisible(window_) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
    if (owner != nullptr) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

void Win32Window::Hide() {
    ShowWindow(window_, SW_HIDE);
    PostMessageA(window_, WM_NULL, 0, 0);  // wakes a modal loop waiting for its next message
}

bool Win32Window::Visible() const { return IsWindowVisible(window_) != FALSE; }

platform::WindowState Win32Window::State() const {
    if (statePending_) return pendingState_;
    if (IsIconic(window_)) return platform::WindowState::Minimized;
    if (IsZoomed(window_)) return platform::WindowState::Maximized;
    return platform::WindowState::Normal;
}

void Win32Window::SetState(platform::WindowState state) {
    if (!Visible()) {
        statePending_ = true;
        pendingState_ = state;
        return;
    }
    switch (state) {
        case platform::WindowState::Normal: ShowWindow(window_, SW_RESTORE); break;
        case platform::WindowState::Minimized: ShowWindow(window_, SW_MINIMIZE); break;
        case platform::WindowState::Maximized: ShowWindow(window_, SW_MAXIMIZE); break;
    }
}

std::string Win32Window::Caption() const {
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window_, text.data(), length + 1);
    return text.data();
}

void Win32Window::SetCaption(const std::string& caption) { SetWindowTextA(window_, caption.c_str()); }

std::unique_ptr<platform::TrayHook> Win32Window::CreateTrayHook(platform::TrayCallbackSink& sink) {
    return std::make_unique<Win32TrayHook>(window_, sink);
}

}  // namespace netvik::win32
