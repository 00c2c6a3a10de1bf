// The driver's own logic that tests lean on: texts are compared byte for
// byte through their escaped form, menu items are chosen by key presses,
// registry values are planted and read exactly, and a click counts as done
// only on its own handler's reply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry_driver.h"
#include "text_escape.h"
#include "window_driver.h"

using namespace e2e;

TEST(TextEscape, TipTextsPrintOnOneVisibleLine) {
    const std::string tip = "No Internet connection,\rcheck the internetsettings.";
    EXPECT_TRUE(escape_text(tip) == "No Internet connection,\\rcheck the internetsettings.") << "CR shown as \\r";
    EXPECT_TRUE(escape_text("a\r\nb\tc") == "a\\r\\nb\\tc") << "CR LF and TAB are told apart";
    EXPECT_TRUE(escape_text("say \"hi\" \\o/") == "say \\\"hi\\\" \\\\o/") << "quotes and backslashes escaped";
    EXPECT_TRUE(escape_text(std::string("\0\x1b\x7f\xe9", 4)) == "\\x00\\x1b\\x7f\\xe9") << "other bytes as \\xHH";
}

TEST(TextEscape, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string shown = escape_text(all);
    bool printable = true;
    for (unsigned char c : shown) printable = printable && c >= 0x20 && c < 0x7f;
    EXPECT_TRUE(printable) << "escaped text is printable ASCII";
    std::string back;
    EXPECT_TRUE(unescape_text(shown, back) && back == all) << "all 256 byte values round-trip";
}

TEST(TextEscape, ArgumentsAreParsedStrictly) {
    std::string out;
    EXPECT_TRUE(unescape_text("a\\rb", out) && out == "a\rb") << "\\r becomes CR";
    EXPECT_TRUE(unescape_text("\\x9", out) && out == "\t") << "one-digit \\x";
    EXPECT_TRUE(unescape_text("\\x41B", out) && out == "AB") << "\\x takes at most two digits";
    EXPECT_TRUE(!unescape_text("tip\\", out)) << "dangling backslash rejected";
    EXPECT_TRUE(!unescape_text("\\q", out)) << "unknown escape rejected";
    EXPECT_TRUE(!unescape_text("\\xg", out)) << "\\x without digits rejected";
    EXPECT_TRUE(unescape_text("", out) && out.empty()) << "empty text";
}

static MenuItem item(bool separator, bool disabled = false) {
    MenuItem m;
    m.separator = separator;
    m.disabled = disabled;
    return m;
}

TEST(DriverParts, MenuKeysSkipSeparatorsOnly) {
    // Open, Pause (grayed), ----, Settings, More >, ----, Exit
    const std::vector<MenuItem> menu = {item(false), item(false, true), item(true), item(false),
                                        item(false), item(true),        item(false)};
    size_t downs = 99;
    std::string err;
    EXPECT_TRUE(menu_downs(menu, 0, downs, err) && downs == 0) << "first item: VK_HOME alone";
    EXPECT_TRUE(menu_downs(menu, 1, downs, err) && downs == 1) << "a grayed item is stepped on, not skipped";
    EXPECT_TRUE(menu_downs(menu, 3, downs, err) && downs == 2) << "the separator before it is skipped";
    EXPECT_TRUE(menu_downs(menu, 6, downs, err) && downs == 4) << "last item after two separators";
    EXPECT_TRUE(!menu_downs(menu, 2, downs, err)) << "a separator cannot be chosen";
    EXPECT_TRUE(!menu_downs(menu, 7, downs, err)) << "index past the end";
    const std::vector<MenuItem> leading = {item(true), item(false)};
    EXPECT_TRUE(menu_downs(leading, 1, downs, err) && downs == 0) << "VK_HOME lands past a leading separator";
}

