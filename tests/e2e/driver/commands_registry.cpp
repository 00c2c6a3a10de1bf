// Commands for the registry: [-32|-64] KEY, then the command's arguments.
#include <cstdio>
#include <iterator>

#include "commands.h"
#include "registry_driver.h"
#include "text_escape.h"

namespace trayctl {
namespace {

using namespace e2e;

// The view, the key and from `min_more` to `max_more` more arguments.
bool reg_args(int argc, char** argv, size_t min_more, size_t max_more, Args& a, RegPath& key, RegView& view,
              std::string& err) {
    if (!split_args(argc, argv, {}, {"-32", "-64"}, a) || a.flag.size() > 1 || a.pos.size() < 1 + min_more ||
        a.pos.size() > 1 + max_more)
        return false;
    view = a.flag.count("-32") ? RegView::Bits32 : a.flag.count("-64") ? RegView::Bits64 : RegView::Native;
    if (!parse_reg_path(a.pos[0], key, err)) {
        std::fprintf(stderr, "trayctl: %s\n", err.c_str());
        return false;
    }
    return true;
}

int reg_get_command(int argc, char** argv, bool raw) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, err;
    if (!reg_args(argc, argv, 1, 1, a, key, view, err) || !unescape_text(a.pos[1], name)) return usage();
    RegValue v;
    if (!reg_get(key, view, name, v, err, raw)) return fail(err);
    std::printf("%s\n", (raw ? describe_bytes(v) : describe_value(v)).c_str());
    return 0;
}

int cmd_reg_get(int argc, char** argv) { return reg_get_command(argc, argv, false); }

int cmd_reg_get_raw(int argc, char** argv) { return reg_get_command(argc, argv, true); }

// TEXT repeated COUNT times: a value longer than a command line can carry.
int cmd_reg_set_repeat(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, text, err;
    unsigned long long count = 0;
    if (!reg_args(argc, argv, 3, 3, a, key, view, err) || !unescape_text(a.pos[1], name) ||
        !unescape_text(a.pos[2], text) || !parse_number(a.pos[3].c_str(), count) ||
        count > 16000000 / (text.size() + 1))
        return usage();
    std::string bytes;
    bytes.reserve(text.size() * count);
    for (unsigned long long i = 0; i < count; ++i) bytes += text;
    return reg_set(key, view, name, REG_SZ, bytes, false, err) ? 0 : fail(err);
}

int reg_set_command(int argc, char** argv, bool raw) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, bytes, err;
    DWORD type = REG_SZ;
    const size_t more = raw ? 3 : 2;
    if (!reg_args(argc, argv, more, more, a, key, view, err) || !unescape_text(a.pos[1], name)) return usage();
    if (raw ? !parse_reg_type(a.pos[2], type) || !parse_hex_bytes(a.pos[3], bytes) : !unescape_text(a.pos[2], bytes))
        return usage();
    if (!reg_set(key, view, name, type, bytes, raw, err)) return fail(err);
    return 0;
}

int cmd_reg_set(int argc, char** argv) { return reg_set_command(argc, argv, false); }

int cmd_reg_set_raw(int argc, char** argv) { return reg_set_command(argc, argv, true); }

int cmd_reg_delete(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string name, err;
    if (!reg_args(argc, argv, 0, 1, a, key, view, err) || (a.pos.size() == 2 && !unescape_text(a.pos[1], name)))
        return usage();
    const bool ok = a.pos.size() == 2 ? reg_delete_value(key, view, name, err) : reg_delete_key(key, view, err);
    return ok ? 0 : fail(err);
}

int cmd_reg_list(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string err;
    if (!reg_args(argc, argv, 0, 0, a, key, view, err)) return usage();
    std::vector<std::string> subkeys;
    std::vector<RegValue> values;
    if (!reg_list(key, view, subkeys, values, err)) return fail(err);
    for (const std::string& k : subkeys) std::printf("key name=\"%s\"\n", escape_text(k).c_str());
    for (const RegValue& v : values)
        std::printf("value name=\"%s\" %s\n", escape_text(v.name).c_str(), describe_value(v).c_str());
    return 0;
}

int cmd_reg_deny(int argc, char** argv) {
    Args a;
    RegPath key;
    RegView view;
    std::string err;
    if (!reg_args(argc, argv, 0, 0, a, key, view, err)) return usage();
    return reg_deny_writes(key, view, err) ? 0 : fail(err);
}

const Command kCommands[] = {
    {"reg-get", "[-32|-64] KEY VALUE", "type, size, nul (ended with a NUL) and data", cmd_reg_get},
    {"reg-get-raw", "[-32|-64] KEY VALUE", "type, size and the bytes as stored (strings UTF-16LE), in hex",
     cmd_reg_get_raw},
    {"reg-set", "[-32|-64] KEY VALUE TEXT", "TEXT as REG_SZ, stored without a terminating NUL", cmd_reg_set},
    {"reg-set-repeat", "[-32|-64] KEY VALUE TEXT COUNT", "TEXT repeated COUNT times, as reg-set stores it",
     cmd_reg_set_repeat},
    {"reg-set-raw", "[-32|-64] KEY VALUE TYPE HEXBYTES",
     "bytes as they are, of any TYPE (REG_DWORD, REG_BINARY, 4, ...;\n"
     "string types take UTF-16LE bytes)",
     cmd_reg_set_raw},
    {"reg-delete", "[-32|-64] KEY [VALUE]", "the value, or the key with all below it", cmd_reg_delete},
    {"reg-list", "[-32|-64] KEY", "subkeys and values", cmd_reg_list},
    {"reg-deny", "[-32|-64] KEY", "let nobody set or delete the key's values or add subkeys", cmd_reg_deny},
};

}  // namespace

const CommandGroup kRegistryCommands = {
    "The registry (KEY as written, not escaped: HKLM\\Software\\Netvik, HKCU\\..., HKCR\\...,\n"
    "HKU\\...; -32/-64: that registry view, default this tool's own):",
    std::begin(kCommands), std::end(kCommands)};

}  // namespace trayctl
