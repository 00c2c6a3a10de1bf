// The parts of the driver that decide what to send: a wrong count of key
// presses chooses the wrong menu item, a wrong lParam or registry path
// drives the program somewhere else than the script meant.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "registry_driver.h"
#include "window_driver.h"

using namespace e2e;

static int g_passed = 0, g_failed = 0;

static void check(bool ok, const char* what) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAIL: %s\n", what);
    }
}

static MenuItem item(bool separator, bool disabled = false) {
    MenuItem m;
    m.separator = separator;
    m.disabled = disabled;
    return m;
}

static void test_menu_keys_skip_separators_only() {
    // Open, Pause (grayed), ----, Settings, More >, ----, Exit
    const std::vector<MenuItem> menu = {item(false), item(false, true), item(true), item(false),
                                        item(false), item(true),        item(false)};
    size_t downs = 99;
    std::string err;
    check(menu_downs(menu, 0, downs, err) && downs == 0, "first item: VK_HOME alone");
    check(menu_downs(menu, 1, downs, err) && downs == 1, "a grayed item is stepped on, not skipped");
    check(menu_downs(menu, 3, downs, err) && downs == 2, "the separator before it is skipped");
    check(menu_downs(menu, 6, downs, err) && downs == 4, "last item after two separators");
    check(!menu_downs(menu, 2, downs, err), "a separator cannot be chosen");
    check(!menu_downs(menu, 7, downs, err), "index past the end");
    const std::vector<MenuItem> leading = {item(true), item(false)};
    check(menu_downs(leading, 1, downs, err) && downs == 0, "VK_HOME lands past a leading separator");
}

static void test_keys_look_like_a_keyboard() {
    check(key_lparam(0x1e, false, false) == 0x001e0001, "press: repeat 1 and scan code");
    check(static_cast<DWORD>(key_lparam(0x1e, false, true)) == 0xc01e0001u, "release: previous state and transition");
    check(key_lparam(0x50, true, false) == 0x01500001, "extended key flag");
    check(
        is_extended_key(VK_DOWN) && is_extended_key(VK_DELETE) && !is_extended_key(VK_RETURN) && !is_extended_key('A'),
        "arrows and Delete are extended keys, Return and letters are not");
    unsigned vk = 0;
    check(parse_vk("VK_RETURN", vk) && vk == VK_RETURN, "VK_RETURN");
    check(parse_vk("vk_escape", vk) && vk == VK_ESCAPE, "names ignore case");
    check(parse_vk("VK_F12", vk) && vk == VK_F12, "function keys");
    check(parse_vk("VK_a", vk) && vk == 'A', "letters are their capital");
    check(parse_vk("0x0d", vk) && vk == 13 && parse_vk("40", vk) && vk == 40, "numbers, hex or decimal");
    check(!parse_vk("VK_F25", vk) && !parse_vk("VK_", vk) && !parse_vk("VK_NOPE", vk), "unknown names rejected");
    check(!parse_vk("0", vk) && !parse_vk("255", vk) && !parse_vk("-1", vk) && !parse_vk("", vk),
          "numbers outside 1..254 rejected");
}

static void test_registry_paths_and_bytes() {
    RegPath p;
    std::string err, bytes;
    check(parse_reg_path("HKLM\\Software\\Netvik", p, err) && p.root == HKEY_LOCAL_MACHINE &&
              p.subkey == "Software\\Netvik",
          "HKLM path");
    check(parse_reg_path("hkey_current_user\\Software\\", p, err) && p.root == HKEY_CURRENT_USER &&
              p.subkey == "Software",
          "long root name, any case, trailing backslash");
    check(parse_reg_path("HKLM", p, err) && p.subkey.empty(), "a root alone");
    check(!parse_reg_path("Software\\Netvik", p, err), "a path without root rejected");
    check(!parse_reg_path("HKLM\\Software\\\\Netvik", p, err), "an empty key name rejected");
    check(!parse_reg_path("HKLMX\\Software", p, err), "an unknown root rejected");

    check(parse_hex_bytes("2a00FF", bytes) && bytes == std::string("\x2a\x00\xff", 3), "hex bytes, any case");
    check(parse_hex_bytes("", bytes) && bytes.empty(), "no bytes");
    check(!parse_hex_bytes("abc", bytes) && !parse_hex_bytes("0g", bytes), "odd length or non-hex rejected");

    DWORD type = 0;
    check(parse_reg_type("REG_DWORD", type) && type == REG_DWORD && parse_reg_type("reg_multi_sz", type) &&
              type == REG_MULTI_SZ,
          "type names");
    check(parse_reg_type("0x1234", type) && type == 0x1234 && !parse_reg_type("REG_WORD", type), "type numbers");
}

static void test_values_print_exactly() {
    auto shown = [](DWORD type, const std::string& data) {
        RegValue v;
        v.type = type;
        v.data = data;
        return describe_value(v);
    };
    check(shown(REG_SZ, std::string("abc\0", 4)) == "type=REG_SZ size=4 nul=1 data=\"abc\"", "string with its NUL");
    check(shown(REG_SZ, "abc") == "type=REG_SZ size=3 nul=0 data=\"abc\"", "string without NUL");
    check(shown(REG_SZ, std::string("a\0\0", 3)) == "type=REG_SZ size=3 nul=1 data=\"a\\x00\"",
          "only the last NUL is taken off");
    check(shown(REG_MULTI_SZ, std::string("a\0b\0\0", 5)) == "type=REG_MULTI_SZ size=5 nul=1 data=\"a\\x00b\\x00\"",
          "multi-string");
    check(shown(REG_DWORD, std::string("\x2a\0\0\x80", 4)) == "type=REG_DWORD size=4 data=2147483690 hex=2a000080",
          "DWORD, little-endian, unsigned");
    check(shown(REG_DWORD, std::string("\x2a\0\0", 3)) == "type=REG_DWORD size=3 hex=2a0000",
          "a DWORD of the wrong size only in hex");
    check(shown(REG_QWORD, std::string("\1\0\0\0\0\0\0\x80", 8)) ==
              "type=REG_QWORD size=8 data=9223372036854775809 hex=0100000000000080",
          "QWORD");
    check(shown(0x1234, "\x01") == "type=0x1234 size=1 hex=01", "unknown type");
}

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    test_menu_keys_skip_separators_only();
    test_keys_look_like_a_keyboard();
    test_registry_paths_and_bytes();
    test_values_print_exactly();
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed ? 1 : 0;
}
