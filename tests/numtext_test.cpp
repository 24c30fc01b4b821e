#include "numtext/numtext.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();

// Values are compared as doubles; a zero's sign is checked where it matters.
struct TextToNumber {
    const char* text;
    double value;
};

struct NumberToText {
    double value;
    const char* text;
};

// printf's C formats are an implementation independent of std::to_chars.
std::string CFormat(const char* format, double x) {
    char buffer[400];
    const int n = std::snprintf(buffer, sizeof buffer, format, x);
    return {buffer, static_cast<std::size_t>(n)};
}

// ReadNumberStrict

TEST(ReadNumberStrict, AcceptsNumbers) {
    const std::vector<TextToNumber> rows = {
        {"2.5", 2.5},
        {" 2.5 ", 2.5},
        {"\t 2.5\t ", 2.5},
        {"4", 4.0},
        {"-2.5", -2.5},
        {"+2.5", 2.5},
        {"1.", 1.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"+.5", 0.5},
        {"1.e2", 100.0},
        {"00012", 12.0},
        {"1E3", 1000.0},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"1E-3", 0.001},
        {"-1.5E-3", -0.0015},
        {"2.5e0003", 2500.0},
        {"0", 0.0},
        {"0E999999999999999999999", 0.0},
        {"0.000000000000000000000000000001E330", 1e300},
        {"100000000000000000000000000000E-330", 1e-301},
        {"0.1", 0.1},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.7976931348623157E308", kMax},
        {"4.9406564584124654E-324", kMinSubnormal},
        {"3E-324", kMinSubnormal},  // nearest double is the smallest subnormal
        {"0E-400", 0.0},
        {"&HFFFF", 65535.0},
        {"&hff", 255.0},
        {"&H10", 16.0},
        {"&HaBc", 2748.0},
        {"&H1E", 30.0},  // E is a digit here, not an exponent
        {"&O17", 15.0},
        {"&o777", 511.0},
        {" &H10\t", 16.0},
        {"&H0000000000000000000000000001", 1.0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&O1777777777777777777777", 18446744073709551615.0},
    };
    for (const auto& row : rows) {
        const StrictNumber n = ReadNumberStrict(row.text);
        EXPECT_EQ(n.ec, ReadError::none) << '"' << row.text << '"';
        EXPECT_TRUE(n.ok()) << '"' << row.text << '"';
        EXPECT_EQ(n.value, row.value) << '"' << row.text << '"';
    }
}

TEST(ReadNumberStrict, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ReadNumberStrict("-0").value));
    EXPECT_TRUE(std::signbit(ReadNumberStrict("-0E-400").value));
    EXPECT_FALSE(std::signbit(ReadNumberStrict("0.0").value));
}

// A number whose nearest double is 0 although it is not is as far beyond
// the range as one whose nearest double is infinite: neither is shown as
// what the user typed.
TEST(ReadNumberStrict, RefusesNumbersBelowTheRange) {
    for (const char* text : {"1E-400", "-1E-400", "2.4703282292062327E-324",
                             "1E-99999999999999999999", "0.000000000000000000001E-310"}) {
        EXPECT_EQ(ReadNumberStrict(text).ec, ReadError::outOfRange) << text;
        EXPECT_EQ(ReadNumberLenient(text).ec, ReadError::outOfRange) << text;
    }
    EXPECT_EQ(ReadNumberStrict("2.4703282292062328E-324").value, kMinSubnormal);
}

TEST(ReadNumberStrict, RefusesTextOutsideTheGrammar) {
    const std::vector<const char*> rows =
        {
            "",         "  ",     "\t",    "abc",   "3abc", "inf",   "-inf",  "nan",   "NaN",
            "infinity", "0x1p3",  "0x10",  "1.2.3", "1,5",  "1,000", "1 000", "1 .5",  "- 1",
            "1e",       "1e+",    "1E-",   "E5",    ".",    "-",     "+",     "+-1",   "--1",
            "1D3",      "1d3",    "1e3.5", "1e3e3", "1E 3", "&",     "&H",    "&O",    "&O8",
            "&HG",      "&H 10",  "-&H10", "+&H10", "&H-1", "&H+1",  "&X10",  "& H10", "&H10.5",
            "&H1E+2",   "1\n",    "\n1",   "1\r",   "1\v",  "1.5 x", "5%",    "$5",    "1_000",
            "1/3",      "-1 / 3", "1/0",  // fractions are for the exact readers
        };
    for (const char* text : rows) {
        const StrictNumber n = ReadNumberStrict(text);
        EXPECT_EQ(n.ec, ReadError::syntax) << '"' << text << '"';
        EXPECT_FALSE(n.ok()) << '"' << text << '"';
    }
    // A NUL is a character outside the grammar too.
    EXPECT_EQ(ReadNumberStrict(std::string_view("1\0", 2)).ec, ReadError::syntax);
}

