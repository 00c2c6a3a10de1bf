#include "settings/SettingsStore.h"

#include "settings/RefreshRateText.h"

namespace netvik {

namespace {

constexpr char kSoftware[] = "Software";
constexpr char kSubkey[] = "Netvik";
constexpr char kInternet[] = "Internet";
constexpr char kHost[] = "Host";
constexpr char kComputer[] = "Computer";
constexpr char kRefreshRateWritten[] = "RefreshRate";
constexpr char kRefreshRateRead[] = "Refreshrate";  // the same value: names ignore case
constexpr char kHostName[] = "HostName";
constexpr char kLoadAtStartup[] = "LoadatStartup";

constexpr char kRunSubkey[] = "Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Netvik";

constexpr std::int32_t kPathNotFound = 3;  // ERROR_PATH_NOT_FOUND
constexpr std::int32_t kAccessDenied = 5;  // ERROR_ACCESS_DENIED

}  // namespace

// The machine's part of the registry holds the settings where it may be
// written (the first Windows generation, an administrator); elsewhere an
// ordinary user's writes there are refused, and the user's own part holds
// them. The user's part, when it holds settings, is what was saved last.

std::string SettingsStore::Read(platform::RegKey root, const char* name) {
    return registry_.GetRegValue(root, kSoftware, kSubkey, name);
}

std::optional<LoadedSettings> SettingsStore::Load() {
    LoadedSettings stored;
    platform::RegKey root = platform::kCurrentUser;
    stored.Internet = Read(root, kInternet);
    if (registry_.LastRegError == modWinReg::kNotFound) {
        root = platform::kLocalMachine;
        stored.Internet = Read(root, kInternet);
        if (registry_.LastRegError == modWinReg::kNotFound) return std::nullopt;
    }
    stored.Host = Read(root, kHost);
    stored.Computer = Read(root, kComputer);
    stored.RefreshRate = RefreshRateFromText(Read(root, kRefreshRateRead));
    stored.HostName = Read(root, kHostName);
    stored.LoadatStartup = LoadAtStartupFromText(Read(root, kLoadAtStartup));
    stored.startupChoiceFound = registry_.LastRegError != modWinReg::kNotFound;
    return stored;
}

std::int32_t SettingsStore::SaveUnder(platform::RegKey root, const StoredSettings& settings) {
    std::int32_t failure = 0;
    auto write = [&](const char* name, const std::string& data) {
        registry_.SaveRegValue(root, kSoftware, kSubkey, name, data);
        if (failure == 0) failure = registry_.LastRegError;
    };
    write(kInternet, settings.Internet);
    write(kHost, settings.Host);
    write(kComputer, settings.Computer);
    write(kRefreshRateWritten, std::to_string(settings.RefreshRate));
    write(kHostName, settings.HostName);
    write(kLoadAtStartup, std::to_string(settings.LoadatStartup));
    return failure;
}

std::int32_t SettingsStore::Save(const StoredSettings& settings) {
    const std::int32_t failure = SaveUnder(platform::kLocalMachine, settings);
    if (failure == kAccessDenied) return SaveUnder(platform::kCurrentUser, settings);
    if (failure != 0) return failure;
    // Saved for the machine: the user's older settings must not win over it.
    return Remove(platform::kCurrentUser, kSubkey, kInternet);
}

std::int32_t SettingsStore::SetLogonEntry(const platform::FilePath& program) {
    if (program.ansi.empty() && program.wide.empty()) {
        return program.error != 0 ? program.error : kPathNotFound;  // never an entry that names nothing
    }
    for (const platform::RegKey root : {platform::kLocalMachine, platform::kCurrentUser}) {
        if (!program.ansi.empty()) {
            registry_.SaveRegValue(root, kSoftware, kRunSubkey, kRunValue, LogonCommand(program.ansi));
        } else {
            registry_.SaveRegValue(root, kSoftware, kRunSubkey, kRunValue, LogonCommand(program.wide));
        }
        if (registry_.LastRegError != kAccessDenied) break;
    }
    return registry_.LastRegError;
}

std::int32_t SettingsStore::RemoveLogonEntry() {
    for (const platform::RegKey root : {platform::kLocalMachine, platform::kCurrentUser}) {
        if (const std::int32_t failure = Remove(root, kRunSubkey, kRunValue)) return failure;
    }
    return 0;
}

bool SettingsStore::HasLogonEntry() {
    for (const platform::RegKey root : {platform::kLocalMachine, platform::kCurrentUser}) {
        registry_.GetRegValue(root, kSoftware, kRunSubkey, kRunValue);
        if (registry_.LastRegError != modWinReg::kNotFound) return true;
    }
    return false;
}

std::int32_t SettingsStore::Remove(platform::RegKey root, const char* subkey, const char* name) {
    registry_.GetRegValue(root, kSoftware, subkey, name);
    if (registry_.LastRegError == modWinReg::kNotFound) return 0;  // nothing there: nothing to remove
    registry_.LastRegError = 0;                                    // a removal does not reset it itself
    registry_.DeleteRegValue(root, kSoftware, subkey, name);
    return registry_.LastRegError == modWinReg::kNotFound ? 0 : registry_.LastRegError;
}

std::int16_t LoadAtStartupFromText(const std::string& text) { return text == "1" ? 1 : 0; }

}  // namespace netvik
