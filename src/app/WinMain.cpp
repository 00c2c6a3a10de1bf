// Netvik: tells at a glance, from the notification area, whether this PC
// reaches the Internet.
#include "app/Program.h"

#include <commctrl.h>

#include "platform/win32/Win32Icmp.h"
#include "platform/win32/Win32Libraries.h"
#include "platform/win32/Win32ShellNotify.h"

namespace {

int Run(HINSTANCE instance) {
    using namespace netvik;
    InitCommonControls();

    win32::Win32ShellNotify shell;
    win32::Win32Icmp icmp;
    app::Program program(instance, shell, icmp);
    program.Form().Form_Load();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // The keyboard of the window in front: the panel's or the History
        // window's.
        const HWND active = GetActiveWindow();
        if (active != nullptr && IsDialogMessageA(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

// What cannot go on (a window that cannot be made, a resource missing) ends
// through netvik::Fail, with a message box: nothing is thrown. Before
// anything loads a library, none may come from the program's or the
// current folder.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    netvik::win32::RestrictLibrarySearch();
    return Run(instance);
}
