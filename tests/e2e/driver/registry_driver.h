// The program's settings in the registry, read and planted from outside.
//
// Strings are read and written through the ANSI functions, so they come out
// as the ANSI program reads them.  A key is given as a full path, e.g.
// HKLM\Software\Netvik.  Which registry view is used matters in a 64-bit
// prefix, where a 32-bit program's HKLM\Software is Software\Wow6432Node.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

enum class RegView { Native, Bits32, Bits64 };

struct RegPath {
    HKEY root = nullptr;
    std::string subkey;  // without leading or trailing backslash; may be empty
};

// HKLM\..., HKCU\..., HKCR\..., HKU\... or the HKEY_* spellings.
bool parse_reg_path(const std::string& text, RegPath& out, std::string& err);
// REG_SZ, REG_DWORD, ... or a number.
bool parse_reg_type(const std::string& text, DWORD& type);
std::string reg_type_name(DWORD type);
// Pairs of hex digits, e.g. "2a000000"; empty for no bytes.
bool parse_hex_bytes(const std::string& text, std::string& bytes);

struct RegValue {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;  // bytes as read
};

// "type=REG_SZ size=6 nul=1 data=\"hello\"": strings without their final
// NUL (nul tells whether there was one), numbers in decimal and hex, other
// types in hex.
std::string describe_value(const RegValue& value);

// `raw` reads the bytes as the registry keeps them, with the wide function
// (string data is then UTF-16LE); otherwise as the ANSI program reads them.
bool reg_get(const RegPath& key, RegView view, const std::string& name, RegValue& out, std::string& err,
             bool raw = false);
// "type=REG_SZ size=4 hex=61006200": any value's bytes in hex.
std::string describe_bytes(const RegValue& value);
// Creates the key if needed.  `raw` stores `bytes` as they are with the
// wide function (string data is then UTF-16LE, as the registry keeps it);
// otherwise the bytes go through the ANSI function like the program's.
bool reg_set(const RegPath& key, RegView view, const std::string& name, DWORD type, const std::string& bytes, bool raw,
             std::string& err);
bool reg_delete_value(const RegPath& key, RegView view, const std::string& name, std::string& err);
// The key with every subkey and value.
bool reg_delete_key(const RegPath& key, RegView view, std::string& err);
bool reg_list(const RegPath& key, RegView view, std::vector<std::string>& subkeys, std::vector<RegValue>& values,
              std::string& err);
// Creates the key if needed and gives it a security descriptor that lets
// everybody read it but nobody set or delete its values or add subkeys, as
// for a user without rights there.
bool reg_deny_writes(const RegPath& key, RegView view, std::string& err);

}  // namespace e2e
