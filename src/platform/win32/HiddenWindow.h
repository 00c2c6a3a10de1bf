#pragma once
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// A hidden window of a class of its own that hands the system's messages to
// one object of the program, which its user data holds; the program cannot
// go on without it.
HWND CreateHiddenWindow(const char* className, WNDPROC procedure, void* object);
// The window's object: null once the object has let it go.
template <typename Object>
Object* HiddenWindowObject(HWND window) {
    return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
// Lets the window go: no message reaches its object any more.
void DestroyHiddenWindow(HWND window);

}  // namespace netvik::win32
