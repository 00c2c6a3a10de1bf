// The C++ library's error paths, lean. Linked before the library, these
// definitions take the place of its own, which would bring a second,
// reference-counted string implementation (through the standard exception
// classes), and a terminate handler that demangles type names for a console
// this GUI program does not have: together some 130 KB of the 32-bit program.
//
// The messages stay what the library's own would say; netvik::Fail shows
// them and ends the program, which throws nothing.
// Should the library define one of these elsewhere, or one more that its
// other parts call, its original object comes back into the link and the
// link fails on the duplicate definition: never a silent mix.
#include <bits/functexcept.h>  // the library's declarations of the __throw_ functions

#include <cstdarg>
#include <cstddef>
#include <cstdlib>

#include "common/Failure.h"

namespace {

// Appends decimal digits of `value` at `out`, not past `limit`.
char* AppendUnsigned(char* out, const char* limit, std::size_t value) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0 && out < limit) *out++ = digits[--count];
    return out;
}

// Formats as the library does for its range messages: %s, %zu and %% only;
// any other '%' stands for itself.
void FormatRangeMessage(char* out, std::size_t size, const char* format, va_list args) {
    const char* const limit = out + size - 1;
    const char* s = format;
    while (*s != '\0' && out < limit) {
        if (s[0] == '%' && s[1] == 's') {
            for (const char* text = va_arg(args, const char*); *text != '\0' && out < limit;) *out++ = *text++;
            s += 2;
            continue;
        }
        if (s[0] == '%' && s[1] == 'z' && s[2] == 'u') {
            out = AppendUnsigned(out, limit, va_arg(args, std::size_t));
            s += 3;
            continue;
        }
        if (s[0] == '%' && s[1] == '%') ++s;
        *out++ = *s++;
    }
    *out = '\0';
}

// The longest message passed on; the library's own are far shorter.
constexpr std::size_t kMaxMessage = 511;

}  // namespace

namespace __gnu_cxx {

// An uncaught exception ends the program as before, without first writing
// its demangled type to a standard error that a GUI program does not have.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

// Each says what the library's exception of that kind says.
void __throw_bad_exception() { netvik::Fail("std::bad_exception"); }
void __throw_bad_alloc() { netvik::Fail("std::bad_alloc"); }
void __throw_bad_array_new_length() { netvik::Fail("std::bad_array_new_length"); }
void __throw_bad_cast() { netvik::Fail("std::bad_cast"); }
void __throw_bad_typeid() { netvik::Fail("std::bad_typeid"); }
void __throw_logic_error(const char* message) { netvik::Fail(message); }
void __throw_domain_error(const char* message) { netvik::Fail(message); }
void __throw_invalid_argument(const char* message) { netvik::Fail(message); }
void __throw_length_error(const char* message) { netvik::Fail(message); }
void __throw_out_of_range(const char* message) { netvik::Fail(message); }
void __throw_runtime_error(const char* message) { netvik::Fail(message); }
void __throw_range_error(const char* message) { netvik::Fail(message); }
void __throw_overflow_error(const char* message) { netvik::Fail(message); }
void __throw_underflow_error(const char* message) { netvik::Fail(message); }

void __throw_out_of_range_fmt(const char* format, ...) {
    char message[kMaxMessage + 1];
    va_list args;
    va_start(args, format);
    FormatRangeMessage(message, sizeof message, format, args);
    va_end(args);
    netvik::Fail(message);
}

}  // namespace std
