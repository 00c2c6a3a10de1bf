// What the parts of the window driver share: the classes of the windows
// they look for, how long they poll, and how they name windows in errors.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "remote_process.h"

namespace e2e {

const char kMenuClass[] = "#32768";
const char kDialogClass[] = "#32770";
const char kTooltipClass[] = "tooltips_class32";
const DWORD kPollMs = 20;

// Class name without the version prefix that side-by-side common controls
// may carry ("6.0.2600.2982!Button").
inline std::string base_class(HWND hwnd) {
    std::string cls = class_of(hwnd);
    size_t bang = cls.rfind('!');
    return bang == std::string::npos ? cls : cls.substr(bang + 1);
}

inline bool base_class_is(HWND hwnd, const char* cls) { return lstrcmpiA(base_class(hwnd).c_str(), cls) == 0; }

inline std::string hex(const void* p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(p)));
    return buf;
}

template <class Pred>
bool wait_until(DWORD timeout_ms, Pred pred) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        if (pred()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
}

}  // namespace e2e
