// The address boxes' keystroke filter, and the report of an invalid address
// set.
#include "addresses/AddressFields.h"

#include "common/PanelDesign.h"

namespace netvik {

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kDot = 46;

}  // namespace

void FilterAddressKey(std::int16_t& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kDot && keyAscii != kBackspace) keyAscii = 0;
}

std::string StoredAddressText(const std::string& stored) {
    if (stored.size() <= panel_design::kAddressMaxLength) return stored;
    constexpr char kCut[] = "...";
    return stored.substr(0, panel_design::kAddressMaxLength - (sizeof kCut - 1)) + kCut;
}

void ShowInvalidAddressesMessage(platform::MessageBoxes& messages) {
    messages.Show(address_texts::kInvalidAddresses, address_texts::kInvalidTitle, platform::MessageIcon::Error);
}

}  // namespace netvik
