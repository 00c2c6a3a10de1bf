#include "settings/SettingsStore.h"

#include <cmath>
#include <cstdlib>

#include "common/PanelDesign.h"

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

}  // namespace

std::string SettingsStore::Read(const char* name) {
    return registry_.GetRegValue(platform::kLocalMachine, kSoftware, kSubkey, name);
}

std::int32_t SettingsStore::Write(const char* name, const std::string& data) {
    registry_.SaveRegValue(platform::kLocalMachine, kSoftware, kSubkey, name, data);
    return registry_.LastRegError;
}

std::optional<LoadedSettings> SettingsStore::Load() {
    LoadedSettings stored;
    stored.Internet = Read(kInternet);
    if (registry_.LastRegError == modWinReg::kNotFound) return std::nullopt;
    stored.Host = Read(kHost);
    stored.Computer = Read(kComputer);
    stored.RefreshRate = RefreshRateFromText(Read(kRefreshRateRead));
    stored.HostName = Read(kHostName);
    stored.LoadatStartup = LoadAtStartupFromText(Read(kLoadAtStartup));
    stored.startupChoiceFound = registry_.LastRegError != modWinReg::kNotFound;
    return stored;
}

std::int32_t SettingsStore::Save(const StoredSettings& settings) {
    std::int32_t failure = 0;
    auto write = [&](const char* name, const std::string& data) {
        const std::int32_t result = Write(name, data);
        if (failure == 0) failure = result;
    };
    write(kInternet, settings.Internet);
    write(kHost, settings.Host);
    write(kComputer, settings.Computer);
    write(kRefreshRateWritten, std::to_string(settings.RefreshRate));
    write(kHostName, settings.HostName);
    write(kLoadAtStartup, std::to_string(settings.LoadatStartup));
    return failure;
}

std::int32_t SettingsStore::SetLogonEntry(const platform::FilePath& program) {
    if (!program.ansi.empty()) {
        registry_.SaveRegValue(platform::kLocalMachine, kSoftware, kRunSubkey, kRunValue, LogonCommand(program.ansi));
    } else if (!program.wide.empty()) {
        registry_.SaveRegValue(platform::kLocalMachine, kSoftware, kRunSubkey, kRunValue, LogonCommand(program.wide));
    } else {
        return program.error != 0 ? program.error : kPathNotFound;  // never an entry that names nothing
    }
    return registry_.LastRegError;
}

std::int32_t SettingsStore::RemoveLogonEntry() {
    registry_.LastRegError = 0;  // a removal does not reset it itself
    registry_.DeleteRegValue(platform::kLocalMachine, kSoftware, kRunSubkey, kRunValue);
    return registry_.LastRegError == modWinReg::kNotFound ? 0 : registry_.LastRegError;
}

std::int32_t RefreshRateFromText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return panel_design::kRefreshMin;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string number = text.substr(first, last - first + 1);

    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || std::isnan(value)) return panel_design::kRefreshMin;
    const double rounded = std::nearbyint(value);  // halves to even
    if (rounded <= panel_design::kRefreshMin) return panel_design::kRefreshMin;
    if (rounded >= panel_design::kRefreshMax) return panel_design::kRefreshMax;
    return static_cast<std::int32_t>(rounded);
}

std::int16_t LoadAtStartupFromText(const std::string& text) { return text == "1" ? 1 : 0; }

}  // namespace netvik
