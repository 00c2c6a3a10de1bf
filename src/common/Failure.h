#pragma once
#include <cstddef>
#include <exception>
#include <string_view>

namespace netvik {

// What the program throws when it cannot go on (a window it cannot create, a
// resource missing): a message of at most kMaxLength characters, longer ones
// cut. Unlike the standard exception classes it needs no reference-counted
// string, which would link a second string implementation into the program.
class Failure : public std::exception {
public:
    static constexpr std::size_t kMaxLength = 511;

    explicit Failure(std::string_view message) noexcept {
        const std::size_t length = message.copy(text_, kMaxLength);
        text_[length] = '\0';
    }
    const char* what() const noexcept override { return text_; }

private:
    char text_[kMaxLength + 1];
};

}  // namespace netvik
