#include "platform/win32/HiddenWindow.h"

#include "common/Failure.h"

namespace netvik::win32 {

HWND CreateHiddenWindow(const char* className, WNDPROC procedure, void* object) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, className, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.lpszClassName = className;
        if (RegisterClassA(&wc) == 0) Fail("cannot register a hidden window's class");
    }
    const HWND window = CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) Fail("cannot create a hidden window");
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return window;
}

void DestroyHiddenWindow(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}  // namespace netvik::win32
