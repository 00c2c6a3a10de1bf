// In the tests, the program's end for what cannot go on throws the message,
// so that a test can catch it and read it.
#include <exception>
#include <string>

#include "common/Failure.h"

namespace netvik {

namespace {

class Failed : public std::exception {
public:
    explicit Failed(std::string_view message) : message_(message) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace

void Fail(std::string_view message) { throw Failed(message); }

}  // namespace netvik
