#pragma once
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace netvik {

// The program's only access to the registry: text values, one key opened and
// closed per operation. Failures are never raised: the code of the first
// failing registry call of an operation is left in LastRegError, and a read
// that fails gives empty text. Opening a key, writing and deleting fail on
// any code but 0; the reads of an open key only on the codes of IsRegError
// (so that "more data" from a size query is none). Not re-entrant (the GUI
// thread only).
class modWinReg {
public:
    explicit modWinReg(platform::Registry& registry) : registry_(registry) {}

    void SaveRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                      const std::string& valueName, const std::string& data);
    // The same for a text that the ANSI code page cannot hold, as UTF-16.
    void SaveRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                      const std::string& valueName, const std::u16string& data);
    std::string GetRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                            const std::string& valueName);
    // Does not reset LastRegError.
    void DeleteRegValue(platform::RegKey root, const std::string& key, const std::string& subkey,
                        const std::string& valueName);

    // The result codes that stop an operation once its key is open.
    static bool IsRegError(std::int32_t code);

    // What LastRegError holds when a key or value was not found
    // (ERROR_FILE_NOT_FOUND).
    static constexpr std::int32_t kNotFound = 2;

    // 0, or the code of the failing registry call; kNotFound when a key or
    // value was not found. Reset by SaveRegValue and GetRegValue.
    std::int32_t LastRegError = 0;

private:
    static std::string KeyPath(const std::string& key, const std::string& subkey);
    // Opens or creates the key, runs write on it (a registry call's result)
    // and closes it, keeping the first failure.
    template <typename Write>
    void Save(platform::RegKey root, const std::string& path, Write write);
    // Records a failure of a step after the key was opened, and closes it.
    void Fail(platform::RegKey openKey, std::int32_t result);

    platform::Registry& registry_;
};

}  // namespace netvik
