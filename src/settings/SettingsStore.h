#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Application.h"
#include "registry/modWinReg.h"

namespace netvik {

// The program's settings as they are kept between runs.
struct StoredSettings {
    std::string Internet;  // the chain's dotted addresses, as entered
    std::string Host;
    std::string Computer;
    std::int32_t RefreshRate = 1;    // minutes, 1 to 15
    std::string HostName;            // the web site of the Internet address dialog
    std::int16_t LoadatStartup = 0;  // the start-at-logon check box: 0, 1 (2: greyed)
};

struct LoadedSettings : StoredSettings {
    // "LoadatStartup", the value read last, was there. Without it (settings
    // of an Ok that never stored it) the program opens its panel at start.
    bool startupChoiceFound = false;
};

// The settings in the registry (Software\Netvik, text values) and the logon
// entry (Software\Microsoft\Windows\CurrentVersion\Run, "Netvik") that
// starts the program when the user logs on: under HKEY_LOCAL_MACHINE where
// that may be written, else under HKEY_CURRENT_USER. Stored texts are
// untrusted: whatever they hold, Load gives values within their ranges.
class SettingsStore {
public:
    explicit SettingsStore(modWinReg& registry) : registry_(registry) {}

    // The stored settings, or none when nothing is stored ("Internet" is
    // missing: a first run): the user's when HKEY_CURRENT_USER holds
    // "Internet", else the machine's. A missing or unreadable value reads as
    // empty text, a refresh rate that is no number in range as the nearest.
    std::optional<LoadedSettings> Load();

    // Writes every value, in the order Internet, Host, Computer, RefreshRate,
    // HostName, LoadatStartup: under HKEY_LOCAL_MACHINE, or under
    // HKEY_CURRENT_USER when that refuses with access denied. Returns 0, or
    // the code of the first write that failed (the others are tried all the
    // same) where the settings went last.
    std::int32_t Save(const StoredSettings& settings);

    // The logon entry: the program's path, quoted when it holds a blank,
    // written as UTF-16 where the ANSI code page cannot name it, and where
    // the settings go. Removing takes it away wherever it is; one that is
    // already gone counts as removed. Each returns 0, or the code of the
    // failed write or removal (or why the path could not be had).
    std::int32_t SetLogonEntry(const platform::FilePath& program);
    std::int32_t RemoveLogonEntry();
    // A logon entry is there, in either place.
    bool HasLogonEntry();

private:
    std::string Read(platform::RegKey root, const char* name);
    std::int32_t SaveUnder(platform::RegKey root, const StoredSettings& settings);
    // Deletes a value under Software when it is there.
    std::int32_t Remove(platform::RegKey root, const char* subkey, const char* name);

    modWinReg& registry_;
};

// The stored start-up choice as the check box's value: exactly "1" checks it.
std::int16_t LoadAtStartupFromText(const std::string& text);

// The logon entry's command: the program's full path, quoted when it holds a
// blank so that no other program can be started in its place.
template <typename Text>
Text LogonCommand(const Text& executablePath) {
    using Char = typename Text::value_type;
    if (executablePath.find(Char(' ')) == Text::npos) return executablePath;
    return Char('"') + executablePath + Char('"');
}

}  // namespace netvik
