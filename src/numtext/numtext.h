#pragma once

// Conversions between the texts of the window's fields and numbers. Every
// number lives as text in a field; these are the only ways text becomes a
// number and a number becomes text. They are pure and locale-free: the full
// stop is the decimal separator and digits are never grouped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class ReadError {
    none,
    syntax,           // empty, blanks only, or a character outside the grammar
    outOfRange,       // beyond the double range, or an &H/&O literal beyond 64 bits
    zeroDenominator,  // a fraction whose denominator is zero (fraction readers only)
};

// Result of a strict reading, in the style of std::from_chars: value is
// meaningful only when ec is ReadError::none.
struct StrictNumber {
    double value = 0.0;
    ReadError ec = ReadError::none;

    [[nodiscard]] bool ok() const noexcept { return ec == ReadError::none; }
};

// The whole text, blanks (spaces, tabs) around it allowed, must be one
// number: [sign] digits with at most one '.' and at least one digit ("1."
// and ".5" are numbers), then optionally E or e, [sign], digits. Or &H / &O
// (either case) followed by at least one hexadecimal / octal digit, read as
// the unsigned value of the digits; no sign before the ampersand. The value
// is the nearest double. Refused: anything else (inf, nan, 0x1p3, "1,5"),
// and with outOfRange a value beyond the double range in either direction
// (one whose nearest double is infinite, or 0 while the value is not) or a
// literal beyond 64 bits.
[[nodiscard]] StrictNumber ReadNumberStrict(std::string_view text) noexcept;

// Result of a lenient reading: value is meaningful only when ec is
// ReadError::none (never syntax: a text without a number reads as 0).
// readInFull tells whether the number took the whole text once blanks were
// removed; the empty text reads in full.
struct LenientNumber {
    double value = 0.0;
    ReadError ec = ReadError::none;
    bool readInFull = true;

    [[nodiscard]] bool ok() const noexcept { return ec == ReadError::none; }
};

// Removes blanks, tabs, line feeds and carriage returns, then reads the
// longest leading number ([sign] digits [. digits], exponent letter E or D
// taken only when digits follow it; &H / &O literals with the longest run of
// digits) and ignores the rest: "1,5" reads 1, "1e+" reads 1. A text without
// a leading number reads as 0. outOfRange when that number lies beyond the
// double range or a literal beyond 64 bits. Every text that ReadNumberStrict
// accepts and that has no blanks inside reads the same.
[[nodiscard]] LenientNumber ReadNumberLenient(std::string_view text);

// A number a reader accepted, in parts that lose nothing of what was typed
// (for exact arithmetic): the value is (negative ? -1 : 1) * digits *
// 10^exponent, where digits is a decimal integer without leading or trailing
// zeros, empty for zero. A mantissa of more than kMaxSignificantDigits
// significant digits is rounded to that many, halves away from zero, so that
// no text costs more than a bounded amount of arithmetic.
constexpr std::size_t kMaxSignificantDigits = 100;
struct NumberParts {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    friend bool operator==(const NumberParts&, const NumberParts&) = default;
};
struct PartsReading {
    NumberParts parts;
    ReadError ec = ReadError::none;
    bool readInFull = true;  // as in LenientNumber; always true when strict

    [[nodiscard]] bool ok() const noexcept { return ec == ReadError::none; }
};

// The same grammar, decisions and range as ReadNumberStrict, giving the
// number's parts instead of the nearest double. With Range::unlimited a
// decimal number beyond the double range is accepted too (for drawing texts,
// not for computing with them).
enum class Range { doubles, unlimited };
[[nodiscard]] PartsReading ReadPartsStrict(std::string_view text, Range range = Range::doubles);

// A number, or a fraction of two, in parts: the value is numerator /
// *denominator, or the numerator alone when there is no denominator.
struct FractionReading {
    NumberParts numerator;
    std::optional<NumberParts> denominator;  // never zero when ok
    ReadError ec = ReadError::none;
    bool readInFull = true;  // as in LenientNumber; always true when strict

