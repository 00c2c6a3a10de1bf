#pragma once
#include "platform/TrayHook.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// The invisible child window that owns the tray icon and receives the
// shell's callback message, whose lParam is the mouse message over the icon.
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
    HWND window_ = nullptr;
    platform::IconHandle picture_ = 0;
};

}  // namespace netvik::win32
