#include "app/Program.h"

namespace netvik::app {

Program::Program(HINSTANCE instance, platform::ShellNotify& shell, platform::IcmpService& icmp)
    : window_(instance),
      application_(MainWindow::kClassName),
      systemBoxes_(window_.Hwnd()),
      messages_(systemBoxes_, window_.Controls().form),
      winsock_(sockets_, icmp, hostNames_, messages_, application_),
      registry_(registryCalls_),
      settings_(registry_),
      historyFile_(win32::Win32HistoryFile::DefaultFolder(), win32::Win32HistoryFile::kRecord),
      recorder_(historyFile_),
      latencyFile_(win32::Win32HistoryFile::DefaultFolder(), win32::Win32HistoryFile::kLatency),
      latency_(latencyFile_),
      desktop_(window_.Hwnd()),
      form_(MainServices{application_, messages_, shell, winsock_, settings_, registry_, network_, clock_, recorder_,
                         latency_, desktop_, window_, icmp, connect_},
            window_.Controls()) {}

}  // namespace netvik::app
