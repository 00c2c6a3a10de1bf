#include "registry/modWinReg.h"

#include <algorithm>

namespace netvik {

bool modWinReg::IsRegError(std::int32_t code) {
    switch (code) {
        case 2:    // ERROR_FILE_NOT_FOUND
        case 3:    // ERROR_PATH_NOT_FOUND
        case 4:    // ERROR_TOO_MANY_OPEN_FILES
        case 5:    // ERROR_ACCESS_DENIED
        case 6:    // ERROR_INVALID_HANDLE
        case 7:    // ERROR_ARENA_TRASHED
        case 87:   // ERROR_INVALID_PARAMETER
        case 259:  // ERROR_NO_MORE_ITEMS
            return true;
        default: return false;
    }
}

std::string modWinReg::KeyPath(const std::string& key, const std::string& subkey) {
    return subkey.empty() ? key : key + "\\" + subkey;
}

void modWinReg::Fail(platform::RegKey openKey, std::int32_t result) {
    LastRegError = result;
    registry_.CloseKey(openKey);
}

template <typename Write>
void modWinReg::Save(platform::RegKey root, const std::string& path, Write write) {
    LastRegError = 0;
    platform::RegKey openKey = 0;
    const std::int32_t opened = registry_.CreateKey(root, path, openKey);
    if (opened != 0) {
        LastRegError = opened;
        return;
    }
    const std::int32_t written = write(openKey);
    if (written != 0) return Fail(openKey, written);  // whatever the code: nothing was stored
    registry_.CloseKey(openKey);
}

void modWinReg::SaveRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                             const std::string& valueName, const std::string& data) {
    // The text's characters only: no terminating NUL is stored.
    Save(root, KeyPath(key, subkey), [&](platform::RegKey openKey) {
        return registry_.SetValue(openKey, valueName, platform::kRegSz, data.data(),
                                  static_cast<std::uint32_t>(data.size()));
    });
}

void modWinReg::SaveRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                             const std::string& valueName, const std::u16string& data) {
    Save(root, KeyPath(key, subkey),
         [&](platform::RegKey openKey) { return registry_.SetWideText(openKey, valueName, data); });
}

std::string modWinReg::GetRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                                   const std::string& valueName) {
    LastRegError = 0;
    platform::RegKey openKey = 0;
    const std::int32_t opened = registry_.OpenKey(root, KeyPath(key, subkey), openKey);
    if (opened != 0) {
        LastRegError = opened;
        return {};
    }

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const std::int32_t sized = registry_.QueryValue(openKey, valueName, type, nullptr, size);
    if (IsRegError(sized)) {
        Fail(openKey, sized);
        return {};
    }
    if (type != platform::kRegSz) {
        registry_.CloseKey(openKey);
        return {};
    }

    std::string data(size, ' ');
    std::uint32_t written = size;
    const std::int32_t read = registry_.QueryValue(openKey, valueName, type, data.data(), written);
    if (IsRegError(read)) {
        Fail(openKey, read);
        return {};
    }
    registry_.CloseKey(openKey);

    // The text ends at the first NUL, or with the bytes the registry wrote.
    data.resize(std::min<std::size_t>(written, data.size()));
    const std::size_t terminator = data.find('\0');
    if (terminator != std::string::npos) data.resize(terminator);
    return data;
}

void modWinReg::DeleteRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                               const std::string& valueName) {
    platform::RegKey openKey = 0;
    const std::int32_t opened = registry_.OpenKey(root, KeyPath(key, subkey), openKey);
    if (opened != 0) {
        LastRegError = opened;
        return;
    }
    const std::int32_t deleted = registry_.DeleteValue(openKey, valueName);
    if (deleted != 0) return Fail(openKey, deleted);  // whatever the code: the value stays
    registry_.CloseKey(openKey);
}

}  // namespace netvik