TEST(ReadNumberStrict, RefusesValuesBeyondTheRange) {
    const std::vector<const char*> rows = {
        "1E400",
        "-1E400",
        "1.8E308",
        "1.7976931348623159E308",
        "1E99999999999999999999999",
        "1000000000000000000000000000000E280",
        "&H10000000000000000",
        "&HFFFFFFFFFFFFFFFFF",
        "&O2000000000000000000000",
    };
    for (const char* text : rows) {
        const StrictNumber n = ReadNumberStrict(text);
        EXPECT_EQ(n.ec, ReadError::outOfRange) << '"' << text << '"';
    }
}

TEST(ReadNumberStrict, ReadsC17DigitTextsExactly) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        double x;
        const std::uint64_t bits = random();
        static_assert(sizeof x == sizeof bits);
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) {
            continue;
        }
        const std::string text = CFormat("%.17G", x);
        const StrictNumber n = ReadNumberStrict(text);
        ASSERT_TRUE(n.ok()) << text;
        ASSERT_EQ(n.value, x) << text;
    }
}

static_assert(noexcept(ReadNumberStrict("")));

// ReadNumberLenient

TEST(ReadNumberLenient, ReadsTheLeadingNumber) {
    const std::vector<TextToNumber> rows = {
        {"3abc", 3.0},
        {"abc", 0.0},
        {"", 0.0},
        {"   ", 0.0},
        {"1,5", 1.0},
        {"1,000", 1.0},
        {"-.5", -0.5},
        {"&H10", 16.0},
        {"&h10", 16.0},
        {"&O17", 15.0},
        {"2.5", 2.5},
        {" 2.5 ", 2.5},
        {"1 2", 12.0},
        {" 1\t2\n3\r4 ", 1234.0},
        {"- 5", -5.0},
        {"1 E 3", 1000.0},
        {"+5", 5.0},
        {"1.", 1.0},
        {".5", 0.5},
        {"1E3", 1000.0},
        {"1e3", 1000.0},
        {"1D3", 1000.0},
        {"1d-2", 0.01},
        {"1.5D+2", 150.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1D", 1.0},
        {"1e+-3", 1.0},
        {"1e3.5", 1000.0},
        {"2.5x", 2.5},
        {"1.2.3", 1.2},
        {"12abc34", 12.0},
        {".", 0.0},
        {"-", 0.0},
        {"+", 0.0},
        {"E5", 0.0},
        {"--1", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x1p3", 0.0},
        {"&", 0.0},
        {"&H", 0.0},
        {"&HG", 0.0},
        {"&HFFg", 255.0},
        {"&H F F", 255.0},
        {"&O778", 63.0},
        {"&O", 0.0},
        {"-&H10", 0.0},
        {"&X10", 0.0},
        {"3E-324", kMinSubnormal},
        {"1.7976931348623157E308", kMax},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"1/3", 1.0},
        {"-2 / 5", -2.0},
        {"1/0", 1.0},
    };
    for (const auto& row : rows) {
        const LenientNumber n = ReadNumberLenient(row.text);
        EXPECT_TRUE(n.ok()) << '"' << row.text << '"';
        EXPECT_EQ(n.value, row.value) << '"' << row.text << '"';
    }
}

TEST(ReadNumberLenient, RefusesBeyondTheRange) {
    const std::vector<std::string> rows = {
        "1E400",
        "-1E400",
        "1D400",
        "1E400abc",
        "1 E 4 0 0",
        "&H10000000000000000",
        "&O2000000000000000000000",
        std::string(400, '9'),
        "1E-400",
        "-1D-400xyz",
    };
    for (const auto& text : rows) {
        EXPECT_EQ(ReadNumberLenient(text).ec, ReadError::outOfRange) << '"' << text << '"';
    }
}

TEST(ReadNumberLenient, AgreesWithTheStrictReader) {
    // Texts the strict reader accepts, with outer blanks only.
    const std::vector<const char*> rows = {
        " 2.5 ", "-.5", "1.", "+7", "1E-3", "-1.5e+300", "&HFFFF", "&o17", "-0E-400", "-0",
    };
    for (const char* text : rows) {
        const StrictNumber n = ReadNumberStrict(text);
        ASSERT_TRUE(n.ok()) << text;
        const LenientNumber lenient = ReadNumberLenient(text);
        ASSERT_TRUE(lenient.ok()) << text;
        EXPECT_TRUE(lenient.readInFull) << text;
        EXPECT_EQ(lenient.value, n.value) << text;
        EXPECT_EQ(std::signbit(lenient.value), std::signbit(n.value)) << text;
    }
}

// ReadFractionStrict and ReadFractionLenient, in parts; their values and
// their grammar are checked against the exact model in exact_test.

TEST(ReadFraction, GivesTheNumeratorAndTheDenominatorInParts) {
    const struct {
        const char* text;
        NumberParts numerator;
        std::optional<NumberParts> denominator;
        bool strict;  // else read leniently
    } rows[] = {
        {"-1.50/4E2", {true, "15", -1}, NumberParts{false, "4", 2}, true},
        {" &HFF / 2.5 ", {false, "255", 0}, NumberParts{false, "25", -1}, true},
        {"7", {false, "7", 0}, std::nullopt, true},
        {"-0/3", {false, "", 0}, NumberParts{false, "3", 0}, true},
        {"10 / 2 D 1", {false, "1", 1}, NumberParts{false, "2", 1}, false},
        {"1/x", {false, "1", 0}, std::nullopt, false},
    };
    for (const auto& row : rows) {
        const FractionReading reading =
            row.strict ? ReadFractionStrict(row.text) : ReadFractionLenient(row.text);
        ASSERT_TRUE(reading.ok()) << row.text;
        EXPECT_EQ(reading.numerator, row.numerator) << row.text;
        EXPECT_EQ(reading.denominator, row.denominator) << row.text;
    }
}

// ReadDimension

TEST(ReadDimension, RoundsHalfToEven) {
    const std::vector<std::pair<const char*, int>> rows = {
        {"4.5", 4},         {"5.5", 6},         {"6.5", 6},         {"2.5", 2},
        {"6.6", 7},         {"3", 3},           {" 6 ", 6},         {"-3.5", -4},
        {"-0.4", 0},        {"0", 0},           {"1E1", 10},        {"&H7FFF", 32767},
        {"32767", 32767},   {"32767.4", 32767}, {"-32768", -32768}, {"-32768.5", -32768},
        {"32766.5", 32766}, {"1E-400", 0},      {"-2.5E-330", 0},
    };
    for (const auto& [text, value] : rows) {
        const Dimension dimension = ReadDimension(text);
        EXPECT_TRUE(dimension.ok()) << '"' << text << '"';
        EXPECT_EQ(dimension.value, value) << '"' << text << '"';
    }
}

TEST(ReadDimension, FailsWithAReason) {
    using Kind = DimensionError;
    const std::vector<std::pair<const char*, Kind>> rows = {
        {"", Kind::notANumber},
        {"  ", Kind::notANumber},
        {"abc", Kind::notANumber},
        {"3abc", Kind::notANumber},
        {"1,5", Kind::notANumber},
        {"1.2.3", Kind::notANumber},
        {"1E400", Kind::tooLarge},
        {" -1E400", Kind::tooSmall},
        {"&H10000000000000000", Kind::tooLarge},
        {"32768", Kind::tooLarge},
        {"32767.5", Kind::tooLarge},
        {"1E10", Kind::tooLarge},
        {"&HFFFF", Kind::tooLarge},
        {"1.7976931348623157E308", Kind::tooLarge},
        {"-32769", Kind::tooSmall},
        {"-32768.6", Kind::tooSmall},
        {"-1E300", Kind::tooSmall},
        {"6/2", Kind::notANumber},
        {"12 / 2", Kind::notANumber},
    };
    for (const auto& [text, kind] : rows) {
        EXPECT_EQ(ReadDimension(text).ec, kind) << '"' << text << '"';
    }
}

// DecimalText

TEST(DecimalText, WritesEachForm) {
    using Form = DecimalForm;
    const struct {
        DecimalDigits x;
        Form form;
        const char* text;
    } rows[] = {
        {{false, "12345", 3}, Form::plain, "1234.5"},
        {{true, "12", -4}, Form::plain, "-0.00012"},
        {{false, "15", 5}, Form::plain, "150000"},
        {{false, "1500", 1}, Form::plain, "15"},  // trailing zeros are not written
        {{true, "", 7}, Form::plain, "0"},        // a zero has no sign
        {{true, "000", -3}, Form::exponent, "0"},
        {{true, "12345", 3}, Form::exponent, "-1.2345E+03"},
        {{false, "1", -300}, Form::exponent, "1E-300"},
        {{false, "25", 1000}, Form::exponent, "2.5E+1000"},
        {{false, "100", 0}, Form::exponent, "1E+00"},
        {{false, "333", -5}, Form::general, "3.33E-05"},
        {{false, "333", -4}, Form::general, "0.000333"},
        {{true, "999999999999999", 14}, Form::general, "-999999999999999"},
        {{false, "1", 15}, Form::general, "1E+15"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecimalText(row.x, row.form), row.text) << row.x.digits << " " << row.x.lead;
    }
}

// NumberText

TEST(NumberText, WritesTheGeneralForm) {
    const std::vector<NumberToText> rows = {
        {4.0, "4"},
        {-2.5, "-2.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {0.0, "0"},
        {-0.0, "0"},
        {1.7763568394002505e-15, "1.77635683940025E-15"},
        {1.5e20, "1.5E+20"},
        {-1.5e20, "-1.5E+20"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {100.0, "100"},
        {-1234.5, "-1234.5"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {1e14, "100000000000000"},
        {1e15, "1E+15"},
        {999999999999999.4, "999999999999999"},
        {999999999999999.6, "1E+15"},  // the exponent is that of the rounded value
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {-0.000012345, "-1.2345E-05"},
        {0.000099999999999999995, "0.0001"},
        {1e100, "1E+100"},
        {1e-300, "1E-300"},
        {kMinSubnormal, "4.94065645841247E-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {1.7976931348623e308, "1.7976931348623E+308"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NumberText(row.value), row.text) << CFormat("%.17G", row.value);
    }
}

TEST(NumberText, LargestValuesStillReadBack) {
    EXPECT_EQ(NumberText(kMax), "1.79769313486231E+308");
    EXPECT_EQ(NumberText(-kMax), "-1.79769313486231E+308");
    // Every double from the largest down to the last that shows as it does.
    for (double x = kMax; x > 1.79769313486231e308;) {
        const StrictNumber n = ReadNumberStrict(NumberText(x));
        ASSERT_TRUE(n.ok()) << CFormat("%.17G", x);
        ASSERT_NEAR(n.value, x, 1e-14 * x);
        x = std::nextafter(x, 0.0);
    }
}

// Random doubles of every magnitude, including subnormals and whole values.
std::vector<double> RandomDoubles() {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-323, 307);
    std::uniform_int_distribution<int> whole(-1000000, 1000000);
    std::vector<double> values;
    for (int i = 0; i < 30000; ++i) {
        const double sign = (random() & 1) != 0 ? -1.0 : 1.0;
        switch (i % 3) {
            case 0:
                values.push_back(sign * mantissa(random) * std::pow(10.0, exponent(random)));
                break;
            case 1: {
                double x;
                const std::uint64_t bits = random();
                std::memcpy(&x, &bits, sizeof x);
                if (std::isfinite(x)) {
                    values.push_back(x);
                }
                break;
            }
            default:
                values.push_back(whole(random) / 8.0);
                break;
        }
    }
    return values;
}

TEST(NumberText, ReadsBackWithin15Digits) {
    for (double x : RandomDoubles()) {
        if (!std::isfinite(x)) {
            continue;
        }
        const std::string text = NumberText(x);
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        EXPECT_NE(text, "-0");
        const StrictNumber n = ReadNumberStrict(text);
        ASSERT_TRUE(n.ok()) << text;
        ASSERT_LE(std::fabs(n.value - x), 1e-14 * std::fabs(x)) << text;
        ASSERT_EQ(ReadNumberLenient(text).value, n.value) << text;
    }
}

TEST(NumberText, MatchesCGeneralFormat) {
    for (double x : RandomDoubles()) {
        if (x == 0.0 || std::fabs(x) > 1.7976931348623e308) {
            continue;
        }
        ASSERT_EQ(NumberText(x), CFormat("%.15G", x));
    }
}

TEST(NumberText, ExponentFormHasTheLayout) {
    for (double x : RandomDoubles()) {
        const std::string text = NumberText(x);
        const std::size_t e = text.find('E');
        const std::string mantissa = text.substr(0, e);
        if (mantissa.find('.') != std::string::npos) {
            EXPECT_NE(mantissa.back(), '0') << text;  // no trailing zeros
        }
        if (e == std::string::npos) {
            continue;
        }
        ASSERT_GE(text.size(), e + 4) << text;
        EXPECT_TRUE(text[e + 1] == '+' || text[e + 1] == '-') << text;
        const int exponent = std::stoi(text.substr(e + 1));
        EXPECT_TRUE(exponent < -4 || exponent > 14) << text;
    }
}

// WholeNumberText and RoundHalfEven

TEST(WholeNumberText, WritesDigits) {
    const std::vector<std::pair<std::int16_t, const char*>> rows = {
        {1, "1"}, {0, "0"}, {6, "6"}, {3, "3"}, {-1, "-1"}, {32767, "32767"}, {-32768, "-32768"},
    };
    for (const auto& [n, text] : rows) {
        EXPECT_EQ(WholeNumberText(n), text);
    }
}

TEST(RoundHalfEven, RoundsHalvesToEven) {
    const std::vector<std::pair<double, double>> rows = {
        {2.5, 2.0},
        {-3.5, -4.0},
        {3.5, 4.0},
        {6.5, 6.0},
        {0.5, 0.0},
        {1.5, 2.0},
        {-2.5, -2.0},
        {2.4, 2.0},
        {2.6, 3.0},
        {-2.6, -3.0},
        {0.49999999999999994, 0.0},
        {4503599627370495.5, 4503599627370496.0},
        {4503599627370497.0, 4503599627370497.0},
        {1e300, 1e300},
        {-7.0, -7.0},
        {kMinSubnormal, 0.0},
    };
    for (const auto& [x, expected] : rows) {
        EXPECT_EQ(RoundHalfEven(x), expected) << CFormat("%.17G", x);
    }
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.5)));
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.2)));
    EXPECT_FALSE(std::signbit(RoundHalfEven(0.5)));
}

