#pragma once
#include "app/MainWindow.h"
#include "history/Latency.h"
#include "history/Recorder.h"
#include "monitor/ModalWindows.h"
#include "monitor/frmNetvikmain.h"
#include "net/modWinSock.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32ConnectAttempt.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32HistoryFile.h"
#include "platform/win32/Win32HostNames.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32NetworkConfig.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Sockets.h"
#include "registry/modWinReg.h"
#include "settings/SettingsStore.h"

namespace netvik::app {

// The program on Win32: its main window and every service the main window's
// logic uses, wired together. The shell's tray calls and the echo service
// come from the caller: the system's own, or a benchmark's timed ones.
class Program {
public:
    Program(HINSTANCE instance, platform::ShellNotify& shell, platform::IcmpService& icmp);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    frmNetvikmain& Form() { return form_; }
    modWinReg& Registry() { return registry_; }

private:
    MainWindow window_;
    win32::Win32Application application_;
    win32::Win32MessageBoxes systemBoxes_;
    ModalWindows messages_;
    win32::Win32Sockets sockets_;
    win32::Win32HostNames hostNames_;
    modWinSock winsock_;
    win32::Win32Registry registryCalls_;
    modWinReg registry_;
    SettingsStore settings_;
    win32::Win32NetworkConfig network_;
    win32::Win32Clock clock_;
    win32::Win32HistoryFile historyFile_;
    history::Recorder recorder_;
    win32::Win32HistoryFile latencyFile_;
    history::LatencyRecorder latency_;
    win32::Win32Desktop desktop_;
    win32::Win32ConnectAttempt connect_;
    frmNetvikmain form_;
};

}  // namespace netvik::app
