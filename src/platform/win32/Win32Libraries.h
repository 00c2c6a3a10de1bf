#pragma once
// The system's libraries from the system folder alone: a file of the same
// name beside the program or in the current folder, which anyone who can
// write there may have put there, never runs in their place.
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// Takes the current folder out of the search for every library the process
// loads later, and the program's folder too, where the system can: the
// program's first call.
void RestrictLibrarySearch();

// The system folder's library of that file name, by its full path, and the
// libraries it needs from that folder first; nullptr when it is not there.
HMODULE LoadSystemLibrary(const char* name);

// A function of a loaded library, as Fn; nullptr when the library has none.
template <typename Fn>
Fn ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace netvik::win32
