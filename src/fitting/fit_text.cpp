#include "fitting/fit_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "numtext/numtext.h"

namespace velmora {

namespace {

// More significant digits than the window's number texts carry are never
// shown: rounding a number text to at most 15 digits gives its own digits.
constexpr auto kMaxDigits = static_cast<std::int64_t>(kNumberTextDigits);
// Plain forms go down to this decimal place; smaller numbers need an exponent.
constexpr std::int64_t kMaxDecimals = 20;
// Plain forms are tried for numbers below 10^21, which keeps them short.
constexpr std::int64_t kPlainLimit = 21;
constexpr std::size_t kMaxFill = 64;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// A decimal number text as the strict reader reads it, at any magnitude;
// &H / &O literals count as other texts.
std::optional<DecimalDigits> ReadDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text[first] == '&') {
        return std::nullopt;
    }
    const PartsReading reading = ReadPartsStrict(text, Range::unlimited);
    if (!reading.ok()) {
        return std::nullopt;
    }
    const NumberParts& parts = reading.parts;
    return DecimalDigits{parts.negative, parts.digits,
                         parts.exponent + static_cast<std::int64_t>(parts.digits.size()) - 1};
}

// The number rounded at the decimal place `place` (10^place), halves away
// from zero, as every number text of the window is rounded.
DecimalDigits RoundAt(const DecimalDigits& x, std::int64_t place) {
    const std::int64_t keep = x.lead - place + 1;  // digits that stay
    if (std::cmp_greater_equal(keep, x.digits.size())) {
        return x;
    }
    if (keep < 0 || (keep == 0 && x.digits[0] < '5')) {
        return {x.negative, "", 0};
    }
    if (keep == 0) {
        return {x.negative, "1", place};
    }
    DecimalDigits rounded = x;
    const auto kept = static_cast<std::size_t>(keep);
    rounded.lead += CutDigits(rounded.digits, kept, x.digits[kept] >= '5');
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    return rounded;
}

// The number written rounded, plain or with an exponent, and the decimal
// place of its last digit (10^place): the lower the place, the more the
// written number tells of the value.
struct RoundedForm {
    std::string text;
    std::int64_t place = 0;
};

std::optional<RoundedForm> PlainForm(const DecimalDigits& x, const FitsPredicate& fits) {
    if (x.lead >= kPlainLimit) {
        return std::nullopt;
    }
    for (std::int64_t decimals = kMaxDecimals; decimals >= 0; --decimals) {
        const DecimalDigits rounded = RoundAt(x, -decimals);
        if (rounded.lead - (-decimals) + 1 > kMaxDigits && !rounded.digits.empty()) {
            continue;
        }
        if (rounded.digits.empty() && !x.digits.empty()) {
            return std::nullopt;  // fewer decimals would show only zeros
        }
        std::string text = DecimalText(rounded, DecimalForm::plain);
        if (fits(text)) {
            return RoundedForm{std::move(text), -decimals};
        }
    }
    return std::nullopt;
}

std::optional<RoundedForm> ExponentForm(const DecimalDigits& x, DecimalForm form,
                                        const FitsPredicate& fits) {
    if (x.digits.empty()) {
        return std::nullopt;
    }
    for (std::int64_t digits = kMaxDigits; digits >= 1; --digits) {
        const DecimalDigits rounded = RoundAt(x, x.lead - digits + 1);
        std::string text = DecimalText(rounded, form);
        if (fits(text)) {
            return RoundedForm{std::move(text), rounded.lead - (digits - 1)};
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

FittedText RoundToFit(const DecimalDigits& x, const FitsPredicate& fits) {
    std::optional<RoundedForm> plain = PlainForm(x, fits);
    std::optional<RoundedForm> exponent = ExponentForm(x, DecimalForm::exponent, fits);
    if (plain && (!exponent || plain->place <= exponent->place)) {
        return {std::move(plain->text), Fit::rounded};
    }
    if (exponent) {
        return {std::move(exponent->text), Fit::rounded};
    }
    // The exponent without its '+' and leading zeros is the last resort: it
    // is not the look of the window's number texts, but it still tells the
    // magnitude where nothing else fits ("-1E308").
    if (std::optional<RoundedForm> shortest = ExponentForm(x, DecimalForm::shortExponent, fits)) {
        return {std::move(shortest->text), Fit::rounded};
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
    if (const std::optional<DecimalDigits> number = ReadDecimal(text)) {
        return RoundToFit(*number, fits);
    }
    return Beginning(text, fits);
}

}  // namespace velmora
