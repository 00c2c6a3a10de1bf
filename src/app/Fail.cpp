// The program's end when it cannot go on: the reason in a message box, then
// the end of the process, exit code 1.
#include "common/Failure.h"

#include <windows.h>

namespace netvik {

void Fail(std::string_view message) {
    char text[512];
    text[message.copy(text, sizeof text - 1)] = '\0';
    MessageBoxA(nullptr, text, "Netvik", MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

}  // namespace netvik
