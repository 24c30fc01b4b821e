#pragma once

// The tests' exact oracle for inverses and solutions: GMP's rationals. Texts
// are read exactly as the decimals they are, never through a double.

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora::testing_support {

using RationalMatrix = std::vector<std::vector<mpq_class>>;
using RationalVector = std::vector<mpq_class>;

// A decimal text such as "-12.25" or "3E-2" as the exact rational it denotes.
inline mpq_class ExactDecimal(const std::string& text) {
    std::string digits;
    long exponent = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool afterPoint = false;
    for (; i < text.size() && text[i] != 'E' && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            afterPoint = true;
        } else {
            digits += text[i];
            exponent -= afterPoint ? 1 : 0;
        }
    }
    if (i < text.size()) {
        exponent += std::stol(text.substr(i + 1));
    }
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10,
                  static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    mpq_class value{mpz_class(digits.empty() ? "0" : digits, 10)};
    value = exponent < 0 ? mpq_class(value / scale) : mpq_class(value * scale);
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

// The exact inverse by Gauss-Jordan elimination; nothing when singular.
inline std::optional<RationalMatrix> ExactInverse(RationalMatrix a) {
    const std::size_t n = a.size();
    RationalMatrix w(n, RationalVector(n, 0));
    for (std::size_t i = 0; i < n; ++i) {
        w[i][i] = 1;
    }
    for (std::size_t j = 0; j < n; ++j) {
        std::size_t p = j;
        while (p < n && a[p][j] == 0) {
            ++p;
        }
        if (p == n) {
            return std::nullopt;
        }
        std::swap(a[p], a[j]);
        std::swap(w[p], w[j]);
        const mpq_class pivot = a[j][j];
        for (std::size_t i = 0; i < n; ++i) {
            a[j][i] /= pivot;
            w[j][i] /= pivot;
        }
        for (std::size_t k = 0; k < n; ++k) {
            if (k == j || a[k][j] == 0) {
                continue;
            }
            const mpq_class f = a[k][j];
            for (std::size_t i = 0; i < n; ++i) {
                a[k][i] -= f * a[j][i];
                w[k][i] -= f * w[j][i];
            }
        }
    }
    return w;
}

// The exact determinant by Gaussian elimination with row exchanges.
inline mpq_class ExactDeterminantOf(RationalMatrix a) {
    const std::size_t n = a.size();
    mpq_class det = 1;
    for (std::size_t j = 0; j < n; ++j) {
        std::size_t p = j;
        while (p < n && a[p][j] == 0) {
            ++p;
        }
        if (p == n) {
            return 0;
        }
        if (p != j) {
            std::swap(a[p], a[j]);
            det = -det;
        }
        det *= a[j][j];
        for (std::size_t k = j + 1; k < n; ++k) {
            if (a[k][j] == 0) {
                continue;
            }
            const mpq_class f = a[k][j] / a[j][j];
            for (std::size_t i = j; i < n; ++i) {
                a[k][i] -= f * a[j][i];
            }
        }
    }
    return det;
}

// The matrix without one row and one column.
inline RationalMatrix Without(const RationalMatrix& a, std::size_t row, std::size_t column) {
    RationalMatrix minor;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (i == row) {
            continue;
        }
        RationalVector& out = minor.emplace_back();
        for (std::size_t j = 0; j < a.size(); ++j) {
            if (j != column) {
                out.push_back(a[i][j]);
            }
        }
    }
    return minor;
}

inline RationalVector Times(const RationalMatrix& w, const RationalVector& y) {
    RationalVector x(y.size(), 0);
    for (std::size_t r = 0; r < y.size(); ++r) {
        for (std::size_t c = 0; c < y.size(); ++c) {
            x[r] += w[r][c] * y[c];
        }
    }
    return x;
}

// The 1-norm: the largest column sum of magnitudes.
inline mpq_class NormOne(const RationalMatrix& m) {
    mpq_class norm = 0;
    for (std::size_t c = 0; c < m.size(); ++c) {
        mpq_class sum = 0;
        for (const RationalVector& row : m) {
            sum += abs(row[c]);
        }
        norm = sum > norm ? sum : norm;
    }
    return norm;
}

