// Netvik: tells at a glance, from the notification area, whether this PC
// reaches the Internet.
#include "app/MainWindow.h"

#include <commctrl.h>

#include "monitor/frmNetvikmain.h"
#include "net/modWinSock.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32HostNames.h"
#include "platform/win32/Win32Icmp.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32NetworkConfig.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellNotify.h"
#include "platform/win32/Win32Sockets.h"

namespace {

int Run(HINSTANCE instance) {
    using namespace netvik;
    InitCommonControls();

    app::MainWindow window(instance);
    win32::Win32Application application(app::MainWindow::kClassName);
    win32::Win32MessageBoxes systemBoxes(window.Hwnd());
    ModalWindows messages(systemBoxes, window.Controls().form);
    win32::Win32Sockets sockets;
    win32::Win32HostNames hostNames;
    win32::Win32Icmp icmp;
    win32::Win32ShellNotify shell;
    modWinSock winsock(sockets, icmp, hostNames, messages, application);
    win32::Win32Registry registryCalls;
    modWinReg registry(registryCalls);
    SettingsStore settings(registry);
    win32::Win32NetworkConfig network;

    frmNetvikmain form(MainServices{application, messages, shell, winsock, settings, registry, network},
                       window.Controls());
    form.Form_Load();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window.Hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

// What cannot go on (a window that cannot be made, a resource missing) ends
// through netvik::Fail, with a message box: nothing is thrown.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return Run(instance); }
