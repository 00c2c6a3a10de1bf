#pragma once
#include "platform/TrayHook.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// The invisible window that owns the tray icon and receives the shell's
// callback message, whose lParam is the mouse message over the icon. It is a
// pop-up owned by the program's window rather than a child of it: the shell
// announces a fresh start ("TaskbarCreated") to top-level windows only.
class Win32TrayHook : public platform::TrayHook {
public:
    static constexpr char kClassName[] = "NetvikTrayHook";

    Win32TrayHook(HWND parent, platform::TrayCallbackSink& sink);
    ~Win32TrayHook() override;
    Win32TrayHook(const Win32TrayHook&) = delete;
    Win32TrayHook& operator=(const Win32TrayHook&) = delete;

    platform::WindowHandle Handle() const override { return ToHandle(window_); }
    void SetPicture(platform::IconHandle picture) override { picture_ = picture; }
    platform::IconHandle Picture() const override { return picture_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    platform::TrayCallbackSink& sink_;
    UINT taskbarCreated_;  // the shell's registered message
    HWND window_ = nullptr;
    platform::IconHandle picture_ = 0;
};

}  // namespace netvik::win32
