// The program's lean error paths (src/app/LeanRuntime.cpp, linked into this
// test as into the program) say what the C++ library's own would: each
// message below is the library's, word for word.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/Failure.h"

namespace {

template <typename Action>
std::string MessageOf(Action action) {
    try {
        action();
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return "(nothing thrown)";
}

const char* volatile gNoText = nullptr;  // hidden from the compiler's null checks

TEST(LeanRuntime, LibraryErrorsKeepTheLibrarysMessages) {
    const std::string text = "abc";
    EXPECT_EQ(MessageOf([&] { (void)text.substr(5); }),
              "basic_string::substr: __pos (which is 5) > this->size() (which is 3)");
    EXPECT_EQ(MessageOf([&] { (void)text.at(7); }), "basic_string::at: __n (which is 7) >= this->size() (which is 3)");
    EXPECT_EQ(MessageOf([] { (void)std::vector<int>().at(2); }),
              "vector::_M_range_check: __n (which is 2) >= this->size() (which is 0)");
    EXPECT_EQ(MessageOf([] { std::string fromNull(gNoText); }), "basic_string: construction from null is not valid");
    EXPECT_EQ(MessageOf([] { std::string().reserve(std::string().max_size() + 1); }), "basic_string::_M_create");
    EXPECT_EQ(MessageOf([] { std::vector<char>().reserve(std::vector<char>().max_size() + 1); }), "vector::reserve");
    EXPECT_EQ(MessageOf([] { (void)std::stoi("x"); }), "stoi");
    EXPECT_EQ(MessageOf([] { (void)std::stoi("99999999999"); }), "stoi");
    EXPECT_EQ(MessageOf([] { std::function<void()>()(); }), "bad_function_call");
}

TEST(LeanRuntime, TheProgramsOwnFailuresCarryTheirMessage) {
    EXPECT_EQ(MessageOf([] { netvik::Fail("cannot create the main window"); }), "cannot create the main window");
}

}  // namespace
