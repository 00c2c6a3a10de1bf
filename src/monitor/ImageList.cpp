#include "monitor/ImageList.h"

#include <array>
#include <string>

#include "common/Failure.h"

namespace netvik {

namespace {

// Checking, disabled, error, then the verdicts from the nearest position to
// the farthest, so that position p answers with index 6 - p.
constexpr std::array<std::string_view, ImageList::kCount> kKeys = {"p", "d", "e", "CIP", "HIP", "IIP"};

}  // namespace

std::string_view ImageList::Key(int index) {
    if (index < 1 || index > kCount) return {};
    return kKeys[static_cast<std::size_t>(index - 1)];
}

int ImageList::IndexOf(std::string_view key) {
    for (int index = 1; index <= kCount; ++index) {
        if (Key(index) == key) return index;
    }
    return 0;
}

platform::IconHandle ImageList::ListImage(int index) const {
    if (index < 1 || index > kCount) Fail("no tray picture " + std::to_string(index));
    return pictures_.TrayIcon(index);
}

platform::IconHandle ImageList::ListImage(std::string_view key) const {
    const int index = IndexOf(key);
    if (index == 0) Fail("no tray picture " + std::string(key));
    return pictures_.TrayIcon(index);
}

}  // namespace netvik
