#include "settings/RefreshRateText.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "common/PanelDesign.h"

namespace netvik {

namespace {

// A stored refresh rate is read as the C library's strtod reads a whole text
// (decimal or hexadecimal digits with a point and an exponent, "inf",
// "infinity", "nan"), and the double it gives is rounded to the nearest
// minute, halves to even. Only where the number lies against the half
// minutes matters, so it is compared there exactly, digit by digit, instead
// of through a full conversion (which would bring some 20 KB of the C
// library into the program): a number counts as a half when it lies so close
// to one that the nearest double is that half.

using Digits = std::vector<int>;  // most significant first

// The number's digits after its point, from the first significant one: the
// value is 0.DIGITS x BASE^EXPONENT.
struct Mantissa {
    int base = 10;
    Digits digits;
    long long exponent = 0;
};

bool IsDigitIn(int base, char c) {
    if (c >= '0' && c <= '9') return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

int DigitValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if ((text[at + i] | 0x20) != word[i]) return false;
    }
    return true;
}

// Reads the digits with their point and exponent from `at`, as strtod does:
// the exponent only when digits follow it. False when there is no digit.
bool ReadMantissa(std::string_view text, std::size_t& at, int base, Mantissa& out) {
    const int radix = base == 16 ? 2 : 10;  // hexadecimal digits are read as bits
    long long pointAt = 0;
    bool any = false, point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigitIn(base, c)) break;
        any = true;
        const int value = DigitValue(c);
        for (int bit = base == 16 ? 3 : 0; bit >= 0; --bit) {
            const int digit = base == 16 ? (value >> bit) & 1 : value;
            if (out.digits.empty() && digit == 0) {
                if (point) --pointAt;  // a zero before the first significant digit
            } else {
                out.digits.push_back(digit);
                if (!point) ++pointAt;
            }
        }
    }
    if (!any) return false;
    out.base = radix;
    const char mark = base == 16 ? 'p' : 'e';
    if (at < text.size() && (text[at] | 0x20) == mark) {
        std::size_t next = at + 1;
        const bool negative = next < text.size() && text[next] == '-';
        if (next < text.size() && (text[next] == '+' || text[next] == '-')) ++next;
        if (next < text.size() && IsDigitIn(10, text[next])) {
            long long exponent = 0;
            for (; next < text.size() && IsDigitIn(10, text[next]); ++next) {
                if (exponent < 1000000000) exponent = exponent * 10 + (text[next] - '0');
            }
            pointAt += negative ? -exponent : exponent;
            at = next;
        }
    }
    while (!out.digits.empty() && out.digits.back() == 0) out.digits.pop_back();
    out.exponent = pointAt;
    return true;
}

// HALF - 2^-k and HALF + 2^-k in `base` (2 or 10), k digits after the point.
void TieBounds(int base, int k, Digits& lower, Digits& upper) {
    Digits step(static_cast<std::size_t>(k), 0);  // 2^-k = 5^k / 10^k in base 10
    step.back() = 1;
    if (base == 10) {
        for (int i = 0; i < k; ++i) {
            int carry = 0;
            for (auto d = step.rbegin(); d != step.rend(); ++d) {
                const int value = *d * 5 + carry;
                *d = value % 10;
                carry = value / 10;
            }
        }
    }
    Digits half(static_cast<std::size_t>(k), 0);
    half.front() = base / 2;
    lower = upper = half;
    int borrow = 0, carry = 0;
    for (int i = k - 1; i >= 0; --i) {
        const int down = lower[i] - step[i] - borrow;
        borrow = down < 0 ? 1 : 0;
        lower[i] = down + borrow * base;
        const int up = upper[i] + step[i] + carry;
        carry = up / base;
        upper[i] = up % base;
    }
}

// -1, 0 or 1 as 0.A compares with 0.B.
int CompareFractions(const Digits& a, std::size_t from, const Digits& b) {
    const std::size_t length = std::max(a.size() > from ? a.size() - from : 0, b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int x = from + i < a.size() ? a[from + i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

std::int32_t RoundedMinutes(const Mantissa& number) {
    const std::int32_t lowest = panel_design::kRefreshMin, highest = panel_design::kRefreshMax;
    if (number.digits.empty() || number.exponent <= 0) return lowest;  // below 1
    const int integerDigits = number.base == 2 ? 5 : 2;                // enough for "more than highest"
    if (number.exponent > integerDigits) return highest;
    std::int32_t whole = 0;
    for (long long i = 0; i < number.exponent; ++i) {
        const auto at = static_cast<std::size_t>(i);
        whole = whole * number.base + (at < number.digits.size() ? number.digits[at] : 0);
    }
    if (whole >= highest) return highest;
    // The nearest double is whole + 1/2 within 2^(e - 53) of it, e the
    // exponent of its highest bit; that half is even, so the bounds belong.
    int e = 0;
    while ((2 << e) <= whole) ++e;
    Digits lower, upper;
    TieBounds(number.base, 53 - e, lower, upper);
    const auto from = static_cast<std::size_t>(number.exponent);
    std::int32_t rounded = whole;
    if (CompareFractions(number.digits, from, upper) > 0) {
        rounded = whole + 1;
    } else if (CompareFractions(number.digits, from, lower) >= 0) {
        rounded = whole % 2 == 0 ? whole : whole + 1;  // a half: to the even minute
    }
    return std::clamp(rounded, lowest, highest);
}

}  // namespace

std::int32_t RefreshRateFromText(const std::string& text) {
    const std::int32_t lowest = panel_design::kRefreshMin, highest = panel_design::kRefreshMax;
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return lowest;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view number = std::string_view(text).substr(first, last - first + 1);

    std::size_t at = number.find_first_not_of(" \t\n\v\f\r");  // as strtod skips
    if (at == std::string_view::npos) return lowest;
    const bool negative = number[at] == '-';
    if (number[at] == '+' || number[at] == '-') ++at;
    std::int32_t minutes = lowest;
    if (StartsWithNoCase(number, at, "inf")) {
        at += StartsWithNoCase(number, at, "infinity") ? 8 : 3;
        minutes = negative ? lowest : highest;
    } else if (StartsWithNoCase(number, at, "nan")) {
        return lowest;  // a NaN, with or without its "(chars)"
    } else {
        Mantissa mantissa;
        std::size_t hex = at + 2;
        const bool isHex = StartsWithNoCase(number, at, "0x") && ReadMantissa(number, hex, 16, mantissa);
        if (isHex) {
            at = hex;
        } else if (mantissa = Mantissa{}; !ReadMantissa(number, at, 10, mantissa)) {
            return lowest;  // no number at all
        }
        minutes = negative ? lowest : RoundedMinutes(mantissa);
    }
    return at == number.size() ? minutes : lowest;  // anything after the number spoils it
}

}  // namespace netvik
