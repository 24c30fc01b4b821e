#include "exact/rational.h"

#include <gmpxx.h>

#include <cassert>
#include <cstdint>
#include <string>
#include <utility>

#include "exact/gmp_rational.h"

namespace velmora {

Rational::Rational() noexcept = default;
Rational::Rational(long whole) : Rational(ToRational(mpq_class(whole))) {}
Rational::Rational(std::unique_ptr<Impl> impl) noexcept : m_impl(std::move(impl)) {}
Rational::Rational(const Rational& other)
    : m_impl(other.m_impl ? std::make_unique<Impl>(*other.m_impl) : nullptr) {}
Rational::Rational(Rational&& other) noexcept = default;
Rational& Rational::operator=(const Rational& other) {
    if (this != &other) {
        m_impl = other.m_impl ? std::make_unique<Impl>(*other.m_impl) : nullptr;
    }
    return *this;
}
Rational& Rational::operator=(Rational&& other) noexcept = default;
Rational::~Rational() = default;

namespace {

mpz_class PowerOfTen(std::uint64_t exponent) {
    constexpr std::uint64_t kLargestSmall = 19;  // 10^19 still fits 64 bits
    if (exponent <= kLargestSmall) {
        std::uint64_t power = 1;
        for (std::uint64_t i = 0; i < exponent; ++i) {
            power *= 10;
        }
        mpz_class small;
        mpz_set_ui(small.get_mpz_t(), power);  // unsigned long is 64 bits here
        return small;
    }
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

std::uint64_t Magnitude(std::int64_t e) {
    return e < 0 ? 0 - static_cast<std::uint64_t>(e) : static_cast<std::uint64_t>(e);
}

}  // namespace

Rational Rational::FromParts(const NumberParts& parts) {
    if (parts.digits.empty()) {
        return {};
    }
    mpq_class q(mpz_class(parts.digits, 10));
    if (parts.exponent >= 0) {
        q.get_num() *= PowerOfTen(Magnitude(parts.exponent));
    } else {
        q.get_den() = PowerOfTen(Magnitude(parts.exponent));
        q.canonicalize();
    }
    if (parts.negative) {
        q = -q;
    }
    return ToRational(std::move(q));
}

int Rational::sign() const noexcept {
    return m_impl ? sgn(m_impl->q) : 0;
}

Rational operator+(const Rational& a, const Rational& b) {
    return ToRational(MpqOf(a) + MpqOf(b));
}
Rational operator-(const Rational& a, const Rational& b) {
    return ToRational(MpqOf(a) - MpqOf(b));
}
Rational operator*(const Rational& a, const Rational& b) {
    return ToRational(MpqOf(a) * MpqOf(b));
}
Rational operator/(const Rational& a, const Rational& b) {
    assert(!b.isZero());
    return ToRational(MpqOf(a) / MpqOf(b));
}
Rational operator-(const Rational& a) {
    return ToRational(-MpqOf(a));
}
bool operator==(const Rational& a, const Rational& b) noexcept {
    return MpqOf(a) == MpqOf(b);
}

namespace {

ExactReading Exactly(const FractionReading& reading) {
    if (!reading.ok()) {
        return {{}, reading.ec, reading.readInFull};
    }
    Rational value = Rational::FromParts(reading.numerator);
    if (reading.denominator) {
        value = value / Rational::FromParts(*reading.denominator);
    }
    return {std::move(value), ReadError::none, reading.readInFull};
}

// round(a / b) for a >= 0, b > 0, an exact half going up (away from zero),
// and whether nothing was rounded away.
mpz_class RoundedQuotient(const mpz_class& a, const mpz_class& b, bool& exact) {
    mpz_class q;
    mpz_class r;
    mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    exact = r == 0;
    r *= 2;
    if (r >= b) {
        ++q;
    }
    return q;
}

// The `count` significant digits of |x| (x not zero), rounded with halves
// away from zero, and the decimal exponent of the first of them.
struct Significand {
    std::string digits;
    long exponent = 0;
    bool exact = false;
};

Significand Significant(const mpq_class& x, std::size_t count) {
    const mpz_class a = abs(x.get_num());
    const mpz_class& b = x.get_den();
    // a/b * 10^shift has about count + 1 digits: sizeinbase may count one
    // digit too many for each of a and b, and the digits then say how many.
    long shift = static_cast<long>(count) - (static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 10)) -
                                             static_cast<long>(mpz_sizeinbase(b.get_mpz_t(), 10)));
    for (;;) {
        mpz_class q;
        mpz_class r;
        const mpz_class power = PowerOfTen(Magnitude(shift));
        const mpz_class numerator = shift >= 0 ? mpz_class(a * power) : a;
        const mpz_class divisor = shift >= 0 ? b : mpz_class(b * power);
        mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), numerator.get_mpz_t(), divisor.get_mpz_t());
        std::string digits = q.get_str(10);
        if (digits.size() < count) {
            shift += static_cast<long>(count - digits.size());
            continue;
        }
        Significand s;
        s.exponent = static_cast<long>(digits.size()) - 1 - shift;
        // Halves away from zero: the first dropped digit decides, or, when
        // no digit is dropped, the remainder of the division.
        const bool up = digits.size() > count ? digits[count] >= '5' : 2 * r >= divisor;
        s.exact = r == 0 && digits.find_first_not_of('0', count) == std::string::npos;
        s.exponent += CutDigits(digits, count, up);
        s.digits = std::move(digits);
        return s;
    }
}

}  // namespace

