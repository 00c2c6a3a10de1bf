#include "platform/win32/Win32Application.h"

#include "platform/win32/WinTypes.h"

#include <vector>

namespace netvik::win32 {

Win32Application::~Win32Application() {
    if (instanceMutex_ != nullptr) CloseHandle(instanceMutex_);
}

void Win32Application::End() { ExitProcess(0); }

bool Win32Application::PreviousInstance() {
    if (instanceMutex_ == nullptr) {
        instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
        return instanceMutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return false;
}

std::string Win32Application::ExecutablePath() const {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
}

}  // namespace netvik::win32
