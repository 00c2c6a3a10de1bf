#include "platform/win32/Win32Window.h"

#include <utility>
#include <vector>

#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32TrayHook.h"

namespace netvik::win32 {

namespace {

// WM_POWERBROADCAST's events (PBT_...): the PC goes to sleep, and wakes, by
// the user's hand or by itself.
constexpr WPARAM kPowerSuspend = 4;
constexpr WPARAM kPowerResumeSuspend = 7;
constexpr WPARAM kPowerResumeAutomatic = 0x12;

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
    // Taken first: showing a minimised window again resizes it, and the
    // window's resize event may call Show within this one.
    const HWND focus = std::exchange(focus_, nullptr);
    if (statePending_) {
        statePending_ = false;
        ShowWindow(window_, ShowCommand(pendingState_));
    } else {
        ShowWindow(window_, SW_SHOW);
    }
    SetForegroundWindow(window_);
    // The focus back where it was when the window was hidden, once it is
    // shown and active; the control kept its own selection meanwhile.
    if (IsIconic(window_)) {
        focus_ = focus;
    } else if (Holds(focus) && IsWindow(focus)) {
        SetFocus(focus);
    }
}

void Win32Window::ShowModal() {
    // The owner takes no input while the window is shown; the loop ends
    // when the window hides itself. The system's dialog loop (DialogBox...)
    // would make its window within its own call, but the program loads a
    // dialog and fills it before it shows it modally (the gateways listed,
    // the name put in): so the window's own loop, the same steps the
    // system's takes (IsDialogMessage for the keyboard).
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
    // A hidden window keeps no keyboard focus: were it left in an edit box,
    // the box's caret would blink on, a timer every half second for as long
    // as the program waits in the tray. Show puts it back.
    RememberFocus();
    ShowWindow(window_, SW_HIDE);
    if (Holds(GetFocus())) SetFocus(nullptr);
    PostMessageA(window_, WM_NULL, 0, 0);  // wakes a modal loop waiting for its next message
}

void Win32Window::RememberFocus() {
    const HWND focus = GetFocus();
    if (Holds(focus)) focus_ = focus;
}

bool Win32Window::Holds(HWND window) const {
    return window != nullptr && (window == window_ || IsChild(window_, window));
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
        case platform::WindowState::Minimized:
            RememberFocus();  // minimising takes the focus away
            ShowWindow(window_, SW_MINIMIZE);
            break;
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

INT_PTR RouteDialogMessage(Win32Window& form, UINT message, WPARAM wParam, LPARAM lParam) {
    auto run = [](const std::function<void()>& handler) {
        if (handler) handler();
        return TRUE;
    };
    switch (message) {
        case WM_SIZE: return run(form.Resize);
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) form.RememberFocus();
            return FALSE;  // the system minimises it
        case WM_CLOSE: return run(form.QueryUnload);
        case WM_QUERYENDSESSION:
            // Closed like the close box; the window never stands in the way
            // of the session's end.
            run(form.QueryUnload);
            SetWindowLongPtrA(form.Hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_POWERBROADCAST:
            // The answer matters only to a query; the program never objects.
            if (wParam == kPowerSuspend) run(form.Suspending);
            if (wParam == kPowerResumeSuspend || wParam == kPowerResumeAutomatic) run(form.Resumed);
            SetWindowLongPtrA(form.Hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_COMMAND:
        case WM_HSCROLL: return RunControlEvent(message, wParam, lParam) ? TRUE : FALSE;
        case WM_NOTIFY: return AnswerControlNotification(lParam) ? TRUE : FALSE;
        case WM_CTLCOLORSTATIC: return reinterpret_cast<INT_PTR>(LabelBrush(wParam, lParam));
        default: return FALSE;
    }
}

}  // namespace netvik::win32
