#include "history/Words.h"

#include "history/HistoryTexts.h"

namespace netvik::history {

std::string& Words::Next() {
    const std::size_t mark = rest_.find('%');
    const std::size_t length = mark == std::string_view::npos ? rest_.size() : mark;
    text_.append(rest_.data(), length);
    rest_ = length == rest_.size() ? std::string_view()
                                   : std::string_view(rest_.data() + length + 1, rest_.size() - length - 1);
    return text_;
}

std::string Words::Done() {
    text_ += rest_;
    rest_ = {};
    return std::move(text_);
}

Words& Words::Text(std::string_view text) {
    Next() += text;
    return *this;
}

Words& Words::Number(std::uint32_t number) {
    Next();
    Digits(number);
    return *this;
}

void Words::Digits(std::uint32_t number) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    while (count > 0) text_ += digits[--count];
}

void Words::Count(std::uint32_t count, std::string_view unit) {
    Digits(count);
    text_ += ' ';
    text_ += unit;
    if (count != 1) text_ += 's';
}

Words& Words::Duration(std::int64_t seconds) {
    // Each unit in minutes; lengths past 136 years are held there.
    constexpr std::uint32_t kMinutes[] = {1, 60, 1440, 525600};
    const std::uint32_t minutes = static_cast<std::uint32_t>(seconds < 60           ? 0
                                                             : seconds > 0xFFFFFFFF ? 0xFFFFFFFF
                                                                                    : seconds) /
                                  60;
    if (minutes < 1) return Text(texts::kUnderAMinute);
    int unit = 3;
    while (minutes < kMinutes[unit]) --unit;
    Next();
    Count(minutes / kMinutes[unit], texts::kUnits[static_cast<std::size_t>(unit)]);
    const std::uint32_t rest = unit > 0 ? minutes % kMinutes[unit] / kMinutes[unit - 1] : 0;
    if (rest != 0) {
        text_ += ' ';
        Count(rest, texts::kUnits[static_cast<std::size_t>(unit - 1)]);
    }
    return *this;
}

// The parts of a line's time stamp, 2026-12-07T18:04:05+01:00.
constexpr std::size_t kDate = 0, kDateLength = 10, kTime = 11, kTimeLength = 5, kOffset = 19, kOffsetLength = 6;

Words& Words::DateTime(const Stamp& stamp) {
    const std::string local = FormatStamp(stamp);
    Next().append(local.data() + kDate, kDateLength) += ' ';
    text_.append(local.data() + kTime, kTimeLength);
    return *this;
}

Words& Words::Day(const Stamp& stamp) {
    const std::int64_t local = stamp.utc + std::int64_t{stamp.offsetMinutes} * 60;
    const std::int64_t days = FloorDiv(local, 86400) + 4;  // 1970-01-01 was a Thursday
    Next() += texts::kWeekdays[static_cast<std::size_t>(days - FloorDiv(days, 7) * 7)];
    text_ += ' ';
    text_.append(FormatStamp(stamp).data() + kDate, kDateLength);
    return *this;
}

Words& Words::Clock(const Stamp& stamp) {
    Next().append(FormatStamp(stamp).data() + kTime, kTimeLength);
    return *this;
}

Words& Words::Offset(const Stamp& stamp) {
    Next().append(FormatStamp(stamp).data() + kOffset, kOffsetLength);
    return *this;
}

Words& Words::Range(const Stamp& first, const Stamp& second) {
    const std::string a = FormatStamp(first), b = FormatStamp(second);
    DateTime(first);
    text_ += " - ";
    if (std::string_view(a.data() + kDate, kDateLength) != std::string_view(b.data() + kDate, kDateLength)) {
        text_.append(b.data() + kDate, kDateLength) += ' ';
    }
    text_.append(b.data() + kTime, kTimeLength);
    return *this;
}

Words& Words::Share(std::int64_t part, std::int64_t whole) {
    if (part >= whole) return Text("100%");
    const std::uint32_t tenths = static_cast<std::uint32_t>(part) * 1000 / static_cast<std::uint32_t>(whole);
    Number(tenths / 10);
    text_ += '.';
    text_ += static_cast<char>('0' + tenths % 10);
    text_ += '%';
    return *this;
}

}  // namespace netvik::history
