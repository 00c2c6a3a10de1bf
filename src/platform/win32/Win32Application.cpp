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

namespace {

// The module file name in the buffer size it needs (paths may pass MAX_PATH);
// empty when the system cannot give it.
template <typename Char, typename GetName>
std::basic_string<Char> ModuleFileName(GetName getName) {
    std::vector<Char> path(MAX_PATH);
    for (;;) {
        const DWORD length = getName(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::basic_string<Char>(path.data(), length);
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
}

// The ANSI form of a wide text, or "" when the ANSI code page cannot hold
// it exactly (a character it lacks, or one it would only approximate).
std::string ExactAnsi(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(size - 1));
    const int back = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring roundTrip(static_cast<std::size_t>(back > 0 ? back : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, roundTrip.data(), back);
    roundTrip.resize(roundTrip.size() - 1);
    return roundTrip == wide ? ansi : std::string();
}

}  // namespace

platform::FilePath Win32Application::ExecutablePath() const {
    platform::FilePath path;
    const std::wstring wide = ModuleFileName<wchar_t>(GetModuleFileNameW);
    if (wide.empty()) {
        // A system without the wide call names its files in ANSI alone.
        path.ansi = ModuleFileName<char>(GetModuleFileNameA);
        if (path.ansi.empty()) path.error = static_cast<std::int32_t>(GetLastError());
        return path;
    }
    path.ansi = ExactAnsi(wide);
    if (path.ansi.empty()) path.wide.assign(wide.begin(), wide.end());
    return path;
}

}  // namespace netvik::win32
