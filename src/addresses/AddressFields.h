#pragma once
#include <cstdint>
#include <string>

#include "platform/MessageBoxes.h"

namespace netvik {

// The keystroke filter of the address boxes: digits, "." and Backspace pass;
// every other typed character is swallowed (its code set to 0), the
// clipboard shortcuts' control characters included.
void FilterAddressKey(std::int16_t& keyAscii);

// A stored address as its box shows it. A text longer than the box holds is
// no address: it never enters the box whole, but cut and ending in "...",
// which never passes for an address.
std::string StoredAddressText(const std::string& stored);

// Tells the user that one or more of the address boxes hold no valid
// address, and what a valid one looks like (not which box is at fault).
void ShowInvalidAddressesMessage(platform::MessageBoxes& messages);

namespace address_texts {

inline constexpr char kInvalidTitle[] = "Error";
inline constexpr char kInvalidAddresses[] =
    "One or more IP-addresses are invalid!\rIP-addresses should be of the following form:\r\rx.x.x.x (with x "
    "ranging from 0 to 255)";

}  // namespace address_texts
}  // namespace netvik