ExactReading ReadExactStrict(std::string_view text) {
    return Exactly(ReadFractionStrict(text));
}

ExactReading ReadExactLenient(std::string_view text) {
    return Exactly(ReadFractionLenient(text));
}

std::string NumberText(const Rational& x) {
    return RoundedNumberText(x).text;
}

RoundedText RoundedNumberText(const Rational& x) {
    if (x.isZero()) {
        return {"0", true};
    }
    Significand s = Significant(MpqOf(x), kNumberTextDigits);
    return {DecimalText({x.sign() < 0, std::move(s.digits), s.exponent}, DecimalForm::general),
            s.exact};
}

namespace {

// The pattern "###.000", and whether it is x itself.
RoundedText RoundedThreeDecimals(const Rational& x) {
    const mpq_class& q = MpqOf(x);
    bool exact = false;
    const mpz_class thousandths = RoundedQuotient(abs(q.get_num()) * 1000, q.get_den(), exact);
    if (thousandths == 0) {
        return {".000", exact};
    }
    const mpz_class whole = thousandths / 1000;
    std::string decimals = mpz_class(thousandths % 1000).get_str(10);
    decimals.insert(0, 3 - decimals.size(), '0');
    // "###" writes no zero before the point.
    return {(x.sign() < 0 ? "-" : "") + (whole == 0 ? std::string() : whole.get_str(10)) + "." +
                decimals,
            exact};
}

}  // namespace

std::string ThreeDecimals(const Rational& x) {
    return RoundedThreeDecimals(x).text;
}

ShownNumber ShownAsNumber(Rational value) {
    RoundedText number = RoundedNumberText(value);
    RoundedText decimal = number;
    return {std::move(value), std::move(number), std::move(decimal.text), decimal.exact};
}

ShownNumber ShownInThreeDecimals(Rational value) {
    RoundedText number = RoundedNumberText(value);
    RoundedText decimal = RoundedThreeDecimals(value);
    return {std::move(value), std::move(number), std::move(decimal.text), decimal.exact};
}

std::string FractionText(const Rational& x) {
    return MpqOf(x).get_str(10);
}

std::string ExactText(const Rational& x) {
    RoundedText number = RoundedNumberText(x);
    return number.exact ? std::move(number.text) : FractionText(x);
}

}  // namespace velmora
