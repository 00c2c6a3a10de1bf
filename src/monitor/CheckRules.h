#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "monitor/StateRecord.h"

namespace netvik {

// The check cycle's and the countdown's decisions, over plain data.

// Each position's echo time-out: it shrinks by a factor of five towards the
// near end of the chain. Every position is asked twice.
inline constexpr std::array<std::int16_t, kChainLength> kEchoTimeouts = {1000, 200, 40};
inline constexpr int kAttemptsPerPosition = 2;
inline constexpr int kNoAnswer = -1;

// Asks the chain from the farthest position to the nearest; the first that
// answers decides, and nothing after it is asked. echo(position, timeout)
// sends one request and says whether it was answered. Returns the position,
// or kNoAnswer.
template <typename Echo>
int FirstToAnswer(Echo echo) {
    for (int position = Internet; position <= Computer; ++position) {
        for (int attempt = 0; attempt < kAttemptsPerPosition; ++attempt) {
            if (echo(position, kEchoTimeouts[static_cast<std::size_t>(position)])) return position;
        }
    }
    return kNoAnswer;
}

// What the tray shows for a cycle's verdict: the image-list index of its
// picture and its tip.
struct VerdictLook {
    int icon;
    std::string tip;
};
VerdictLook LookOf(int answered, const std::array<std::string, kChainLength>& verdictTips);

// One tick of the minute countdown: the minutes left after it, and whether a
// check is due. A countdown found at 0 is as due as one found at 1; a due
// one starts again from the refresh interval.
struct CountdownStep {
    std::uint8_t minutesLeft;
    bool checkDue;
};
CountdownStep Countdown(std::uint8_t minutesLeft, std::uint8_t refreshMinutes);

}  // namespace netvik
