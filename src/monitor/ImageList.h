#pragma once
#include <string_view>

#include "platform/Pictures.h"

namespace netvik {

// The six tray pictures, by 1-based index or by key.
class ImageList {
public:
    static constexpr int kCount = 6;

    explicit ImageList(const platform::Pictures& pictures) : pictures_(pictures) {}

    platform::IconHandle ListImage(int index) const;
    platform::IconHandle ListImage(std::string_view key) const;

    // The key of the picture at 1-based index, or "" outside 1..6.
    static std::string_view Key(int index);
    // The 1-based index of a key, or 0 when there is no such key.
    static int IndexOf(std::string_view key);

private:
    const platform::Pictures& pictures_;
};

}  // namespace netvik
