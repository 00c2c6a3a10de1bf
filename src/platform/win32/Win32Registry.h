#pragma once
#include "platform/Registry.h"

namespace netvik::win32 {

// advapi32's registry calls, ANSI forms.
class Win32Registry : public platform::Registry {
public:
    std::int32_t CreateKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override;
    std::int32_t OpenKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override;
    std::int32_t QueryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size) override;
    std::int32_t SetValue(platform::RegKey key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size) override;
    std::int32_t SetWideText(platform::RegKey key, const std::string& name, const std::u16string& text) override;
    std::int32_t DeleteValue(platform::RegKey key, const std::string& name) override;
    std::int32_t CloseKey(platform::RegKey key) override;
};

}  // namespace netvik::win32
