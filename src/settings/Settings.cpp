#include "settings/Settings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "monitor/PanelDesign.h"

namespace netvik {

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

std::string LogonCommand(const std::string& executablePath) {
    if (executablePath.find(' ') == std::string::npos) return executablePath;
    return '"' + executablePath + '"';
}

}  // namespace netvik
