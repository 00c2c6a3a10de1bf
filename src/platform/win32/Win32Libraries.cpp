#include "platform/win32/Win32Libraries.h"

namespace netvik::win32 {

void RestrictLibrarySearch() {
    // Both are found at run time: systems before them lack them, and would
    // not load a program that imports them.
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    // The current folder out of the search (XP SP1 and later).
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
    if (const auto setDllDirectory = ProcAddress<SetDllDirectoryFn>(kernel32, "SetDllDirectoryA")) {
        setDllDirectory("");
    }
    // The system folder alone (8 and later; Vista and 7 with their update).
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    constexpr DWORD kSystemFolderOnly = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    if (const auto setDefault = ProcAddress<SetDefaultDllDirectoriesFn>(kernel32, "SetDefaultDllDirectories")) {
        setDefault(kSystemFolderOnly);
    }
}

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH + 1];
    const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
    if (folder == 0 || folder + 1 + lstrlenA(name) >= sizeof path) return nullptr;
    path[folder] = '\\';
    lstrcpyA(path + folder + 1, name);
    // What the library itself needs is looked for in its own folder first,
    // and never in the program's.
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace netvik::win32