TEST(DriverParts, KeysLookLikeAKeyboard) {
    EXPECT_TRUE(key_lparam(0x1e, false, false) == 0x001e0001) << "press: repeat 1 and scan code";
    EXPECT_TRUE(static_cast<DWORD>(key_lparam(0x1e, false, true)) == 0xc01e0001u)
        << "release: previous state and transition";
    EXPECT_TRUE(key_lparam(0x50, true, false) == 0x01500001) << "extended key flag";
    EXPECT_TRUE(is_extended_key(VK_DOWN) && is_extended_key(VK_DELETE) && !is_extended_key(VK_RETURN) &&
                !is_extended_key('A'))
        << "arrows and Delete are extended keys, Return and letters are not";
    unsigned vk = 0;
    EXPECT_TRUE(parse_vk("VK_RETURN", vk) && vk == VK_RETURN) << "VK_RETURN";
    EXPECT_TRUE(parse_vk("vk_escape", vk) && vk == VK_ESCAPE) << "names ignore case";
    EXPECT_TRUE(parse_vk("VK_F12", vk) && vk == VK_F12) << "function keys";
    EXPECT_TRUE(parse_vk("VK_a", vk) && vk == 'A') << "letters are their capital";
    EXPECT_TRUE(parse_vk("0x0d", vk) && vk == 13 && parse_vk("40", vk) && vk == 40) << "numbers, hex or decimal";
    EXPECT_TRUE(!parse_vk("VK_F25", vk) && !parse_vk("VK_", vk) && !parse_vk("VK_NOPE", vk))
        << "unknown names rejected";
    EXPECT_TRUE(!parse_vk("0", vk) && !parse_vk("255", vk) && !parse_vk("-1", vk) && !parse_vk("", vk))
        << "numbers outside 1..254 rejected";
}

TEST(DriverParts, RegistryPathsAndBytes) {
    RegPath p;
    std::string err, bytes;
    EXPECT_TRUE(parse_reg_path("HKLM\\Software\\Netvik", p, err) && p.root == HKEY_LOCAL_MACHINE &&
                p.subkey == "Software\\Netvik")
        << "HKLM path";
    EXPECT_TRUE(parse_reg_path("hkey_current_user\\Software\\", p, err) && p.root == HKEY_CURRENT_USER &&
                p.subkey == "Software")
        << "long root name, any case, trailing backslash";
    EXPECT_TRUE(parse_reg_path("HKLM", p, err) && p.subkey.empty()) << "a root alone";
    EXPECT_TRUE(!parse_reg_path("Software\\Netvik", p, err)) << "a path without root rejected";
    EXPECT_TRUE(!parse_reg_path("HKLM\\Software\\\\Netvik", p, err)) << "an empty key name rejected";
    EXPECT_TRUE(!parse_reg_path("HKLMX\\Software", p, err)) << "an unknown root rejected";

    EXPECT_TRUE(parse_hex_bytes("2a00FF", bytes) && bytes == std::string("\x2a\x00\xff", 3)) << "hex bytes, any case";
    EXPECT_TRUE(parse_hex_bytes("", bytes) && bytes.empty()) << "no bytes";
    EXPECT_TRUE(!parse_hex_bytes("abc", bytes) && !parse_hex_bytes("0g", bytes)) << "odd length or non-hex rejected";

    DWORD type = 0;
    EXPECT_TRUE(parse_reg_type("REG_DWORD", type) && type == REG_DWORD && parse_reg_type("reg_multi_sz", type) &&
                type == REG_MULTI_SZ)
        << "type names";
    EXPECT_TRUE(parse_reg_type("0x1234", type) && type == 0x1234 && !parse_reg_type("REG_WORD", type))
        << "type numbers";
}

