// Escaping is what lets a shell script compare tips byte for byte, so a
// fault here shows up as tests that pass on the wrong text.
#include "text_escape.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

using e2e::escape_text;
using e2e::unescape_text;

static int g_passed = 0, g_failed = 0;

static void check(bool ok, const char* what) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAIL: %s\n", what);
    }
}

static void test_tip_texts_print_on_one_visible_line() {
    const std::string tip = "No Internet connection,\rcheck the internetsettings.";
    check(escape_text(tip) == "No Internet connection,\\rcheck the internetsettings.", "CR shown as \\r");
    check(escape_text("a\r\nb\tc") == "a\\r\\nb\\tc", "CR LF and TAB are told apart");
    check(escape_text("say \"hi\" \\o/") == "say \\\"hi\\\" \\\\o/", "quotes and backslashes escaped");
    check(escape_text(std::string("\0\x1b\x7f\xe9", 4)) == "\\x00\\x1b\\x7f\\xe9", "other bytes as \\xHH");
}

static void test_every_byte_survives_a_round_trip() {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string shown = escape_text(all);
    bool printable = true;
    for (unsigned char c : shown) printable = printable && c >= 0x20 && c < 0x7f;
    check(printable, "escaped text is printable ASCII");
    std::string back;
    check(unescape_text(shown, back) && back == all, "all 256 byte values round-trip");
}

static void test_arguments_are_parsed_strictly() {
    std::string out;
    check(unescape_text("a\\rb", out) && out == "a\rb", "\\r becomes CR");
    check(unescape_text("\\x9", out) && out == "\t", "one-digit \\x");
    check(unescape_text("\\x41B", out) && out == "AB", "\\x takes at most two digits");
    check(!unescape_text("tip\\", out), "dangling backslash rejected");
    check(!unescape_text("\\q", out), "unknown escape rejected");
    check(!unescape_text("\\xg", out), "\\x without digits rejected");
    check(unescape_text("", out) && out.empty(), "empty text");
}

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // keep the summary line free of CR
#endif
    test_tip_texts_print_on_one_visible_line();
    test_every_byte_survives_a_round_trip();
    test_arguments_are_parsed_strictly();
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed ? 1 : 0;
}
