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
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

std::uint64_t Magnitude(std::int64_t e) {
    return e < 0 ? static_cast<std::uint64_t>(-(e + 1)) + 1 : static_cast<std::uint64_t>(e);
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

ExactReading Exactly(const PartsReading& reading) {
    if (!reading.ok()) {
        return {{}, reading.ec, reading.readInFull};
    }
    return {Rational::FromParts(reading.parts), ReadError::none, reading.readInFull};
}

// round(a / b) for a >= 0, b > 0, an exact half going up (away from zero).
mpz_class RoundedQuotient(const mpz_class& a, const mpz_class& b) {
    mpz_class q = (2 * a + b) / (2 * b);
    return q;
}

// `digits` significant digits of |x| (x not zero), rounded: the integer N of
// exactly that many digits and the decimal exponent of its first digit, so
// that |x| is about N * 10^(exponent - digits + 1).
struct Significand {
    mpz_class digits;
    long exponent;
};

Significand Significant(const mpq_class& x, unsigned long count) {
    const mpz_class a = abs(x.get_num());
    const mpz_class& b = x.get_den();
    // 10^e <= a/b < 10^(e+1); sizeinbase may count one digit too many.
    long e = static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 10)) -
             static_cast<long>(mpz_sizeinbase(b.get_mpz_t(), 10));
    const auto scaledAbove = [&](long exponent) {  // a/b >= 10^exponent
        return exponent >= 0 ? a >= b * PowerOfTen(static_cast<std::uint64_t>(exponent))
                             : a * PowerOfTen(static_cast<std::uint64_t>(-exponent)) >= b;
    };
    while (!scaledAbove(e)) {
        --e;
    }
    while (scaledAbove(e + 1)) {
        ++e;
    }
    const long shift = static_cast<long>(count) - 1 - e;  // N ~ a/b * 10^shift
    mpz_class n = shift >= 0
                      ? RoundedQuotient(a * PowerOfTen(static_cast<std::uint64_t>(shift)), b)
                      : RoundedQuotient(a, b * PowerOfTen(static_cast<std::uint64_t>(-shift)));
    if (n == PowerOfTen(count)) {  // 9.99..5 rounded up to 10.00..
        n /= 10;
        ++e;
    }
    return {n, e};
}

}  // namespace

ExactReading ReadExactStrict(std::string_view text) {
    return Exactly(ReadPartsStrict(text));
}

ExactReading ReadExactLenient(std::string_view text) {
    return Exactly(ReadPartsLenient(text));
}

std::string NumberText(const Rational& x) {
    if (x.isZero()) {
        return "0";
    }
    constexpr unsigned long kDigits = 15;
    const Significand s = Significant(MpqOf(x), kDigits);
    std::string digits = s.digits.get_str(10);
    assert(digits.size() == kDigits);
    const std::string sign = x.sign() < 0 ? "-" : "";
    const auto trimmed = [](std::string d) {
        d.erase(d.find_last_not_of('0') + 1);
        return d;
    };
    // Plain for exponents -4..14 of the rounded value, as C's "%.15G".
    if (s.exponent >= -4 && s.exponent < static_cast<long>(kDigits)) {
        if (s.exponent < 0) {
            return sign + "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') +
                   trimmed(digits);
        }
        const auto whole = static_cast<std::size_t>(s.exponent) + 1;
        const std::string fraction = trimmed(digits.substr(whole));
        return sign + digits.substr(0, whole) + (fraction.empty() ? "" : "." + fraction);
    }
    const std::string fraction = trimmed(digits.substr(1));
    std::string exponent = std::to_string(s.exponent < 0 ? -s.exponent : s.exponent);
    if (exponent.size() < 2) {
        exponent.insert(0, "0");
    }
    return sign + digits.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + "E" +
           (s.exponent < 0 ? "-" : "+") + exponent;
}

std::string ThreeDecimals(const Rational& x) {
    const mpq_class& q = MpqOf(x);
    const mpz_class thousandths = RoundedQuotient(abs(q.get_num()) * 1000, q.get_den());
    if (thousandths == 0) {
        return ".000";
    }
    const mpz_class whole = thousandths / 1000;
    std::string decimals = mpz_class(thousandths % 1000).get_str(10);
    decimals.insert(0, 3 - decimals.size(), '0');
    // "###" writes no zero before the point.
    return (x.sign() < 0 ? "-" : "") + (whole == 0 ? std::string() : whole.get_str(10)) + "." +
           decimals;
}

std::string FractionText(const Rational& x) {
    return MpqOf(x).get_str(10);
}

bool IsExactText(const Rational& x, std::string_view decimal) {
    const ExactReading reading = ReadExactStrict(decimal);
    return reading.ok() && reading.value == x;
}

}  // namespace velmora
