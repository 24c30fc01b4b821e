#include "numtext/numtext.h"

#include <cassert>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace velmora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading decimal number of a text: [sign] digits [. digits]
// [letter [sign] digits], with at least one mantissa digit. The exponent
// belongs to the number only when a digit follows its letter and sign, so
// "1e" and "1e+" end after the 1.
struct DecimalScan {
    std::size_t length = 0;     // 0: no number at the start of the text
    std::size_t expPos = npos;  // position of the exponent letter
};

DecimalScan ScanDecimal(std::string_view s, bool allowD) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    DecimalScan scan{i, npos};
    if (i < s.size()) {
        const char c = s[i];
        const bool letter = c == 'E' || c == 'e' || (allowD && (c == 'D' || c == 'd'));
        if (letter) {
            std::size_t j = i + 1;
            if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
                ++j;
            }
            if (j < s.size() && IsDigit(s[j])) {
                while (j < s.size() && IsDigit(s[j])) {
                    ++j;
                }
                scan = {j, i};
            }
        }
    }
    return scan;
}

// Converts a number that ScanDecimal accepted; its exponent letter, if
// any, must be one that std::from_chars knows (E or e). A value whose
// nearest double is infinite, or zero while the digits are not all zeros,
// lies beyond the double range: from_chars reports both as out of range.
StrictNumber ConvertDecimal(std::string_view number) noexcept {
    std::string_view digits = number;
    if (digits.front() == '+') {
        digits.remove_prefix(1);  // from_chars takes '-' but not '+'
    }
    StrictNumber result;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), result.value);
    assert(end == digits.data() + digits.size());
    (void)end;
    if (ec != std::errc()) {
        return {0.0, ReadError::outOfRange};
    }
    return result;
}

// The digits after &H or &O: the longest run of digits of the base.
struct LiteralScan {
    std::size_t length = 0;
    std::uint64_t value = 0;
    bool overflow = false;
};

LiteralScan ScanLiteral(std::string_view digits, int base) noexcept {
    LiteralScan scan;
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), scan.value, base);
    scan.length = static_cast<std::size_t>(end - digits.data());
    scan.overflow = ec == std::errc::result_out_of_range;
    return scan;
}

// 16 after "&H", 8 after "&O" (either case), 0 when the text is no literal.
int LiteralBase(std::string_view s) {
    if (s.size() < 2 || s[0] != '&') {
        return 0;
    }
    if (s[1] == 'H' || s[1] == 'h') {
        return 16;
    }
    if (s[1] == 'O' || s[1] == 'o') {
        return 8;
    }
    return 0;
}

// The number a reader found in a text, before it is converted: the one place
// where the strict and the lenient grammar are applied.
struct Found {
    ReadError ec = ReadError::none;  // syntax or outOfRange: nothing to convert
    bool isLiteral = false;
    std::uint64_t literal = 0;
    std::string_view decimal;  // the decimal number alone, its exponent letter E or e
    bool readInFull = true;
};

Found FindStrict(std::string_view text) noexcept {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    Found found;
    if (const int base = LiteralBase(text); base != 0) {
        const std::string_view digits = text.substr(2);
        const LiteralScan scan = ScanLiteral(digits, base);
        found.isLiteral = true;
        found.literal = scan.value;
        if (scan.length == 0 || scan.length != digits.size()) {
            found.ec = ReadError::syntax;
        } else if (scan.overflow) {
            found.ec = ReadError::outOfRange;
        }
        return found;
    }
    const DecimalScan scan = ScanDecimal(text, false);
    if (scan.length == 0 || scan.length != text.size()) {
        found.ec = ReadError::syntax;
        return found;
    }
    found.decimal = text;
    return found;
}

