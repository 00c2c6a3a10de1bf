// The record's line format: CSV, one change a line, times in ISO 8601 with
// their local offset. Dates are converted by hand (days from the civil
// calendar and back), digits are read one by one.
#include "history/Line.h"

#include <array>

#include "net/AddressText.h"

namespace netvik::history {

namespace {

constexpr std::array<std::string_view, kStateCount> kWords = {
    "connected", "no-internet", "no-host", "network-error", "disabled", "not-running", "asleep",
};

// What the site said to a TCP connection, by SiteByTcp.
constexpr std::array<std::string_view, 3> kTcpWords = {"", "answers", "silent"};

constexpr std::int32_t kMaxOffset = 23 * 60 + 59;

// Local times run from 1970 to 2105, the years whose seconds since 1970 an
// unsigned 32-bit number holds: no arithmetic here needs more.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2105;

// Days since 1970-01-01 of a date from 1970 on (proleptic Gregorian).
constexpr std::uint32_t DaysFromCivil(int civilYear, int civilMonth, int civilDay) {
    const auto month = static_cast<std::uint32_t>(civilMonth), day = static_cast<std::uint32_t>(civilDay);
    const auto year = static_cast<std::uint32_t>(civilYear - (month <= 2 ? 1 : 0));
    const std::uint32_t era = year / 400;
    const std::uint32_t yearOfEra = year - era * 400;
    const std::uint32_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::uint32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::uint32_t kDay = 86400;
constexpr std::int64_t kLastLocal = std::int64_t{DaysFromCivil(kLastYear + 1, 1, 1)} * kDay - 1;
static_assert(kLastLocal <= 0xFFFFFFFF);

struct CivilTime {
    int year, month, day, hour, minute, second;
};

CivilTime CivilFromSeconds(std::uint32_t seconds) {
    const std::uint32_t days = seconds / kDay + 719468;
    const std::uint32_t era = days / 146097;
    const std::uint32_t dayOfEra = days - era * 146097;
    const std::uint32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint32_t monthIndex = (5 * dayOfYear + 2) / 153;
    const std::uint32_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::uint32_t ofDay = seconds % kDay;
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)),
            static_cast<int>(month),
            static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1),
            static_cast<int>(ofDay / 3600),
            static_cast<int>(ofDay / 60 % 60),
            static_cast<int>(ofDay % 60)};
}

int DaysInMonth(int year, int month) {
    if (month == 2) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

// A time stamp's shape: '0' a digit, '+' the offset's sign; and its
// numbers: where each stands, how wide, and its range.
constexpr std::string_view kShape = "0000-00-00T00:00:00+00:00";
struct Field {
    std::uint8_t at, width;
    std::int16_t low, high;
};
enum { kYear, kMonth, kDayOfMonth, kHour, kMinute, kSecond, kOffsetHours, kOffsetMinutes, kFields };
constexpr Field kStampFields[kFields] = {{0, 4, kFirstYear, kLastYear},
                                         {5, 2, 1, 12},
                                         {8, 2, 1, 31},
                                         {11, 2, 0, 23},
                                         {14, 2, 0, 59},
                                         {17, 2, 0, 59},
                                         {20, 2, 0, 23},
                                         {23, 2, 0, 59}};

// The text up to the next comma, taken from rest with its comma; rest is
// empty after the last field. False when rest has no field left.
bool NextField(std::string_view& rest, std::string_view& field, bool& last) {
    if (last) return false;
    const std::size_t comma = rest.find(',');
    last = comma == std::string_view::npos;
    const std::size_t length = last ? rest.size() : comma;
    field = {rest.data(), length};
    rest.remove_prefix(last ? length : length + 1);
    return true;
}

// "3 100.64.0.1": a time-to-live of 1 to 255 and a dotted address; "" for
// none.
bool ParseHop(std::string_view text, LastHop& hop) {
    hop = {};
    if (text.empty()) return true;
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos || blank == 0 || blank > 3 || text[0] == '0') return false;
    unsigned number = 0;
    for (std::size_t i = 0; i < blank; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        number = number * 10 + static_cast<unsigned>(text[i] - '0');
    }
    const std::string_view address(text.data() + blank + 1, text.size() - blank - 1);
    const auto packed = static_cast<std::uint32_t>(AddressToLong(address));
    if (number > 255 || packed == 0) return false;
    hop = {static_cast<std::uint8_t>(number), packed};
    return true;
}

}  // namespace

bool operator==(const Entry& a, const Entry& b) {
    return a.at == b.at && a.state == b.state && a.lastSeen == b.lastSeen && a.lastHop.number == b.lastHop.number &&
           a.lastHop.address == b.lastHop.address && a.siteByTcp == b.siteByTcp;
}

