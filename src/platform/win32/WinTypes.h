#pragma once
// The Windows headers as every Win32 implementation of the program sees them.
#include <windows.h>

#include "platform/Handles.h"

namespace netvik::win32 {

inline platform::WindowHandle ToHandle(HWND window) { return reinterpret_cast<platform::WindowHandle>(window); }
inline HWND ToHwnd(platform::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline platform::IconHandle ToHandle(HICON icon) { return reinterpret_cast<platform::IconHandle>(icon); }
inline HICON ToHicon(platform::IconHandle handle) { return reinterpret_cast<HICON>(handle); }

}  // namespace netvik::win32
