// The program without the C++ library's exception machinery. Nothing in it
// throws (it is compiled without exceptions, and the library's error paths
// end through netvik::Fail: LeanRuntime.cpp), so nothing ever unwinds; yet
// the library's string functions, compiled with exceptions, refer to the
// unwinder and the catch machinery, and its operator new throws
// std::bad_alloc: together some 35 KB of the 32-bit program. These
// definitions take their place; none of them is ever reached but
// operator new, which ends through netvik::Fail when memory runs out, as
// the library's error paths do. Linked into the program alone: the tests
// throw.
#include <cstddef>
#include <cstdlib>
#include <new>

#include "common/Failure.h"

void* operator new(std::size_t size) {
    void* const memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) netvik::Fail("std::bad_alloc");
    return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace std {
void __throw_bad_function_call() { netvik::Fail("std::bad_function_call"); }
}  // namespace std

// What an exception in flight would need: none ever is.
extern "C" {
#if defined(_WIN64)  // the 64-bit library unwinds the system's way
int __gxx_personality_seh0() { std::abort(); }
#else
int __gxx_personality_v0() { std::abort(); }
#endif
void _Unwind_Resume() { std::abort(); }
void* __cxa_begin_catch(void*) { std::abort(); }
void __cxa_end_catch() { std::abort(); }
void __cxa_rethrow() { std::abort(); }
void __cxa_call_terminate(void*) { std::abort(); }
}
