#include "fitting/fit_text.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "numtext/numtext.h"

namespace velmora {

namespace {

// A double carries 15 significant decimal digits faithfully: rounding the
// nearest double of a decimal text to at most 15 digits gives the text's
// own digits (up to a tie). More would show digits the text never had.
constexpr int kMaxDigits = 15;
// Plain forms go down to this decimal place; smaller numbers need an exponent.
constexpr int kMaxDecimals = 20;
// Plain forms are tried below this magnitude, which keeps them short.
constexpr double kPlainLimit = 1e21;
constexpr std::size_t kMaxFill = 64;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// A decimal number text as the strict reader reads it; &H / &O literals
// count as other texts.
StrictNumber ReadDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text[first] == '&') {
        return {0.0, ReadError::syntax};
    }
    return ReadNumberStrict(text);
}

// "1.2500" -> "1.25", "3.000" -> "3"; a text without a point is left alone.
void DropTrailingZeros(std::string& mantissa) {
    if (mantissa.find('.') == std::string::npos) {
        return;
    }
    while (mantissa.back() == '0') {
        mantissa.pop_back();
    }
    if (mantissa.back() == '.') {
        mantissa.pop_back();
    }
}

std::string ToChars(double x, std::chars_format format, int precision) {
    // Plain forms stay below 1e21: sign, 21 digits, point, 20 decimals.
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    assert(ec == std::errc());
    (void)ec;
    return {buffer.data(), end};
}

// Significant digits of a plain form: from the first non-zero digit on.
int SignificantDigits(std::string_view plain) {
    int count = 0;
    bool started = false;
    for (const char c : plain) {
        started = started || (c >= '1' && c <= '9');
        count += started && c >= '0' && c <= '9' ? 1 : 0;
    }
    return count;
}

// The number written rounded, plain or with an exponent, and the decimal
// place of its last digit (10^place): the lower the place, the more the
// written number tells of the value.
struct RoundedForm {
    std::string text;
    int place = 0;
};

std::optional<RoundedForm> PlainForm(double x, const FitsPredicate& fits) {
    if (!(std::fabs(x) < kPlainLimit)) {
        return std::nullopt;
    }
    for (int decimals = kMaxDecimals; decimals >= 0; --decimals) {
        std::string text = ToChars(x, std::chars_format::fixed, decimals);
        const int digits = SignificantDigits(text);
        if (digits > kMaxDigits) {
            continue;
        }
        if (digits == 0 && x != 0.0) {
            return std::nullopt;  // fewer decimals would show only zeros
        }
        DropTrailingZeros(text);
        if (fits(text)) {
            return RoundedForm{std::move(text), -decimals};
        }
    }
    return std::nullopt;
}

std::optional<RoundedForm> ExponentForm(double x, const FitsPredicate& fits) {
    for (int digits = kMaxDigits; digits >= 1; --digits) {
        // "d.ddde+XX": std::to_chars writes at least two exponent digits.
        const std::string chars = ToChars(x, std::chars_format::scientific, digits - 1);
        const std::size_t e = chars.find('e');
        assert(e != std::string::npos);
        std::string text = chars.substr(0, e);
        DropTrailingZeros(text);
        text += 'E';
        text += chars.substr(e + 1);
        if (fits(text)) {
            int exponent = 0;
            std::from_chars(chars.data() + e + 2, chars.data() + chars.size(), exponent);
            if (chars[e + 1] == '-') {
                exponent = -exponent;
            }
            return RoundedForm{std::move(text), exponent - (digits - 1)};
        }
    }
    return std::nullopt;
}

FittedText Filled(const FitsPredicate& fits) {
    std::string hashes;
    while (hashes.size() < kMaxFill && fits(hashes + '#')) {
        hashes += '#';
    }
    return {std::move(hashes), Fit::filled};
}

FittedText RoundToFit(double x, const FitsPredicate& fits) {
    std::optional<RoundedForm> plain = PlainForm(x, fits);
    std::optional<RoundedForm> exponent = ExponentForm(x, fits);
    if (plain && (!exponent || plain->place <= exponent->place)) {
        return {std::move(plain->text), Fit::rounded};
    }
    if (exponent) {
        return {std::move(exponent->text), Fit::rounded};
    }
    return Filled(fits);
}

FittedText Beginning(std::string_view text, const FitsPredicate& fits) {
    std::size_t length = text.size();
    while (length > 0) {
        --length;
        while (length > 0 && IsContinuationByte(text[length])) {
            --length;
        }
        if (fits(text.substr(0, length))) {
            break;
        }
    }
    return {std::string(text.substr(0, length)), Fit::cut};
}

}  // namespace

FittedText FitText(std::string_view text, const FitsPredicate& fits) {
    if (fits(text)) {
        return {std::string(text), Fit::whole};
    }
    const StrictNumber number = ReadDecimal(text);
    switch (number.ec) {
        case ReadError::none:
            return RoundToFit(number.value, fits);
        case ReadError::outOfRange:
            return Filled(fits);  // none of its digits has a double to round
        case ReadError::syntax:
            break;
    }
    return Beginning(text, fits);
}

}  // namespace velmora