std::string_view StateWord(State state) { return kWords[static_cast<std::size_t>(state)]; }

std::string FormatStamp(const Stamp& stamp) {
    Stamp held = stamp;
    if (held.offsetMinutes > kMaxOffset) held.offsetMinutes = kMaxOffset;
    if (held.offsetMinutes < -kMaxOffset) held.offsetMinutes = -kMaxOffset;
    const std::int64_t local = held.utc + std::int64_t{held.offsetMinutes} * 60;
    const CivilTime t = CivilFromSeconds(static_cast<std::uint32_t>(local < 0            ? 0
                                                                    : local > kLastLocal ? kLastLocal
                                                                                         : local));
    const int offset = held.offsetMinutes < 0 ? -held.offsetMinutes : held.offsetMinutes;
    const int values[kFields] = {t.year, t.month, t.day, t.hour, t.minute, t.second, offset / 60, offset % 60};
    std::string text(kShape);
    for (int f = 0; f < kFields; ++f) {
        int value = values[f];
        for (int i = kStampFields[f].at + kStampFields[f].width - 1; i >= kStampFields[f].at; --i, value /= 10) {
            text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        }
    }
    if (held.offsetMinutes < 0) text[19] = '-';
    return text;
}

bool ParseStamp(std::string_view text, Stamp& stamp) {
    // The shape's separators, then its numbers, each digit checked as it is read.
    if (text.size() != kShape.size() || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || (text[19] != '+' && text[19] != '-') || text[22] != ':') {
        return false;
    }
    int values[kFields];
    for (int f = 0; f < kFields; ++f) {
        int value = 0;
        for (int i = kStampFields[f].at; i < kStampFields[f].at + kStampFields[f].width; ++i) {
            const char digit = text[static_cast<std::size_t>(i)];
            if (digit < '0' || digit > '9') return false;
            value = value * 10 + (digit - '0');
        }
        if (value < kStampFields[f].low || value > kStampFields[f].high) return false;
        values[f] = value;
    }
    if (values[kDayOfMonth] > DaysInMonth(values[kYear], values[kMonth])) return false;
    std::int32_t offset = values[kOffsetHours] * 60 + values[kOffsetMinutes];
    if (text[19] == '-') {
        if (offset == 0) return false;  // "+00:00" is how UTC is written
        offset = -offset;
    }
    const std::int64_t local = std::int64_t{DaysFromCivil(values[kYear], values[kMonth], values[kDayOfMonth])} * kDay +
                               values[kHour] * 3600 + values[kMinute] * 60 + values[kSecond];
    stamp.utc = local - std::int64_t{offset} * 60;
    stamp.offsetMinutes = offset;
    return true;
}

std::string FormatLine(const Entry& entry) {
    std::string line = FormatStamp(entry.at);
    line += ',';
    line += StateWord(entry.state);
    line += ',';
    if (entry.lastSeen) line += FormatStamp(*entry.lastSeen);
    if (entry.state == State::NoInternet && Traced(entry)) {
        line += ',';
        if (entry.lastHop.number != 0) {
            line += std::to_string(entry.lastHop.number);
            line += ' ';
            line += LongToAddress(entry.lastHop.address);
        }
        line += ',';
        line += kTcpWords[static_cast<std::size_t>(entry.siteByTcp)];
    }
    return line;
}

bool ParseLine(std::string_view line, Entry& entry) {
    std::string_view rest = line, time, word, last, hop, tcp;
    bool end = false;
    if (!NextField(rest, time, end) || !NextField(rest, word, end) || !NextField(rest, last, end)) return false;
    Entry parsed;
    if (!ParseStamp(time, parsed.at)) return false;
    std::size_t state = 0;
    while (state < kWords.size() && kWords[state] != word) ++state;
    if (state == kWords.size()) return false;
    parsed.state = static_cast<State>(state);
    if (!last.empty()) {
        Stamp seen;
        if (!ParseStamp(last, seen)) return false;
        parsed.lastSeen = seen;
    }
    if (!end) {
        // A traced change: exactly two fields more, as formatting writes them.
        if (!NextField(rest, hop, end) || !NextField(rest, tcp, end) || !end || !ParseHop(hop, parsed.lastHop)) {
            return false;
        }
        std::size_t answer = 0;
        while (answer < kTcpWords.size() && kTcpWords[answer] != tcp) ++answer;
        if (answer == kTcpWords.size()) return false;
        parsed.siteByTcp = static_cast<SiteByTcp>(answer);
        if (parsed.state != State::NoInternet || !Traced(parsed)) return false;
    }
    entry = parsed;
    return true;
}

}  // namespace netvik::history
