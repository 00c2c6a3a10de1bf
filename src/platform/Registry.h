#pragma once
#include <cstdint>
#include <string>

namespace netvik::platform {

// A registry key handle, as the system hands it out.
using RegKey = std::uintptr_t;

// HKEY_LOCAL_MACHINE: the predefined handle 0x80000002, sign-extended as the
// system does on 64-bit.
inline const RegKey kLocalMachine = static_cast<RegKey>(static_cast<std::intptr_t>(std::int32_t{-2147483646}));
// HKEY_CURRENT_USER: 0x80000001.
inline const RegKey kCurrentUser = static_cast<RegKey>(static_cast<std::intptr_t>(std::int32_t{-2147483647}));

inline constexpr std::uint32_t kRegSz = 1;  // REG_SZ

// The registry calls of advapi32 (ANSI forms). Every call returns the
// system's result code: 0 on success.
class Registry {
public:
    virtual ~Registry() = default;
    // Opens the key, creating it and any missing parents.
    virtual std::int32_t CreateKey(RegKey root, const std::string& path, RegKey& key) = 0;
    // Opens an existing key; 2 when it does not exist.
    virtual std::int32_t OpenKey(RegKey root, const std::string& path, RegKey& key) = 0;
    // With data null or size 0, reports type and size (0 or 234, more data);
    // otherwise fills data and sets size to the bytes written. 2 when the
    // value does not exist.
    virtual std::int32_t QueryValue(RegKey key, const std::string& name, std::uint32_t& type, char* data,
                                    std::uint32_t& size) = 0;
    virtual std::int32_t SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                                  std::uint32_t size) = 0;
    // A REG_SZ value from UTF-16 text (RegSetValueExW), stored with its NUL:
    // for a text that the ANSI code page cannot hold.
    virtual std::int32_t SetWideText(RegKey key, const std::string& name, const std::u16string& text) = 0;
    // 2 when the value does not exist.
    virtual std::int32_t DeleteValue(RegKey key, const std::string& name) = 0;
    virtual std::int32_t CloseKey(RegKey key) = 0;
};

}  // namespace netvik::platform
