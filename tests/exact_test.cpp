// The exact core against oracles that are not itself: GMP's rationals in
// the tests' own Gaussian elimination, the identities an inverse and a
// matrix of minors must satisfy, and a schoolbook long division for the
// rounding of rationals to text.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "exact/exact_matrix.h"
#include "exact/rational.h"
#include "exact_rational.h"
#include "fuzz/exact_model.h"
#include "random_entries.h"

namespace velmora {
namespace {

using testing_support::Entries;
using testing_support::ExactDecimal;
using testing_support::ExactDeterminantOf;
using testing_support::Sample;
using testing_support::Without;
using Exact = testing_support::RationalMatrix;

mpq_class Mpq(const Rational& x) {
    mpq_class q(FractionText(x), 10);
    q.canonicalize();
    return q;
}

Rational FromText(const std::string& text) {
    const ExactReading reading = ReadExactStrict(text);
    EXPECT_TRUE(reading.ok()) << text;
    return reading.value;
}

// "p/q" or "p" as the Rational p / q, built from its two whole numbers.
Rational FromFraction(const std::string& fraction) {
    const std::size_t slash = fraction.find('/');
    if (slash == std::string::npos) {
        return FromText(fraction);
    }
    return FromText(fraction.substr(0, slash)) / FromText(fraction.substr(slash + 1));
}

// Reading

TEST(ReadExact, TakesTheExactDecimalValue) {
    const struct {
        std::string text;
        std::string fraction;
    } rows[] = {
        {"0.1", "1/10"},
        {"-0.003", "-3/1000"},
        {" 2.5 ", "5/2"},
        {"1E3", "1000"},
        {"1.5e-2", "3/200"},
        {"-.5", "-1/2"},
        {"7.", "7"},
        {"+12.50", "25/2"},
        {"&HFF", "255"},
        {"&o17", "15"},
        {"&HFFFFFFFFFFFFFFFF", "18446744073709551615"},
        {"0", "0"},
        {"-0.000", "0"},
        {"0E-400", "0"},
        {"1E-300", "1/1" + std::string(300, '0')},
        {"0.0000000000000000000000000000001", "1/1" + std::string(31, '0')},
    };
    for (const auto& row : rows) {
        const ExactReading reading = ReadExactStrict(row.text);
        ASSERT_TRUE(reading.ok()) << row.text;
        EXPECT_EQ(FractionText(reading.value), row.fraction) << row.text;
    }
}

TEST(ReadExact, RefusesWhatTheDoubleReaderRefuses) {
    const struct {
        const char* text;
        ReadError ec;
    } rows[] = {
        {"", ReadError::syntax},
        {"abc", ReadError::syntax},
        {"3abc", ReadError::syntax},
        {"1,5", ReadError::syntax},
        {"1E400", ReadError::outOfRange},
        {"-1E400", ReadError::outOfRange},
        {"1E-400", ReadError::outOfRange},
        {"-2E-330", ReadError::outOfRange},
        {"1.7976931348623159E308", ReadError::outOfRange},
        {"&H10000000000000000", ReadError::outOfRange},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadExactStrict(row.text).ec, row.ec) << row.text;
        EXPECT_EQ(ReadNumberStrict(row.text).ec, row.ec) << row.text;
    }
    // The edges of the double range are inside it.
    for (const char* text : {"1.7976931348623157E308", "4.9E-324", "-1E-310", "2.5E-324"}) {
        EXPECT_TRUE(ReadExactStrict(text).ok()) << text;
    }
}

TEST(ReadExact, RoundsAMantissaToAHundredDigits) {
    const std::string ones(100, '1');
    // 101 significant digits: the last one decides, a half goes up.
    EXPECT_EQ(FractionText(FromText(ones + "4")), ones + "0");
    EXPECT_EQ(FractionText(FromText(ones + "5")), std::string(99, '1') + "20");
    EXPECT_EQ(FractionText(FromText("-" + ones + "5")), "-" + std::string(99, '1') + "20");
    EXPECT_EQ(FractionText(FromText(std::string(120, '9'))), "1" + std::string(120, '0'));
    // Leading zeros are not significant; the point does not count.
    EXPECT_EQ(Mpq(FromText("0.000" + std::string(100, '3') + "9")),
              ExactDecimal("0.000" + std::string(99, '3') + "4"));
    EXPECT_EQ(Mpq(FromText("-9" + std::string(100, '9') + "E-5")), ExactDecimal("-1E96"));
    EXPECT_EQ(FractionText(FromText(std::string(100, '2'))), std::string(100, '2'));
}

TEST(ReadExact, LenientReadingSaysWhetherItTookTheWholeText) {
    const struct {
        const char* text;
        const char* fraction;
        bool inFull;
    } rows[] = {
        {"1/", "1", false},      {"12abc", "12", false}, {"abc", "0", false}, {"", "0", true},
        {"1 000", "1000", true}, {"1,5", "1", false},    {"3-2", "3", false}, {"$100", "0", false},
        {"2.5D1", "25", true},   {"&H1F", "31", true},   {"&H", "0", false},  {"-.5", "-1/2", true},
        {"1e+", "1", false},     {" 7 \t", "7", true},
    };
    for (const auto& row : rows) {
        const ExactReading reading = ReadExactLenient(row.text);
        ASSERT_TRUE(reading.ok()) << row.text;
        EXPECT_EQ(FractionText(reading.value), row.fraction) << row.text;
        EXPECT_EQ(reading.readInFull, row.inFull) << row.text;
        EXPECT_EQ(ReadNumberLenient(row.text).readInFull, row.inFull) << row.text;
    }
    EXPECT_EQ(ReadExactLenient("5E400abc").ec, ReadError::outOfRange);
    EXPECT_EQ(ReadExactLenient("1E-400").ec, ReadError::outOfRange);
}

// A fraction, or a number, read strictly and leniently: against the rows'
// values and the exact model of the grammar that the fuzzers use. A value is
// a reduced fraction or the error: "!syntax", "!range", "!zero".
TEST(ReadExact, ReadsFractions) {
    const struct {
        std::string text;
        std::string strict;
        std::string lenient;
        bool inFull;         // leniently
        const char* readAs;  // ExactText of the lenient value
    } rows[] = {
        // Accepted.
        {"1/3", "1/3", "1/3", true, "1/3"},
        {"-2/5", "-2/5", "-2/5", true, "-0.4"},
        {"1.5/4", "3/8", "3/8", true, "0.375"},
        {"1E3/7", "1000/7", "1000/7", true, "1000/7"},
        {"-1 / 3", "-1/3", "-1/3", true, "-1/3"},
        {" +6/\t4 ", "3/2", "3/2", true, "1.5"},
        {"&HFF/&o10", "255/8", "255/8", true, "31.875"},
        {"1/&HD", "1/13", "1/13", true, "1/13"},
        {"-0/5", "0", "0", true, "0"},
        {"1E300/1E-300", "1" + std::string(600, '0'), "1" + std::string(600, '0'), true, "1E+600"},
        {"12", "12", "12", true, "12"},
        // Refused strictly; read in part leniently, or in full once blanks go.
        {"1/3 apples", "!syntax", "1/3", false, "1/3"},
        {"12abc", "!syntax", "12", false, "12"},
        {"1/", "!syntax", "1", false, "1"},
        {"1/x", "!syntax", "1", false, "1"},
        {"/3", "!syntax", "0", false, "0"},
        {"1/-3", "!syntax", "1", false, "1"},
        {"1/+3", "!syntax", "1", false, "1"},
        {"1//3", "!syntax", "1", false, "1"},
        {"1/2/3", "!syntax", "1/2", false, "0.5"},
        {"1/3e", "!syntax", "1/3", false, "1/3"},
        {"-&H10/3", "!syntax", "0", false, "0"},
        // Blanks inside a numerator make no fraction of it: not 12/3.
        {"1 2/3", "!syntax", "12", false, "12"},
        {"1 000/3", "!syntax", "1000", false, "1000"},
        {"2.5D1/2", "!syntax", "25/2", true, "12.5"},
        {"1/2D1", "!syntax", "1/20", true, "0.05"},
        // A zero denominator; beyond the range, the numerator first.
        {"1/0", "!zero", "!zero", true, nullptr},
        {"0/0", "!zero", "!zero", true, nullptr},
        {"-5/0.0E7", "!zero", "!zero", true, nullptr},
        {"1/&H0", "!zero", "!zero", true, nullptr},
        {"1/0 apples", "!syntax", "!zero", false, nullptr},
        {"1E400/3", "!range", "!range", true, nullptr},
        {"1E400/0", "!range", "!range", true, nullptr},
        {"1/1E400", "!range", "!range", true, nullptr},
        {"1/1E-400", "!range", "!range", true, nullptr},
        {"&H10000000000000000/2", "!range", "!range", true, nullptr},
    };
    const auto said = [](ReadError ec, const std::string& fraction) {
        switch (ec) {
            case ReadError::none:
                return fraction;
            case ReadError::syntax:
                return std::string("!syntax");
            case ReadError::outOfRange:
                return std::string("!range");
            case ReadError::zeroDenominator:
                return std::string("!zero");
        }
        return std::string("?");
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const ExactReading strict = ReadExactStrict(row.text);
        const fuzz_model::ExactModel strictModel = fuzz_model::ExactStrictModel(row.text);
        EXPECT_EQ(said(strict.ec, FractionText(strict.value)), row.strict);
        EXPECT_EQ(said(strictModel.ec, strictModel.value.get_str()), row.strict);
        const ExactReading lenient = ReadExactLenient(row.text);
        const fuzz_model::ExactModel lenientModel = fuzz_model::ExactLenientModel(row.text);
        EXPECT_EQ(said(lenient.ec, FractionText(lenient.value)), row.lenient);
        EXPECT_EQ(said(lenientModel.ec, lenientModel.value.get_str()), row.lenient);
        EXPECT_EQ(lenient.readInFull, row.inFull);
        EXPECT_EQ(lenientModel.readInFull, row.inFull);
        if (row.readAs != nullptr) {
            EXPECT_EQ(ExactText(lenient.value), row.readAs);
        }
        // The double readers stop at the '/' and refuse the fraction.
        if (row.text.find('/') != std::string::npos) {
            EXPECT_FALSE(ReadNumberStrict(row.text).ok());
            EXPECT_FALSE(ReadNumberLenient(row.text).readInFull);
        }
    }
}

// Texts

void ExpectNumberText(const mpq_class& x, const std::string& text) {
    SCOPED_TRACE(x.get_str() + " wrote " + text);
    EXPECT_EQ(text, testing_support::NumberTextOf(x));
    if (x == 0) {
        EXPECT_EQ(text, "0");
        return;
    }
    const testing_support::Rounded r = testing_support::LongDivision(x, 15);
    EXPECT_EQ(ExactDecimal(text), testing_support::ValueOf(r, x < 0));
    // Plain for exponents -4..14, else d.dddE+XX; no trailing zeros.
    static const std::regex plain(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    static const std::regex exponent(R"(-?[1-9](\.[0-9]*[1-9])?E[-+][0-9]{2,})");
    if (r.exponent >= -4 && r.exponent <= 14) {
        EXPECT_TRUE(std::regex_match(text, plain));
    } else {
        EXPECT_TRUE(std::regex_match(text, exponent));
    }
}

TEST(RationalText, WorkedValues) {
    const struct {
        const char* value;  // a fraction
        const char* number;
        const char* three;
    } rows[] = {
        {"4", "4", "4.000"},
        {"-5/2", "-2.5", "-2.500"},
        {"1/3", "0.333333333333333", ".333"},
        {"3/10", "0.3", ".300"},
        {"0", "0", ".000"},
        {"-3/1000", "-0.003", "-.003"},
        {"-10/3", "-3.33333333333333", "-3.333"},
        {"20/3", "6.66666666666667", "6.667"},
        {"61/96", "0.635416666666667", ".635"},
        {"150000000000000000000", "1.5E+20", "150000000000000000000.000"},
        {"1/2", "0.5", ".500"},
        {"-1/4", "-0.25", "-.250"},
        {"6172839/5000", "1234.5678", "1234.568"},
        {"1/2500", "0.0004", ".000"},
        {"2499999/2500", "999.9996", "1000.000"},
        // Ties at the third decimal go away from zero.
        {"1/2000", "0.0005", ".001"},
        {"-1/400", "-0.0025", "-.003"},
        {"-1/2000", "-0.0005", "-.001"},
        {"-1/3000", "-0.000333333333333333", ".000"},
        // And at the fifteenth digit.
        {"200000000000001/200000000000000", "1.00000000000001", "1.000"},
        {"-200000000000001/200000000000000", "-1.00000000000001", "-1.000"},
        {"2000000000000001/2000000000000000", "1", "1.000"},
        // The switch to the exponent form.
        {"1/10000", "0.0001", ".000"},
        {"1/100000", "1E-05", ".000"},
        {"99999999999999", "99999999999999", "99999999999999.000"},
        {"999999999999999", "999999999999999", "999999999999999.000"},
        {"9999999999999995", "1E+16", "9999999999999995.000"},
        {"1000000000000000", "1E+15", "1000000000000000.000"},
    };
    for (const auto& row : rows) {
        const Rational value = FromFraction(row.value);
        EXPECT_EQ(NumberText(value), row.number) << row.value;
        EXPECT_EQ(ThreeDecimals(value), row.three) << row.value;
        EXPECT_EQ(FractionText(value), row.value);
    }
}

TEST(RationalText, BeyondTheDoubleRangeIsWrittenAsItIs) {
    const Rational big = FromText("1E300") * FromText("1E30");
    EXPECT_EQ(NumberText(big), "1E+330");
    EXPECT_EQ(NumberText(-big / FromText("3")), "-3.33333333333333E+329");
    const Rational tiny = FromText("1E-300") * FromText("-2E-100");
    EXPECT_EQ(NumberText(tiny), "-2E-400");
    EXPECT_EQ(ThreeDecimals(tiny), ".000");
    EXPECT_EQ(ThreeDecimals(FromText("1E20") * FromText("1E20")),
              "1" + std::string(40, '0') + ".000");
}

TEST(RationalText, SaysWhetherNothingWasRoundedAway) {
    const struct {
        const char* value;
        bool exact;
    } rows[] = {
        {"-3/1000", true},
        {"1/2", true},
        {"1/3", false},
        {"0", true},
        {"123456789012345", true},
        {"1234567890123456", false},
        {"1234567890123450", true},
        {"1/1125899906842624", false},
        {"1/512", true},
        {"-7/16", true},
    };
    for (const auto& row : rows) {
        const RoundedText rounded = RoundedNumberText(FromFraction(row.value));
        EXPECT_EQ(rounded.exact, row.exact) << row.value;
        EXPECT_EQ(rounded.exact, ExactDecimal(rounded.text) == Mpq(FromFraction(row.value)))
            << row.value;
    }
}

TEST(RationalText, RandomRationalsAgainstLongDivision) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> digits(1, 40);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> shift(-340, 340);
    const auto randomInteger = [&] {
        std::string text(static_cast<std::size_t>(digits(random)), '0');
        for (char& c : text) {
            c = static_cast<char>('0' + digit(random));
        }
        text[0] = static_cast<char>('1' + digit(random) % 9);
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        // Numerators and denominators of many lengths, and ties: a
        // denominator of a power of two times a power of ten.
        const std::string num = randomInteger() + "E" + std::to_string(shift(random) / 2);
        const std::string den =
            i % 4 == 0 ? "2E" + std::to_string(shift(random) / 20) : randomInteger();
        const Rational x = (i % 2 == 0 ? FromText(num) : -FromText(num)) / FromText(den);
        const mpq_class q = Mpq(x);
        const RoundedText rounded = RoundedNumberText(x);
        ExpectNumberText(q, rounded.text);
        EXPECT_EQ(rounded.exact, ExactDecimal(rounded.text) == q) << q.get_str();
        // Three decimals: round(|q| * 1000) by the same long division.
        const mpq_class thousandths = abs(q) * 1000;
        mpz_class k = thousandths.get_num() / thousandths.get_den();
        const mpq_class rest = thousandths - mpq_class(k);
        if (rest * 2 >= 1) {
            k += 1;
        }
        EXPECT_EQ(ThreeDecimals(x), testing_support::ThousandthsText(q < 0 ? mpz_class(-k) : k))
            << q.get_str();
    }
}

// The matrix

struct Census {
    int regular = 0;
    int singular = 0;
};

void CheckAnalysis(int n, Entries kind, int systems, Census& census) {
    std::mt19937_64 random(static_cast<unsigned long>(1000 * n + static_cast<int>(kind)));
    for (int s = 0; s < systems; ++s) {
        Exact a(static_cast<std::size_t>(n),
                testing_support::RationalVector(static_cast<std::size_t>(n)));
        RationalMatrix typed(n, n);
        std::string description;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const std::string text = testing_support::RandomEntry(random, kind);
                description += text + (c == n ? " / " : " ");
                a[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] =
                    ExactDecimal(text);
                typed(r, c) = FromText(text);
            }
        }
        SCOPED_TRACE(description);
        const MatrixAnalysis result = Analyse(typed);
        const mpq_class det = ExactDeterminantOf(a);
        ASSERT_EQ(Mpq(result.determinant), det);
        const auto size = static_cast<std::size_t>(n);
        Exact subDeterminants(size, testing_support::RationalVector(size));
        Exact inverse(size, testing_support::RationalVector(size));
        for (std::size_t r = 0; r < size; ++r) {
            for (std::size_t c = 0; c < size; ++c) {
                const int row = static_cast<int>(r) + 1;
                const int column = static_cast<int>(c) + 1;
                subDeterminants[r][c] = Mpq(result.subDeterminants(row, column));
                if (result.inverse) {
                    inverse[r][c] = Mpq((*result.inverse)(row, column));
                }
            }
        }
        const auto d = [&](std::size_t r, std::size_t c) -> const mpq_class& {
            return subDeterminants[r][c];
        };
        const auto sign = [](std::size_t r, std::size_t c) { return (r + c) % 2 == 0 ? 1 : -1; };
        // Every row and every column of the signed terms adds up to det.
        for (std::size_t i = 0; i < size; ++i) {
            mpq_class row = 0;
            mpq_class column = 0;
            for (std::size_t j = 0; j < size; ++j) {
                row += sign(i, j) * a[i][j] * d(i, j);
                column += sign(j, i) * a[j][i] * d(j, i);
            }
            ASSERT_EQ(row, det) << "row " << i + 1;
            ASSERT_EQ(column, det) << "column " << i + 1;
        }
        if (det == 0) {
            ++census.singular;
            ASSERT_FALSE(result.inverse.has_value());
            for (std::size_t r = 0; r < size; ++r) {
                for (std::size_t c = 0; c < size; ++c) {
                    ASSERT_EQ(d(r, c), n == 1 ? mpq_class(1) : ExactDeterminantOf(Without(a, r, c)))
                        << r + 1 << "," << c + 1;
                }
            }
            continue;
        }
        ++census.regular;
        ASSERT_TRUE(result.inverse.has_value());
        for (std::size_t r = 0; r < size; ++r) {
            for (std::size_t c = 0; c < size; ++c) {
                // A * W = I, and the adjugate is det * W.
                mpq_class product = 0;
                for (std::size_t k = 0; k < size; ++k) {
                    product += a[r][k] * inverse[k][c];
                }
                ASSERT_EQ(product, r == c ? 1 : 0) << r + 1 << "," << c + 1;
                ASSERT_EQ(sign(r, c) * d(r, c), det * inverse[c][r]);
            }
        }
        // A spot check of one sub-determinant by the second algorithm.
        const std::size_t r = static_cast<std::size_t>(s) % size;
        const std::size_t c = static_cast<std::size_t>(s / n) % size;
        ASSERT_EQ(d(r, c), n == 1 ? mpq_class(1) : ExactDeterminantOf(Without(a, r, c)));
    }
}

