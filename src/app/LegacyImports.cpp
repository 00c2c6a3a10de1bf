// The static thread and run-time support libraries import a few kernel32
// functions that older Windows does not export, and a program with such an
// import does not even load there. Their import slots are defined here
// instead: each one calls the system's function when it exists and otherwise
// does what that function does in this single-threaded program.
#include <windows.h>

namespace {

FARPROC Kernel32(const char* name) { return GetProcAddress(GetModuleHandleA("kernel32.dll"), name); }

template <typename Fn>
Fn Lookup(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(Kernel32(name)));
}

ULONGLONG WINAPI TickCount64() {
    if (const auto system = Lookup<ULONGLONG(WINAPI*)()>("GetTickCount64")) return system();
    return GetTickCount();
}

PVOID WINAPI AddVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    if (const auto system = Lookup<PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER)>("AddVectoredExceptionHandler")) {
        return system(first, handler);
    }
    return nullptr;
}

ULONG WINAPI RemoveVectoredHandler(PVOID handle) {
    if (const auto system = Lookup<ULONG(WINAPI*)(PVOID)>("RemoveVectoredExceptionHandler")) return system(handle);
    return 0;
}

BOOL WINAPI HandleInformation(HANDLE handle, LPDWORD flags) {
    if (const auto system = Lookup<BOOL(WINAPI*)(HANDLE, LPDWORD)>("GetHandleInformation")) {
        return system(handle, flags);
    }
    if (flags != nullptr) *flags = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

BOOL WINAPI TryEnterSection(LPCRITICAL_SECTION section) {
    if (const auto system = Lookup<BOOL(WINAPI*)(LPCRITICAL_SECTION)>("TryEnterCriticalSection")) {
        return system(section);
    }
    EnterCriticalSection(section);  // never contended with one thread
    return TRUE;
}

BOOL WINAPI ProcessAffinityMask(HANDLE process, PDWORD_PTR processMask, PDWORD_PTR systemMask) {
    if (const auto system = Lookup<BOOL(WINAPI*)(HANDLE, PDWORD_PTR, PDWORD_PTR)>("GetProcessAffinityMask")) {
        return system(process, processMask, systemMask);
    }
    *processMask = *systemMask = 1;
    return TRUE;
}

BOOL WINAPI SetAffinityMask(HANDLE process, DWORD_PTR mask) {
    if (const auto system = Lookup<BOOL(WINAPI*)(HANDLE, DWORD_PTR)>("SetProcessAffinityMask")) {
        return system(process, mask);
    }
    return mask == 1;
}

BOOL WINAPI DebuggerPresent() {
    if (const auto system = Lookup<BOOL(WINAPI*)()>("IsDebuggerPresent")) return system();
    return FALSE;
}

}  // namespace

// The slots carry the decorated names of the 32-bit import library.
extern "C" {
ULONGLONG(WINAPI* netvik_GetTickCount64)() __asm__("__imp__GetTickCount64@0") = &TickCount64;
PVOID(WINAPI* netvik_AddVectoredExceptionHandler)
(ULONG, PVECTORED_EXCEPTION_HANDLER) __asm__("__imp__AddVectoredExceptionHandler@8") = &AddVectoredHandler;
ULONG(WINAPI* netvik_RemoveVectoredExceptionHandler)
(PVOID) __asm__("__imp__RemoveVectoredExceptionHandler@4") = &RemoveVectoredHandler;
BOOL(WINAPI* netvik_GetHandleInformation)
(HANDLE, LPDWORD) __asm__("__imp__GetHandleInformation@8") = &HandleInformation;
BOOL(WINAPI* netvik_TryEnterCriticalSection)
(LPCRITICAL_SECTION) __asm__("__imp__TryEnterCriticalSection@4") = &TryEnterSection;
BOOL(WINAPI* netvik_GetProcessAffinityMask)
(HANDLE, PDWORD_PTR, PDWORD_PTR) __asm__("__imp__GetProcessAffinityMask@12") = &ProcessAffinityMask;
BOOL(WINAPI* netvik_SetProcessAffinityMask)
(HANDLE, DWORD_PTR) __asm__("__imp__SetProcessAffinityMask@8") = &SetAffinityMask;
BOOL(WINAPI* netvik_IsDebuggerPresent)() __asm__("__imp__IsDebuggerPresent@0") = &DebuggerPresent;
}
