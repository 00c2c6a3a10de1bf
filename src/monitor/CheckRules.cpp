#include "monitor/CheckRules.h"

#include "monitor/ImageList.h"
#include "monitor/MonitorTexts.h"

namespace netvik {

VerdictLook LookOf(int answered, const std::array<std::string, kChainLength>& verdictTips) {
    if (answered == kNoAnswer) return {ImageList::IndexOf("e"), monitor_texts::kNetworkErrorTip};
    // The verdicts stand from the nearest position to the farthest at the
    // end of the list: position p has picture 6 - p.
    return {ImageList::kCount - answered, verdictTips[static_cast<std::size_t>(answered)]};
}

CountdownStep Countdown(std::uint8_t minutesLeft, std::uint8_t refreshMinutes) {
    if (minutesLeft <= 1) return {refreshMinutes, true};
    return {static_cast<std::uint8_t>(minutesLeft - 1), false};
}

}  // namespace netvik
