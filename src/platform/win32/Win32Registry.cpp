#include "platform/win32/Win32Registry.h"

#include "platform/win32/WinTypes.h"

#include <vector>

namespace netvik::win32 {

namespace {

HKEY ToHkey(platform::RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

static_assert(REG_SZ == platform::kRegSz);
static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is the system's wide text");

std::int32_t Win32Registry::CreateKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    HKEY opened = nullptr;
    const LONG result = RegCreateKeyA(ToHkey(root), path.c_str(), &opened);
    key = reinterpret_cast<platform::RegKey>(opened);
    return result;
}

std::int32_t Win32Registry::OpenKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyA(ToHkey(root), path.c_str(), &opened);
    key = reinterpret_cast<platform::RegKey>(opened);
    return result;
}

std::int32_t Win32Registry::QueryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                                       std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD bytes = size;
    const LONG result = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType,
                                         size == 0 ? nullptr : reinterpret_cast<BYTE*>(data), &bytes);
    type = valueType;
    size = bytes;
    return result;
}

std::int32_t Win32Registry::SetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                                     const char* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data), size);
}

std::int32_t Win32Registry::SetWideText(platform::RegKey key, const std::string& name, const std::u16string& text) {
    // Value names are ASCII; the name and the text with their NULs.
    std::vector<wchar_t> wideName(name.begin(), name.end());
    wideName.push_back(L'\0');
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
    return RegSetValueExW(ToHkey(key), wideName.data(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

std::int32_t Win32Registry::DeleteValue(platform::RegKey key, const std::string& name) {
    return RegDeleteValueA(ToHkey(key), name.c_str());
}

std::int32_t Win32Registry::CloseKey(platform::RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace netvik::win32
