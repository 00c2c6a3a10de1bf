#include "platform/win32/Win32TrayHook.h"

#include "common/Failure.h"

namespace netvik::win32 {

static_assert(platform::kTrayCallbackMessage == WM_MOUSEMOVE);

namespace {

void RegisterHookClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, Win32TrayHook::kClassName, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = Win32TrayHook::kClassName;
    if (RegisterClassA(&wc) == 0) Fail("cannot register the tray hook window class");
}

// Since Vista a program that runs with an administrator's rights gets no
// message from the shell, which runs with fewer, unless it lets that one in.
void HearFromTheShell(UINT message) {
    using FilterFn = BOOL(WINAPI*)(UINT, DWORD);
    const auto filter = reinterpret_cast<FilterFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilter")));
    constexpr DWORD kAllow = 1;  // MSGFLT_ADD
    if (filter != nullptr) filter(message, kAllow);
}

}  // namespace

Win32TrayHook::Win32TrayHook(HWND parent, platform::TrayCallbackSink& sink)
    : sink_(sink), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    RegisterHookClass(instance, &Win32TrayHook::WindowProc);
    HearFromTheShell(taskbarCreated_);
    window_ = CreateWindowExA(0, kClassName, "pichook", WS_POPUP, 0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (window_ == nullptr) Fail("cannot create the tray hook window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TrayHook::~Win32TrayHook() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK Win32TrayHook::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* hook = reinterpret_cast<Win32TrayHook*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (hook != nullptr && message == platform::kTrayCallbackMessage) {
        hook->sink_.OnTrayCallback(static_cast<std::int32_t>(lParam));
        return 0;
    }
    if (hook != nullptr && message == hook->taskbarCreated_ && message != 0) {
        hook->sink_.OnTaskbarCreated();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace netvik::win32
