#include "numtext/numtext.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace velmora {

int CutDigits(std::string& digits, std::size_t keep, bool roundUp) {
    digits.resize(keep, '0');
    if (!roundUp) {
        return 0;
    }
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return 0;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return 1;
}

namespace {

std::string ExponentDigits(std::int64_t e, DecimalForm form) {
    const std::uint64_t magnitude =
        e < 0 ? 0 - static_cast<std::uint64_t>(e) : static_cast<std::uint64_t>(e);
    std::string text = std::to_string(magnitude);
    if (form == DecimalForm::shortExponent) {
        return (e < 0 ? "-" : "") + text;
    }
    if (text.size() < 2) {
        text.insert(0, "0");
    }
    return (e < 0 ? "-" : "+") + text;
}

}  // namespace

std::string DecimalText(const DecimalDigits& x, DecimalForm form) {
    const std::string_view digits =
        std::string_view(x.digits).substr(0, x.digits.find_last_not_of('0') + 1);
    if (digits.empty()) {
        return "0";
    }
    if (form == DecimalForm::general) {
        const bool plain = x.lead >= -4 && std::cmp_less(x.lead, kNumberTextDigits);
        form = plain ? DecimalForm::plain : DecimalForm::exponent;
    }
    std::string text = x.negative ? "-" : "";
    if (form != DecimalForm::plain) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        return text + "E" + ExponentDigits(x.lead, form);
    }
    if (x.lead < 0) {
        return text + "0." + std::string(static_cast<std::size_t>(-(x.lead + 1)), '0') +
               std::string(digits);
    }
    const auto whole = static_cast<std::size_t>(x.lead) + 1;
    if (digits.size() <= whole) {
        return text + std::string(digits) + std::string(whole - digits.size(), '0');
    }
    return text + std::string(digits.substr(0, whole)) + "." + std::string(digits.substr(whole));
}

std::string NumberText(double x) {
    assert(std::isfinite(x));
    // C's "%.15E" gives the 15 digits and the exponent of the rounded value,
    // "d.dddddddddddddde+dd"; its general form is C's "%.15G".
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                         std::chars_format::scientific, kNumberTextDigits - 1);
    assert(ec == std::errc());
    (void)ec;
    std::string_view printed(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    DecimalDigits decimal;
    decimal.negative = printed.front() == '-';
    printed.remove_prefix(decimal.negative ? 1 : 0);
    const std::size_t e = printed.find('e');
    decimal.digits = std::string(printed.substr(0, 1)) + std::string(printed.substr(2, e - 2));
    const std::string_view exponent = printed.substr(printed[e + 1] == '+' ? e + 2 : e + 1);
    (void)std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.lead);
    std::string text = DecimalText(decimal, DecimalForm::general);  // "0" also for -0
    // Next to the largest double, 15 digits round up to a number beyond the
    // range; write the largest 15-digit one below it so that the text reads
    // back.
    if (std::fabs(x) > 1.7976931348623e308 && !ReadNumberStrict(text).ok()) {
        text = x < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    }
    return text;
}

std::string WholeNumberText(std::int16_t n) {
    return std::to_string(n);
}

}  // namespace velmora
