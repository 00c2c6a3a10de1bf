#pragma once
#include <string_view>

namespace netvik {

// What the program does when it cannot go on (a window it cannot create, a
// resource missing, an error of the C++ library): it shows why and ends.
// Never returns. The program has its own (src/app/Fail.cpp: a message box,
// then the end); the tests link one that throws the message, so that they
// can catch it.
[[noreturn]] void Fail(std::string_view message);

}  // namespace netvik