    [[nodiscard]] bool ok() const noexcept { return ec == ReadError::none; }
};

// Strict: the whole text, blanks (spaces, tabs) around it allowed, is a
// number of ReadNumberStrict's grammar, or a fraction: such a number, '/',
// and an unsigned one (a decimal without a sign, or an &H / &O literal),
// blanks around the '/' allowed ("1/3", "-2/5", "1.5/4", "1E3/7", "-1 / 3",
// "&HFF/2"). Refused with syntax: anything else ("1/", "/3", "1/-3", "1/2/3").
// Lenient: the text without blanks, tabs, line feeds and carriage returns is
// read as ReadNumberLenient reads it, and when its leading number is followed
// by '/' and an unsigned number (exponent letter E or D), the fraction of the
// two: "1/3" is read in full, "1/3 apples" as 1/3 and "1/" or "1/x" as 1, not
// in full. Both: each of the two numbers lies within the double range
// (outOfRange, the numerator's checked first), and a denominator of zero is
// zeroDenominator.
[[nodiscard]] FractionReading ReadFractionStrict(std::string_view text);
[[nodiscard]] FractionReading ReadFractionLenient(std::string_view text);

// Cuts a string of decimal digits to its first `keep` (padding with zeros)
// and, when roundUp, adds one unit to the last of them; returns 1 when that
// carried into a new leading digit ("99" -> "10", the number one place
// longer), else 0. The one rounding step of every decimal text.
int CutDigits(std::string& digits, std::size_t keep, bool roundUp);

// Why a dimension text cannot be read.
enum class DimensionError {
    none,
    notANumber,  // the strict reader refused the text
    tooLarge,    // a number above 32767 after rounding
    tooSmall,    // a number below -32768 after rounding
};

struct Dimension {
    std::int16_t value = 0;
    DimensionError ec = DimensionError::none;

    [[nodiscard]] bool ok() const noexcept { return ec == DimensionError::none; }
};

// Reads the text strictly and rounds half to even. tooLarge / tooSmall beyond
// the 16-bit range (also for a number above the double range, such as 1E400
// or -1E400; one below it, such as 1E-400, rounds to 0), notANumber for any
// other text the strict reader refuses.
[[nodiscard]] Dimension ReadDimension(std::string_view text);

// A decimal number as its writer takes it: the value is (negative ? -1 : 1)
// * d1.d2d3... * 10^lead, where d1 d2 d3 ... are `digits`, the first not
// zero; trailing zeros are allowed (they are not written), and no digits at
// all is zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    std::int64_t lead = 0;
};

enum class DecimalForm {
    plain,          // "-1234.5", "0.00012", "150000": zeros filled in up to the point
    exponent,       // "-1.2345E+03", "1E-300": a sign and at least two exponent digits
    shortExponent,  // "-1E308", "2.5E-7": no '+' and no leading zeros in the exponent
    general,        // as C's "%G": plain for leads -4 to kNumberTextDigits - 1, else exponent
};

// The significant digits of the window's number texts.
constexpr std::size_t kNumberTextDigits = 15;

// The one writer of decimal texts: x in the form, without trailing zeros
// after the point; a zero is "0", without a sign, in every form.
[[nodiscard]] std::string DecimalText(const DecimalDigits& x, DecimalForm form);

// General text, as C's "%.15G": 15 significant digits, plain for decimal
// exponents -4..14 of the rounded value, otherwise mantissa, 'E', sign and at
// least two exponent digits ("1.5E+20"); no trailing zeros: the general form
// of DecimalText. Negative zero is written "0". Within a unit of the 15th digit of the largest
// double the digits are rounded down, so that every text reads back through ReadNumberStrict.
// Precondition: x is finite.
[[nodiscard]] std::string NumberText(double x);

[[nodiscard]] std::string WholeNumberText(std::int16_t n);

// Nearest whole number; an exact half goes to the even neighbour. Does not
// depend on the floating-point rounding mode.
[[nodiscard]] double RoundHalfEven(double x) noexcept;

}  // namespace velmora
