#include "platform/win32/Win32Application.h"

#include <windows.h>

namespace netvik::win32 {

void Win32Application::End() { ExitProcess(0); }

}  // namespace netvik::win32