class AnalyseRandomMatrices : public ::testing::TestWithParam<int> {};

TEST_P(AnalyseRandomMatrices, AgreeWithTheIdentitiesAndASecondAlgorithm) {
    const int n = GetParam();
    Census census;
    // 19,250 matrices; the huge integers of mixed magnitudes cost the most.
    const std::pair<Entries, int> draws[] = {{Entries::sparseIntegers, 7000},
                                             {Entries::oneDecimal, 6000},
                                             {Entries::twoDecimals, 6000},
                                             {Entries::mixedMagnitudes, 250}};
    for (const auto& [kind, count] : draws) {
        CheckAnalysis(n, kind, Sample(count), census);
        if (HasFatalFailure()) {
            return;
        }
    }
    // Both paths of the elimination are met.
    EXPECT_GT(census.singular, Sample(n == 6 ? 50 : 200));
    EXPECT_GT(census.regular, Sample(10000));
    std::printf("N = %d: %d regular, %d singular\n", n, census.regular, census.singular);
}

// The largest N first: ctest starts the cases in this order, and the
// longest should not be the last to start.
INSTANTIATE_TEST_SUITE_P(N, AnalyseRandomMatrices, ::testing::Values(6, 5, 4, 3, 2, 1));

TEST(Analyse, OneByOne) {
    RationalMatrix a(1, 1);
    a(1, 1) = FromText("-0.25");
    const MatrixAnalysis result = Analyse(a);
    EXPECT_EQ(FractionText(result.determinant), "-1/4");
    EXPECT_EQ(FractionText(result.subDeterminants(1, 1)), "1");
    ASSERT_TRUE(result.inverse.has_value());
    EXPECT_EQ(FractionText((*result.inverse)(1, 1)), "-4");
}

TEST(Analyse, TheDecimalMatrixThatBinaryCallsRegular) {
    RationalMatrix a(3, 3);
    const char* texts[] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"};
    for (int k = 0; k < 9; ++k) {
        a(k / 3 + 1, k % 3 + 1) = FromText(texts[k]);
    }
    const MatrixAnalysis result = Analyse(a);
    EXPECT_TRUE(result.determinant.isZero());
    EXPECT_FALSE(result.inverse.has_value());
    EXPECT_EQ(FractionText(result.subDeterminants(1, 1)), "-3/100");
}

TEST(Multiply, IsTheMatrixProduct) {
    RationalMatrix w(2, 2);
    w(1, 1) = FromText("0.5");
    w(1, 2) = FromFraction("1/3");
    w(2, 1) = FromText("-2");
    w(2, 2) = FromText("0");
    RationalVector y(2);
    y(1) = FromText("3");
    y(2) = FromText("0.3");
    const RationalVector x = Multiply(w, y);
    EXPECT_EQ(FractionText(x(1)), "8/5");
    EXPECT_EQ(FractionText(x(2)), "-6");
}

}  // namespace
}  // namespace velmora
