#include "platform/win32/Win32Application.h"

#include "platform/win32/WinTypes.h"

#include <vector>

namespace netvik::win32 {

Win32Application::~Win32Application() {
    if (instanceMutex_ != nullptr) CloseHandle(instanceMutex_);
}

void Win32Application::End() { ExitProcess(0); }

platform::InstanceMark Win32Application::ClaimInstanceMark() {
    if (instanceMutex_ != nullptr) CloseHandle(instanceMutex_);
    instanceMutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (instanceMutex_ == nullptr) return platform::InstanceMark::Unusable;
    return GetLastError() == ERROR_ALREADY_EXISTS ? platform::InstanceMark::Held : platform::InstanceMark::Claimed;
}

bool Win32Application::OtherInstanceWindow() const {
    for (HWND window = FindWindowExA(nullptr, nullptr, mainWindowClass_, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, mainWindowClass_, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) return true;
    }
    return false;
}

namespace {

// The module file name in the buffer size it needs (paths may pass MAX_PATH),
// without its NUL; empty when the system cannot give it. Wide texts stay in
// vectors: std::wstring would link the library's whole wide string.
template <typename Char, typename GetName>
std::vector<Char> ModuleFileName(GetName getName) {
    std::vector<Char> path(MAX_PATH);
    for (;;) {
        const DWORD length = getName(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
}

// The ANSI form of a wide text, or "" when the ANSI code page cannot hold
// it exactly (a character it lacks, or one it would only approximate).
std::string ExactAnsi(const std::vector<wchar_t>& wide) {
    const auto length = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), size, nullptr, nullptr);
    const int back = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::vector<wchar_t> roundTrip(static_cast<std::size_t>(back > 0 ? back : 0));
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, roundTrip.data(), back);
    return roundTrip == wide ? ansi : std::string();
}

}  // namespace

platform::FilePath Win32Application::ExecutablePath() const {
    platform::FilePath path;
    const std::vector<wchar_t> wide = ModuleFileName<wchar_t>(GetModuleFileNameW);
    if (wide.empty()) {
        // A system without the wide call names its files in ANSI alone.
        const std::vector<char> ansi = ModuleFileName<char>(GetModuleFileNameA);
        path.ansi.assign(ansi.begin(), ansi.end());
        if (path.ansi.empty()) path.error = static_cast<std::int32_t>(GetLastError());
        return path;
    }
    path.ansi = ExactAnsi(wide);
    path.wide.assign(wide.begin(), wide.end());
    return path;
}

}  // namespace netvik::win32
