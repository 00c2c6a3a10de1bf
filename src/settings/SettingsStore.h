#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Application.h"
#include "settings/modWinReg.h"

namespace netvik {

// A well-known web site that answers echo requests: the web-site name when
// nothing is stored.
inline constexpr char DefaultSiteHostName[] = "www.wikipedia.org";

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

// The settings in the registry (HKEY_LOCAL_MACHINE\Software\Netvik, text
// values) and the logon entry that starts the program when the user logs on.
// Stored texts are untrusted: whatever they hold, Load gives values within
// their ranges.
class SettingsStore {
public:
    explicit SettingsStore(modWinReg& registry) : registry_(registry) {}

    // The stored settings, or none when nothing is stored ("Internet" is
    // missing: a first run). A missing or unreadable value reads as empty
    // text, a refresh rate that is no number in range as the nearest one.
    std::optional<LoadedSettings> Load();

    // Writes every value, in the order Internet, Host, Computer, RefreshRate,
    // HostName, LoadatStartup. Returns 0, or the code of the first write that
    // failed (the others are tried all the same).
    std::int32_t Save(const StoredSettings& settings);

    // The logon entry: the program's path, quoted when it holds a blank,
    // written as UTF-16 where the ANSI code page cannot name it. Each returns
    // 0, or the code of the failed write or removal (or why the path could
    // not be had); removing an entry that is already gone counts as done.
    std::int32_t SetLogonEntry(const platform::FilePath& program);
    std::int32_t RemoveLogonEntry();

private:
    std::string Read(const char* name);
    std::int32_t Write(const char* name, const std::string& data);

    modWinReg& registry_;
};

// The stored refresh rate as minutes: a number is rounded and put at the
// nearest value from 1 to 15; anything else, an empty text included, gives 1.
std::int32_t RefreshRateFromText(const std::string& text);

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
