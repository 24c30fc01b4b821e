#pragma once

// Conversions between the texts of the window's fields and numbers. Every
// number lives as text in a field; these are the only ways text becomes a
// number and a number becomes text. They are pure and locale-free: the full
// stop is the decimal separator and digits are never grouped.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

enum class ReadError {
    none,
    syntax,      // empty, blanks only, or a character outside the grammar
    outOfRange,  // beyond the double range, or an &H/&O literal beyond 64 bits
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
// is the nearest double; below the smallest subnormal that is a zero of the
// number's sign. Refused: anything else (inf, nan, 0x1p3, "1,5"), and with
// outOfRange a value beyond the double range or a literal beyond 64 bits.
[[nodiscard]] StrictNumber ReadNumberStrict(std::string_view text) noexcept;

// Removes blanks, tabs, line feeds and carriage returns, then reads the
// longest leading number ([sign] digits [. digits], exponent letter E or D
// taken only when digits follow it; &H / &O literals with the longest run of
// digits) and ignores the rest: "1,5" reads 1, "1e+" reads 1. A text without
// a leading number reads as 0. Throws ArithmeticOverflow when that number
// lies beyond the double range or a literal beyond 64 bits. Every text that
// ReadNumberStrict accepts and that has no blanks inside reads the same.
[[nodiscard]] double ReadNumberLenient(std::string_view text);

class DimensionError : public std::runtime_error {
public:
    enum class Kind {
        notANumber,  // the strict reader refused the text
        tooLarge,    // a number above 32767 after rounding
        tooSmall,    // a number below -32768 after rounding
    };
    explicit DimensionError(Kind kind);
    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// Reads the text strictly and rounds half to even. Throws DimensionError:
// tooLarge / tooSmall beyond the 16-bit range (also for a number beyond the
// double range, such as 1E400 or -1E400), notANumber for any other text the
// strict reader refuses.
[[nodiscard]] std::int16_t ReadDimension(std::string_view text);

// General text, as C's "%.15G": 15 significant digits, plain for decimal
// exponents -4..14 of the rounded value, otherwise mantissa, 'E', sign and at
// least two exponent digits ("1.5E+20"); no trailing zeros. Negative zero is
// written "0". Within a unit of the 15th digit of the largest double the
// digits are rounded down, so that every text reads back through
// ReadNumberStrict. Precondition: x is finite.
[[nodiscard]] std::string NumberText(double x);

// The pattern "###.000": three decimals rounded from the exact binary
// value (halves to even, as "%.3f"), no zero before the point (".500",
// "-.250"); a value that rounds to zero is ".000" whatever its sign.
// Precondition: x is finite.
[[nodiscard]] std::string ThreeDecimals(double x);

[[nodiscard]] std::string WholeNumberText(std::int16_t n);

// Nearest whole number; an exact half goes to the even neighbour. Does not
// depend on the floating-point rounding mode.
[[nodiscard]] double RoundHalfEven(double x) noexcept;

// Whether ReadNumberLenient reads all of the text: once blanks, tabs, line
// feeds and carriage returns are removed, nothing is left ("" and "  " read
// as 0, as designed) or exactly the number it reads ("1 000", "2D3",
// "&HFF"). False when it ignores a rest ("1,5", "1/3", "12abc", "1e+") or
// finds no number and reads 0 ("abc", "$100", "&H").
[[nodiscard]] bool LenientReadsWholeText(std::string_view text);

}  // namespace velmora
