#pragma once

// Exact rational numbers for what the window shows. Every number a user
// types is a decimal or a whole number, so its exact value is a fraction,
// and so are the determinant, the minors, the inverse and the solution
// computed from them. GMP does the arithmetic, behind this interface only.

#include <memory>
#include <string>
#include <string_view>

#include "numtext/numtext.h"

namespace velmora {

class Rational {
public:
    Rational() noexcept;  // 0, without allocating
    explicit Rational(long whole);
    Rational(const Rational& other);
    Rational(Rational&& other) noexcept;
    Rational& operator=(const Rational& other);
    Rational& operator=(Rational&& other) noexcept;
    ~Rational();

    // The exact value of a number's parts as the readers give them.
    static Rational FromParts(const NumberParts& parts);

    [[nodiscard]] int sign() const noexcept;  // -1, 0 or 1
    [[nodiscard]] bool isZero() const noexcept { return sign() == 0; }

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    // Precondition: b is not zero.
    friend Rational operator/(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a);
    friend bool operator==(const Rational& a, const Rational& b) noexcept;

    struct Impl;  // GMP's rational, known only inside exact/

private:
    explicit Rational(std::unique_ptr<Impl> impl) noexcept;
    friend const Impl* ImplOf(const Rational& r) noexcept;
    friend Rational FromImpl(std::unique_ptr<Impl> impl) noexcept;

    std::unique_ptr<Impl> m_impl;  // null for 0
};

// A text read exactly: a number or a fraction, with the grammar, decisions
// and range of numtext's ReadFractionStrict and ReadFractionLenient (for a
// number, those of its double readers), taken at its exact value; a zero
// denominator is zeroDenominator.
struct ExactReading {
    Rational value;
    ReadError ec = ReadError::none;
    bool readInFull = true;  // lenient only: the number took the whole text

    [[nodiscard]] bool ok() const noexcept { return ec == ReadError::none; }
};
[[nodiscard]] ExactReading ReadExactStrict(std::string_view text);
[[nodiscard]] ExactReading ReadExactLenient(std::string_view text);

// The texts of the window's number formats, rounded once from the exact
// value with ties away from zero. NumberText: 15 significant digits, plain
// for decimal exponents -4..14 of the rounded value, otherwise mantissa, 'E',
// sign and at least two exponent digits; no trailing zeros; "0" for zero.
// ThreeDecimals: the pattern "###.000" (".500", "-.250", "2.000"); a value
// that rounds to zero is ".000".
[[nodiscard]] std::string NumberText(const Rational& x);
[[nodiscard]] std::string ThreeDecimals(const Rational& x);
// The reduced fraction: "-20/3", "61/96", and "5" for a whole number.
[[nodiscard]] std::string FractionText(const Rational& x);
// x said exactly, as a decimal where one of 15 digits is x: its NumberText
// when that is x ("12", "-2500", "1E-300"), else its reduced fraction
// ("1/3"). What a text read in part was read as.
[[nodiscard]] std::string ExactText(const Rational& x);

// NumberText, and whether it is x itself (nothing was rounded away).
struct RoundedText {
    std::string text;
    bool exact = false;
};
[[nodiscard]] RoundedText RoundedNumberText(const Rational& x);

// A result with the texts the window shows of it in decimals, each worked
// out once: its NumberText, and what its field shows (that text, or three
// decimals in the inverse).
struct ShownNumber {
    Rational value;
    RoundedText number;
    std::string decimal;
    bool decimalExact = false;  // the decimal is the value itself
};
[[nodiscard]] ShownNumber ShownAsNumber(Rational value);
[[nodiscard]] ShownNumber ShownInThreeDecimals(Rational value);

}  // namespace velmora
