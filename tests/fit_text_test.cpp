#include "fitting/fit_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "numtext/numtext.h"

namespace velmora {
namespace {

std::size_t Utf8Length(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

// A space of `chars` characters, counted as UTF-8 characters.
FitsPredicate FitsChars(std::size_t chars) {
    return [chars](std::string_view s) { return Utf8Length(s) <= chars; };
}

struct Row {
    const char* text;
    std::size_t chars;
    const char* shown;
    Fit fit;
};

TEST(FitText, TableByCharacterCount) {
    const std::vector<Row> rows = {
        {"0.333333333333333", 6, "0.3333", Fit::rounded},
        {"0.666666666666667", 6, "0.6667", Fit::rounded},
        {"0.333333333333333", 17, "0.333333333333333", Fit::whole},
        {"5.3613458186804E+34", 6, "5E+34", Fit::rounded},
        {"5.3613458186804E+34", 7, "5.4E+34", Fit::rounded},
        {"-654321.987", 6, "-7E+05", Fit::rounded},
        {"-654321.987", 7, "-654322", Fit::rounded},
        {"-123456.789", 8, "-123457", Fit::rounded},
        {"-123456.789", 9, "-123456.8", Fit::rounded},
        {"123456.789", 6, "123457", Fit::rounded},
        {"0.000012345678", 6, "1E-05", Fit::rounded},
        {"0.000012345678", 7, "1.2E-05", Fit::rounded},
        {"1.23456789E-300", 8, "1.2E-300", Fit::rounded},
        {"1.23456789E-300", 7, "1E-300", Fit::rounded},
        {"-1.23456789E-300", 6, "######", Fit::filled},
        // Where no other form fits, the exponent without '+' and leading zeros.
        {"-1E+308", 6, "-1E308", Fit::rounded},
        {"-5.3E+300", 6, "-5E300", Fit::rounded},
        {"-5.3E+300", 7, "-5E+300", Fit::rounded},
        {"-5.3E+300", 8, "-5E+300", Fit::rounded},  // the usual form while one fits
        {"2.5E-07", 4, "3E-7", Fit::rounded},
        {"-2.5E-07", 4, "####", Fit::filled},
        // Rounding carries into a new leading digit or exponent.
        {"9.9999999E+99", 6, "1E+100", Fit::rounded},
        {"-9.9999999E+99", 6, "-1E100", Fit::rounded},
        {"-9.9999999E+99", 5, "#####", Fit::filled},
        {"99999.95", 5, "1E+05", Fit::rounded},
        {"0.99999", 4, "1", Fit::rounded},
        {"1.5", 2, "2", Fit::rounded},
        {"1.2000000001", 4, "1.2", Fit::rounded},
        {"-0.5", 1, "#", Fit::filled},
        // Halves go away from zero, as in every number text of the window.
        {"-0.5", 2, "-1", Fit::rounded},
        {"0.25", 3, "0.3", Fit::rounded},
        {"-0.6", 2, "-1", Fit::rounded},
        // A non-zero number is never shown as a zero.
        {"0.4", 2, "##", Fit::filled},
        {"123", 0, "", Fit::filled},
        // A zero has no sign.
        {"-0.000000000000000", 5, "0", Fit::rounded},
        {"  0.333333333333333 ", 6, "0.3333", Fit::rounded},
        {"+0.333333333333333", 6, "0.3333", Fit::rounded},
        {"1.79769313486231E+308", 10, "1.798E+308", Fit::rounded},
        {"1.79769313486231E+308", 9, "1.8E+308", Fit::rounded},
        // Beyond the double range, where exact results can lie.
        {"1.2345678901E-400", 6, "1E-400", Fit::rounded},
        {"1.2345678901E+400", 6, "1E+400", Fit::rounded},
        {"-9.99E+999", 6, "######", Fit::filled},
        {"-9.99E+999", 7, "-1E1000", Fit::rounded},
        {"-9.99E+999", 8, "-1E+1000", Fit::rounded},
        // Other texts show their beginning.
        {"12abc", 3, "12a", Fit::cut},
        {"&HFFFFFFFFFF", 6, "&HFFFF", Fit::cut},
        {"&O777777777777", 4, "&O77", Fit::cut},
        {"1,5000000", 3, "1,5", Fit::cut},
        {"inf", 2, "in", Fit::cut},
        {"\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4", 2, "\xCE\xB1\xCE\xB2", Fit::cut},
        {"", 0, "", Fit::whole},
        {"4", 1, "4", Fit::whole},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " in " + std::to_string(row.chars));
        const FittedText fitted = FitText(row.text, FitsChars(row.chars));
        EXPECT_EQ(fitted.text, row.shown);
        EXPECT_EQ(fitted.fit, row.fit);
    }
}

// The decimal place of the last digit a number text shows: -4 for
// "0.3333", 34 for "5E+34", 33 for "5.4E+34".
int LastPlace(const std::string& shown) {
    const std::size_t e = shown.find('E');
    const std::string mantissa = shown.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(shown.substr(e + 1));
    return exponent - decimals;
}

bool IsNegative(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first != std::string::npos && text[first] == '-';
}

// strtold in the "C" locale reads the texts independently of the code
// under test, with a range far beyond the double's (the texts of exact
// results can lie beyond it).
bool ReadsAsNumber(const std::string& text, long double& value) {
    if (text.empty() || text.find_first_of("&xXnN") != std::string::npos) {
        return false;  // literals, hexadecimal floats, inf and nan
    }
    char* end = nullptr;
    value = std::strtold(text.c_str(), &end);
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    return *end == '\0' && end != text.c_str() && std::isfinite(value);
}

// Checks every promise of the fitting against the text and the space.
void ExpectReadsTrue(const std::string& text, const FittedText& fitted, const FitsPredicate& fits) {
    SCOPED_TRACE("'" + text + "' shown as '" + fitted.text + "'");
    ASSERT_TRUE(fits(fitted.text));
    long double value = 0.0L;
    const bool number = ReadsAsNumber(text, value);
    switch (fitted.fit) {
        case Fit::whole:
            EXPECT_EQ(fitted.text, text);
            break;
        case Fit::rounded: {
            ASSERT_TRUE(number);
            EXPECT_FALSE(fits(text));
            long double shown = 0.0L;
            ASSERT_TRUE(ReadsAsNumber(fitted.text, shown));
            // A zero has no sign; a number that is not zero keeps its own.
            EXPECT_EQ(IsNegative(fitted.text), IsNegative(text) && value != 0.0L);
            EXPECT_FALSE(value != 0.0L && shown == 0.0L);
            // Half a unit of the last digit shown, and the reading's own error.
            const long double tolerance =
                0.5L * std::pow(10.0L, static_cast<long double>(LastPlace(fitted.text))) *
                    (1 + 1e-9L) +
                1e-15L * std::fabs(value);
            EXPECT_LE(std::fabs(shown - value), tolerance);
            break;
        }
        case Fit::cut: {
            EXPECT_FALSE(number);
            EXPECT_EQ(text.compare(0, fitted.text.size(), fitted.text), 0);
            // The next character would not have fitted.
            std::size_t next = fitted.text.size() + 1;
            while (next < text.size() &&
                   (static_cast<unsigned char>(text[next]) & 0xC0U) == 0x80U) {
                ++next;
            }
            EXPECT_FALSE(fits(text.substr(0, next)));
            break;
        }
        case Fit::filled: {
            EXPECT_EQ(fitted.text, std::string(fitted.text.size(), '#'));
            EXPECT_FALSE(fits(fitted.text + '#'));
            if (number) {
                // C's own one-digit exponent form would not have fitted, even
                // without its '+' and the leading zeros of its exponent.
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%.0LE", value);
                std::string shortest = buffer;
                const std::size_t e = shortest.find('E');
                EXPECT_FALSE(fits(shortest));
                shortest.erase(e + 1, shortest[e + 1] == '+' ? 1 : 0);
                const std::size_t digits = shortest[e + 1] == '-' ? e + 2 : e + 1;
                shortest.erase(digits, shortest.find_first_not_of('0', digits) - digits);
                EXPECT_FALSE(fits(shortest)) << shortest;
            }
            break;
        }
    }
}

// Texts as the program writes them and as users type them.
std::vector<std::string> SampleTexts() {
    std::vector<std::string> texts = {
        "0.333333333333333",
        "5.3613458186804E+34",
        "-654321.987",
        "-123456.789",
        "1.23456789012346E+15",
        "-1.23456789012346E-15",
        "0.000099999",
        "-99999.99",
        "12abc",
        "&HFFFFFFFFFF",
        "1.2345678901E+400",
        "-0.0000000000",
        "abc def ghi",
    };
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<int> digits(1, 17);
    for (int i = 0; i < 300; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        texts.push_back(NumberText(x));
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", digits(random) % 10, x / 1e20);
        texts.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, "%.*e", digits(random), x);
        texts.emplace_back(buffer);
    }
    return texts;
}

TEST(FitText, EveryResultReadsTrueInAnyNumberOfCharacters) {
    for (const std::string& text : SampleTexts()) {
        for (std::size_t chars = 0; chars <= 24; ++chars) {
            const FitsPredicate fits = FitsChars(chars);
            const FittedText fitted = FitText(text, fits);
            EXPECT_LE(Utf8Length(fitted.text), chars);
            ExpectReadsTrue(text, fitted, fits);
        }
    }
}

// Widths of a proportional font, in pixels.
int Advance(std::string_view s) {
    int width = 0;
    for (const char c : s) {
        if (c == '1' || c == '-') {
            width += 4;
        } else if (c >= '0' && c <= '9') {
            width += 6;
        } else if (c == '.' || c == ',') {
            width += 3;
        } else {
            width += 8;  // E, +, # and letters
        }
    }
    return width;
}

TEST(FitText, EveryResultReadsTrueInAProportionalFont) {
    for (const std::string& text : SampleTexts()) {
        for (int width = 0; width <= 120; width += 3) {
            const auto fits = [width](std::string_view s) { return Advance(s) <= width; };
            const FittedText fitted = FitText(text, fits);
            EXPECT_LE(Advance(fitted.text), width);
            ExpectReadsTrue(text, fitted, fits);
        }
    }
}

TEST(FitText, AProportionalFontMayFitMoreDigits) {
    // In 39 pixels: "0.1111111" is 6 + 3 + 7 * 4 = 37 pixels wide, "0.88889"
    // is 6 + 3 + 5 * 6 = 39.
    const auto fits = [](std::string_view s) { return Advance(s) <= 39; };
    EXPECT_EQ(FitText("0.111111111111111", fits).text, "0.1111111");
    EXPECT_EQ(FitText("0.888888888888889", fits).text, "0.88889");
}

}  // namespace
}  // namespace velmora