TEST(RoundHalfEven, MatchesNearbyintInEveryRoundingMode) {
    std::vector<double> values = RandomDoubles();
    for (int k = -1000; k <= 1000; ++k) {
        values.push_back(k + 0.5);
        values.push_back(k / 4.0);
    }
    std::vector<double> nearest;
    nearest.reserve(values.size());
    for (double x : values) {
        nearest.push_back(std::nearbyint(x));  // the default mode: to nearest, ties to even
    }
    const int saved = std::fegetround();
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double r = RoundHalfEven(values[i]);
            if (r != nearest[i] || std::signbit(r) != std::signbit(nearest[i])) {
                std::fesetround(saved);
                FAIL() << "mode " << mode << ": " << CFormat("%.17G", values[i]);
            }
        }
    }
    std::fesetround(saved);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

struct WholeCase {
    const char* text;
    bool whole;
};

// readInFull: whether the lenient reading takes all of the text, once
// blanks, tabs, line feeds and carriage returns are removed.
TEST(ReadNumberLenient, TellsWhetherARestIsIgnored) {
    const WholeCase cases[] = {
        // Nothing ignored: nothing there, or one number, blanks anywhere.
        {"", true},
        {"   ", true},
        {"\t\r\n", true},
        {"12", true},
        {"-1.5", true},
        {" 1 000 ", true},
        {"1\n2", true},  // the line break goes first: 12
        {"2D3", true},
        {"2.5e-3", true},
        {".5", true},
        {"1.", true},
        {"+7", true},
        {"&HFF", true},
        {"&o17", true},
        {"- 3", true},
        // A rest ignored, or no number at all.
        {"1/3", false},
        {"1,5", false},
        {"3-2", false},
        {"$100", false},
        {"12abc", false},
        {"abc", false},
        {"1e+", false},
        {"1e", false},
        {"1.5.2", false},
        {"&H", false},
        {"&HFFG", false},
        {"&O18", false},
        {"-", false},
        {".", false},
        {"1 2,5", false},
    };
    for (const WholeCase& c : cases) {
        EXPECT_EQ(ReadNumberLenient(c.text).readInFull, c.whole) << '"' << c.text << '"';
    }
}

// Whatever the strict reader accepts has nothing left over; a letter after
// it always is.
TEST(ReadNumberLenient, AcceptedStrictTextsAreReadInFull) {
    for (const char* text : {"0", "-0", "123.456", "1E5", "-2.5e-7", "&H1F", "&o777", ".25"}) {
        ASSERT_TRUE(ReadNumberStrict(text).ok()) << text;
        EXPECT_TRUE(ReadNumberLenient(text).readInFull) << text;
        EXPECT_FALSE(ReadNumberLenient(std::string(text) + "x").readInFull) << text;
        EXPECT_FALSE(ReadNumberLenient(std::string(text) + ",5").readInFull) << text;
    }
}

}  // namespace
}  // namespace velmora