// `s` receives the text without its blanks; the found number points into it.
Found FindLenient(std::string_view text, std::string& s) {
    s.clear();
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            s.push_back(c);
        }
    }
    Found found;
    if (const int base = LiteralBase(s); base != 0) {
        const LiteralScan scan = ScanLiteral(std::string_view(s).substr(2), base);
        found.isLiteral = true;
        found.literal = scan.value;  // no digits: 0
        found.readInFull = scan.length != 0 && 2 + scan.length == s.size();
        if (scan.overflow) {
            found.ec = ReadError::outOfRange;
        }
        return found;
    }
    const DecimalScan scan = ScanDecimal(s, true);
    found.readInFull = scan.length == s.size();
    if (scan.length == 0) {
        found.isLiteral = true;  // no number: the whole number 0
        return found;
    }
    if (scan.expPos != npos) {
        s[scan.expPos] = 'e';  // from_chars knows no D exponent
    }
    found.decimal = std::string_view(s).substr(0, scan.length);
    return found;
}

// The nearest double of a found number, or why there is none.
StrictNumber ToDouble(const Found& found) noexcept {
    if (found.ec != ReadError::none) {
        return {0.0, found.ec};
    }
    if (found.isLiteral) {
        return {static_cast<double>(found.literal), ReadError::none};
    }
    return ConvertDecimal(found.decimal);
}

// Rounds a string of decimal digits to `keep` digits, halves away from zero;
// returns how many places the number grew (1 when 99.. rounded up to 100..).
int RoundDigits(std::string& digits, std::size_t keep) {
    if (digits.size() <= keep) {
        return 0;
    }
    const bool up = digits[keep] >= '5';
    return CutDigits(digits, keep, up);
}

// The parts of a found number that its double reading accepted.
NumberParts ToParts(const Found& found) {
    NumberParts parts;
    std::string_view s = found.decimal;
    if (found.isLiteral) {
        parts.digits = std::to_string(found.literal);
        s = {};
    } else if (s.front() == '+' || s.front() == '-') {
        parts.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // The mantissa's digits, and the power of ten of the last one.
    std::int64_t exponent = 0;
    std::size_t i = 0;
    bool afterPoint = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            afterPoint = true;
        } else {
            parts.digits.push_back(s[i]);
            exponent -= afterPoint ? 1 : 0;
        }
    }
    if (i < s.size()) {
        // The clamp keeps a text of a trillion exponent digits from wrapping.
        std::int64_t e = 0;
        bool negative = false;
        ++i;
        if (s[i] == '+' || s[i] == '-') {
            negative = s[i] == '-';
            ++i;
        }
        constexpr std::int64_t kClamp = 1'000'000'000'000;
        for (; i < s.size() && e < kClamp; ++i) {
            e = e * 10 + (s[i] - '0');
        }
        exponent += negative ? -e : e;
    }
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};  // zero, whatever its sign
    }
    parts.digits.erase(0, first);
    const std::size_t beyond = parts.digits.size() > kMaxSignificantDigits
                                   ? parts.digits.size() - kMaxSignificantDigits
                                   : 0;
    exponent += static_cast<std::int64_t>(beyond);
    exponent += RoundDigits(parts.digits, kMaxSignificantDigits);
    const std::size_t last = parts.digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(parts.digits.size() - 1 - last);
    parts.digits.resize(last + 1);
    parts.exponent = exponent;
    return parts;
}

PartsReading Parts(const Found& found, Range range) {
    const StrictNumber number = ToDouble(found);
    const bool beyond = number.ec == ReadError::outOfRange && !found.isLiteral;
    if (!number.ok() && !(beyond && range == Range::unlimited)) {
        return {{}, number.ec, found.readInFull};
    }
    return {ToParts(found), ReadError::none, found.readInFull};
}

}  // namespace

StrictNumber ReadNumberStrict(std::string_view text) noexcept {
    return ToDouble(FindStrict(text));
}

LenientNumber ReadNumberLenient(std::string_view text) {
    std::string blankFree;
    const Found found = FindLenient(text, blankFree);
    const StrictNumber number = ToDouble(found);
    return {number.value, number.ec, found.readInFull};
}

PartsReading ReadPartsStrict(std::string_view text, Range range) {
    return Parts(FindStrict(text), range);
}

PartsReading ReadPartsLenient(std::string_view text) {
    std::string blankFree;
    return Parts(FindLenient(text, blankFree), Range::doubles);
}

}  // namespace velmora
