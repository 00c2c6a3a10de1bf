// A stored refresh rate read digit by digit gives what the C library's strtod
// and a rounding to even give: compared with them on numbers at and around
// every half minute, in each form strtod reads, and on random texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "settings/RefreshRateText.h"

namespace netvik {
namespace {

std::int32_t ByTheCLibrary(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return 1;
    const std::string number = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || std::isnan(value)) return 1;
    const double rounded = std::nearbyint(value);
    return rounded <= 1 ? 1 : rounded >= 15 ? 15 : static_cast<std::int32_t>(rounded);
}

void ExpectAsTheCLibrary(const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        EXPECT_EQ(RefreshRateFromText(text), ByTheCLibrary(text)) << '"' << text << '"';
}

TEST(StoredRefreshRate, DigitByDigitAsStrtodAtEveryHalfMinute) {
    // 2^-51, the distance from 4.5 ... 7.5 within which a double is the half.
    const std::string step = "000000000000000444089209850062616169452667236328125";
    std::vector<std::string> texts;
    for (int whole = 0; whole <= 16; ++whole) {
        const std::string n = std::to_string(whole);
        texts.insert(texts.end(), {n, n + ".5", "-" + n + ".5", n + "5e-1", "0" + n + ".50", n + ".5" + step,
                                   n + ".5" + step + "1", n + ".4" + step, "0x" + n + ".8p0", n + ".5e0"});
        for (int zeros = 0; zeros <= 22; ++zeros) {
            const std::string z(static_cast<std::size_t>(zeros), '0'), nines(static_cast<std::size_t>(zeros), '9');
            texts.insert(texts.end(), {n + ".5" + z + "1", n + ".4" + nines, n + ".4" + nines + "5",
                                       "0.0" + n + "5" + z + "1e2", n + ".5" + z + "1e0"});
        }
    }
    for (const char* whole : {"1", "2", "3", "6", "7", "8", "d", "e", "f"}) {  // halves and 2^-n off them
        for (int zeros = 10; zeros <= 14; ++zeros) {
            const std::string z(static_cast<std::size_t>(zeros), '0'), f(static_cast<std::size_t>(zeros), 'f');
            for (const char* last : {"1", "2", "4", "8", "9"}) {
                texts.insert(texts.end(), {std::string("0x") + whole + ".8" + z + last + "p0",
                                           std::string("0x") + whole + ".7" + f + last + "p0"});
            }
        }
    }
    for (const char* hex : {"0X1.8P+3", "0x.8p1", "0xFp0", "0x10", "0x1p-1074", "0x1p99999", "0x", "0x.", "0xg", "0x1p",
                            "0x1p+", "0x0.0000000000001p53"}) {
        texts.push_back(hex);
    }
    for (const char* other : {"inf",
                              "INFINITY",
                              "-inf",
                              "infinit",
                              "nan",
                              "-nan",
                              "nan(12ab_)",
                              "nan(",
                              "1e400",
                              "1e-400",
                              "1e999999999999999999",
                              "1e",
                              "1e+",
                              ".",
                              "+",
                              "-",
                              ".5",
                              "15.",
                              "\n7",
                              "- 7",
                              "7..5",
                              "1,5",
                              "  8  ",
                              "\t9\t",
                              "",
                              "0",
                              "-0",
                              "00000000000000000000000000014"}) {
        texts.push_back(other);
    }
    ExpectAsTheCLibrary(texts);
}

TEST(StoredRefreshRate, DigitByDigitAsStrtodOnRandomTexts) {
    const std::string alphabet = "0123456789.....eE+-xXpPaAfFinINty ";
    std::mt19937 random(20240607);
    std::vector<std::string> texts;
    for (int i = 0; i < 30000; ++i) {
        std::string text(1 + random() % 12, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    ExpectAsTheCLibrary(texts);
}

}  // namespace
}  // namespace netvik