// k / 1000 in the pattern "###.000": no zero before the point, ".000" for 0.
inline std::string ThousandthsText(const mpz_class& k) {
    if (k == 0) {
        return ".000";
    }
    const mpz_class magnitude = abs(k);
    const mpz_class whole = magnitude / 1000;
    const std::string fraction = mpz_class(magnitude % 1000 + 1000).get_str().substr(1);
    return (k < 0 ? "-" : "") + (whole == 0 ? std::string() : whole.get_str()) + "." + fraction;
}

// |p/q| rounded to `count` significant digits, halves away from zero, by
// long division one digit at a time: the digits and the power of ten of
// the first one.
struct Rounded {
    std::string digits;
    long exponent = 0;
};

inline Rounded LongDivision(const mpq_class& x, std::size_t count) {
    mpz_class remainder = abs(x.get_num());
    const mpz_class& q = x.get_den();
    const mpz_class whole = remainder / q;
    remainder %= q;
    std::string digits = whole == 0 ? "" : whole.get_str();
    long exponent = static_cast<long>(digits.size()) - 1;
    if (digits.empty()) {
        exponent = -1;
        for (;;) {
            remainder *= 10;
            const mpz_class digit = remainder / q;
            remainder %= q;
            if (digit != 0) {
                digits = digit.get_str();
                break;
            }
            --exponent;
        }
    }
    while (digits.size() <= count) {
        remainder *= 10;
        const mpz_class digit = remainder / q;
        remainder %= q;
        digits += digit.get_str();
    }
    const bool up = digits[count] >= '5';
    digits.resize(count);
    if (up) {
        std::size_t i = count;
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    return {digits, exponent};
}

inline mpq_class ValueOf(const Rounded& r, bool negative) {
    mpq_class v(mpz_class(r.digits));
    mpz_class power;
    const long shift = r.exponent - static_cast<long>(r.digits.size()) + 1;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(shift < 0 ? -shift : shift));
    v = shift < 0 ? mpq_class(v / power) : mpq_class(v * power);
    v.canonicalize();
    return negative ? mpq_class(-v) : v;
}

// q as the window's general number text: 15 significant digits, plain for
// decimal exponents -4..14, otherwise with an exponent of two digits or more.
inline std::string NumberTextOf(const mpq_class& q) {
    if (q == 0) {
        return "0";
    }
    const Rounded r = LongDivision(q, 15);
    std::string digits = r.digits;
    const std::string sign = q < 0 ? "-" : "";
    std::string text;
    if (r.exponent >= -4 && r.exponent <= 14) {
        if (r.exponent < 0) {
            digits.insert(0, static_cast<std::size_t>(-r.exponent), '0');
            digits.insert(1, ".");
        } else {
            digits.insert(static_cast<std::size_t>(r.exponent) + 1, ".");
        }
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') {
            digits.pop_back();
        }
        return sign + digits;
    }
    std::string mantissa = digits.substr(0, 1) + "." + digits.substr(1);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') {
        mantissa.pop_back();
    }
    const long e = r.exponent < 0 ? -r.exponent : r.exponent;
    return sign + mantissa + "E" + (r.exponent < 0 ? "-" : "+") + (e < 10 ? "0" : "") +
           std::to_string(e);
}

// q in the pattern "###.000", rounded to thousandths with halves away from
// zero, as the window shows exact values.
inline std::string ThreeDecimalsAway(const mpq_class& q) {
    const mpq_class scaled = abs(q) * 1000;
    mpz_class k;
    mpz_fdiv_q(k.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    if (2 * (scaled - k) >= 1) {
        k += 1;
    }
    return ThousandthsText(q < 0 ? mpz_class(-k) : k);
}

// The texts that a value computed within `band` of q may round to at three
// decimals: q's own rounding (halves to even), and the other neighbour when
// q lies within `band` of the half-way point between them.
inline std::vector<std::string> ThreeDecimalTexts(const mpq_class& q, const mpq_class& band) {
    const mpq_class scaled = q * 1000;
    mpz_class below;
    mpz_fdiv_q(below.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    const mpq_class fraction = scaled - below;
    const mpq_class half(1, 2);
    const bool up = fraction > half || (fraction == half && below % 2 != 0);
    const mpz_class nearest = up ? mpz_class(below + 1) : below;
    std::vector<std::string> texts{ThousandthsText(nearest)};
    if (abs(fraction - half) / 1000 < band) {
        texts.push_back(ThousandthsText(up ? below : mpz_class(below + 1)));
    }
    return texts;
}

}  // namespace velmora::testing_support