TEST(DriverParts, ValuesPrintExactly) {
    auto shown = [](DWORD type, const std::string& data) {
        RegValue v;
        v.type = type;
        v.data = data;
        return describe_value(v);
    };
    EXPECT_TRUE(shown(REG_SZ, std::string("abc\0", 4)) == "type=REG_SZ size=4 nul=1 data=\"abc\"")
        << "string with its NUL";
    EXPECT_TRUE(shown(REG_SZ, "abc") == "type=REG_SZ size=3 nul=0 data=\"abc\"") << "string without NUL";
    EXPECT_TRUE(shown(REG_SZ, std::string("a\0\0", 3)) == "type=REG_SZ size=3 nul=1 data=\"a\\x00\"")
        << "only the last NUL is taken off";
    EXPECT_TRUE(shown(REG_MULTI_SZ, std::string("a\0b\0\0", 5)) ==
                "type=REG_MULTI_SZ size=5 nul=1 data=\"a\\x00b\\x00\"")
        << "multi-string";
    EXPECT_TRUE(shown(REG_DWORD, std::string("\x2a\0\0\x80", 4)) ==
                "type=REG_DWORD size=4 data=2147483690 hex=2a000080")
        << "DWORD, little-endian, unsigned";
    EXPECT_TRUE(shown(REG_DWORD, std::string("\x2a\0\0", 3)) == "type=REG_DWORD size=3 hex=2a0000")
        << "a DWORD of the wrong size only in hex";
    EXPECT_TRUE(shown(REG_QWORD, std::string("\1\0\0\0\0\0\0\x80", 8)) ==
                "type=REG_QWORD size=8 data=9223372036854775809 hex=0100000000000080")
        << "QWORD";
    EXPECT_TRUE(shown(0x1234, "\x01") == "type=0x1234 size=1 hex=01") << "unknown type";
}

// A button of another thread whose click handler waits for the semaphore;
// message-only, so that it needs no display.
static HANDLE g_handler_may_return;
static HANDLE g_button_made;
static HWND g_button;
static WNDPROC g_button_proc;

static LRESULT CALLBACK slow_click(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == BM_CLICK) WaitForSingleObject(g_handler_may_return, 5000);
    return CallWindowProcA(g_button_proc, hwnd, msg, wp, lp);
}

static DWORD WINAPI button_thread(LPVOID) {
    g_button = CreateWindowA("BUTTON", "Slow", WS_CHILD, 0, 0, 50, 20, HWND_MESSAGE, nullptr, nullptr, nullptr);
    g_button_proc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(g_button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&slow_click)));
    SetEvent(g_button_made);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DestroyWindow(g_button);
    return 0;
}

TEST(DriverParts, AClickIsNotTakenForDoneByAnEarlierOnesLateReply) {
    g_handler_may_return = CreateSemaphoreA(nullptr, 0, 10, nullptr);
    g_button_made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD tid = 0;
    HANDLE thread = CreateThread(nullptr, 0, button_thread, nullptr, 0, &tid);
    ASSERT_TRUE(WaitForSingleObject(g_button_made, 5000) == WAIT_OBJECT_0 && g_button);
    const HWND button = g_button;
    ClickOutcome outcome;
    HWND modal;
    std::string err;
    ASSERT_TRUE(click_button(button, 0, outcome, modal, err)) << err;
    EXPECT_TRUE(outcome == ClickOutcome::Running) << "the first handler still waits";
    ReleaseSemaphore(g_handler_may_return, 1, nullptr);
    Sleep(100);  // its reply is now queued for this thread
    ASSERT_TRUE(click_button(button, 300, outcome, modal, err)) << err;
    EXPECT_TRUE(outcome == ClickOutcome::Running) << "the second handler still waits, whatever reply comes in";
    ReleaseSemaphore(g_handler_may_return, 2, nullptr);
    ASSERT_TRUE(click_button(button, 5000, outcome, modal, err)) << err;
    EXPECT_TRUE(outcome == ClickOutcome::Done) << "a handler that returns is seen to";
    PostThreadMessageA(tid, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(g_button_made);
    CloseHandle(g_handler_may_return);
}
