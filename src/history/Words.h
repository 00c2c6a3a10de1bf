#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "history/Line.h"

namespace netvik::history {

// Builds a text from a pattern of the texts (history/HistoryTexts.h): each
// value goes where the pattern's next '%' stands, the rest of the pattern
// follows at Done. Values in plain words: numbers, times, lengths, sizes.
class Words {
public:
    explicit Words(std::string_view pattern = "%") : rest_(pattern) {}

    Words& Text(std::string_view text);
    Words& Number(std::uint32_t number);
    // "16 minutes", "2 hours 5 minutes", "3 days 1 hour"; under a minute
    // "less than a minute".
    Words& Duration(std::int64_t seconds);
    // Local date and time as the line has it, "2026-12-07 18:04".
    Words& DateTime(const Stamp& stamp);
    // Local time of day, "18:04".
    Words& Clock(const Stamp& stamp);
    // The local date's weekday and date, "Mon 2026-12-07".
    Words& Day(const Stamp& stamp);
    // Local time's offset from UTC, "+01:00".
    Words& Offset(const Stamp& stamp);
    // Between two checks: "2026-12-07 17:59 - 18:04", the date once when
    // both fall on it.
    Words& Range(const Stamp& first, const Stamp& second);
    // "98.5%", rounded down: a share short of the whole never reads 100%.
    // Both at most 30 days of seconds.
    Words& Share(std::int64_t part, std::int64_t whole);

    std::string Done();

private:
    // The pattern up to its next '%', which the next value takes.
    std::string& Next();
    void Digits(std::uint32_t number);
    void Count(std::uint32_t count, std::string_view unit);

    std::string text_;
    std::string_view rest_;
};

}  // namespace netvik::history
