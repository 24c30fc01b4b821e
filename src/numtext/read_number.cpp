#include "numtext/numtext.h"

#include <cassert>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// One number at the start of a text, before it is converted: an &H / &O
// literal with its value, or a decimal.
struct Number {
    std::string_view text;  // the number alone; empty when there is none
    bool isLiteral = false;
    std::uint64_t literal = 0;
    bool overflow = false;      // a literal beyond 64 bits
    std::size_t expPos = npos;  // where a decimal's exponent letter is
};

// The longest number at the start of s. A literal has no sign; a decimal
// has one only when `sign` allows it, and the exponent letter D only when
// `allowD` does.
enum class Sign { allowed, refused };
Number ScanNumber(std::string_view s, Sign sign, bool allowD) noexcept {
    Number number;
    if (const int base = LiteralBase(s); base != 0) {
        const LiteralScan scan = ScanLiteral(s.substr(2), base);
        if (scan.length != 0) {
            number = {s.substr(0, 2 + scan.length), true, scan.value, scan.overflow, npos};
        }
        return number;
    }
    if (sign == Sign::refused && !s.empty() && (s.front() == '+' || s.front() == '-')) {
        return number;
    }
    const DecimalScan scan = ScanDecimal(s, allowD);
    number.text = s.substr(0, scan.length);
    number.expPos = scan.expPos;
    return number;
}

// What a reader found in a text, before it is converted: a number, or with
// fractions allowed a fraction of two. The one place where the strict and
// the lenient grammar are applied.
enum class Grammar { numbers, fractions };
struct Found {
    ReadError ec = ReadError::none;  // syntax: nothing to convert
    Number number;                   // the number or numerator; none (lenient): 0
    std::optional<Number> denominator;
    bool readInFull = true;
};

std::string_view WithoutLeadingBlanks(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == npos ? std::string_view() : text.substr(first);
}

// The whole text, blanks around it and around a fraction's '/' allowed.
Found FindStrict(std::string_view text, Grammar grammar) noexcept {
    text = WithoutLeadingBlanks(text);
    text = text.substr(0, text.find_last_not_of(" \t") + 1);
    Found found;
    found.number = ScanNumber(text, Sign::allowed, false);
    std::string_view rest = text.substr(found.number.text.size());
    if (grammar == Grammar::fractions && !found.number.text.empty()) {
        const std::string_view slash = WithoutLeadingBlanks(rest);
        if (!slash.empty() && slash.front() == '/') {
            const std::string_view below = WithoutLeadingBlanks(slash.substr(1));
            if (const Number d = ScanNumber(below, Sign::refused, false); !d.text.empty()) {
                found.denominator = d;
                rest = below.substr(d.text.size());
            }
        }
    }
    if (found.number.text.empty() || !rest.empty()) {
        found.ec = ReadError::syntax;
    }
    return found;
}

// `s` receives the text without its blanks; the found numbers point into it.
Found FindLenient(std::string_view text, std::string& s, Grammar grammar) {
    s.clear();
    s.reserve(text.size());
    std::size_t firstBlank = npos;  // where in s the first blank after a character was
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            s.push_back(c);
        } else if (firstBlank == npos && !s.empty()) {
            firstBlank = s.size();
        }
    }
    // from_chars knows no D exponent: the letter becomes an e in s.
    const auto scan = [&s](std::size_t start, Sign sign) {
        const Number number = ScanNumber(std::string_view(s).substr(start), sign, true);
        if (number.expPos != npos) {
            s[start + number.expPos] = 'e';
        }
        return number;
    };
    Found found;
    found.number = scan(0, Sign::allowed);
    std::size_t length = found.number.text.size();
    // A numerator with a blank inside is no fraction's: "1 2/3" is not 12/3
    // but reads 12 and the rest is ignored, as in any text read in part.
    const bool numeratorWhole = firstBlank == npos || firstBlank >= length;
    if (grammar == Grammar::fractions && numeratorWhole && length != 0 && length < s.size() &&
        s[length] == '/') {
        if (const Number below = scan(length + 1, Sign::refused); !below.text.empty()) {
            found.denominator = below;
            length += 1 + below.text.size();
        }
    }
    found.readInFull = length == s.size();
    return found;
}

// The nearest double of a found number, or why there is none; no number is 0.
StrictNumber ToDouble(const Number& number) noexcept {
    if (number.isLiteral) {
        return {static_cast<double>(number.literal),
                number.overflow ? ReadError::outOfRange : ReadError::none};
    }
    return number.text.empty() ? StrictNumber{} : ConvertDecimal(number.text);
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
NumberParts ToParts(const Number& number) {
    NumberParts parts;
    std::string_view s = number.text;
    if (number.isLiteral) {
        parts.digits = std::to_string(number.literal);
        s = {};
    } else if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
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

// The parts of a number in the range, or why there are none.
ReadError PartsInRange(const Number& number, Range range, NumberParts& parts) {
    const ReadError ec = ToDouble(number).ec;
    const bool beyond = ec == ReadError::outOfRange && !number.isLiteral;
    if (ec != ReadError::none && !(beyond && range == Range::unlimited)) {
        return ec;
    }
    parts = ToParts(number);
    return ReadError::none;
}

// The numerator's range comes first, then the denominator's, then its zero.
FractionReading Fraction(const Found& found) {
    FractionReading reading;
    reading.readInFull = found.readInFull;
    reading.ec = found.ec;
    if (reading.ok()) {
        reading.ec = PartsInRange(found.number, Range::doubles, reading.numerator);
    }
    if (reading.ok() && found.denominator) {
        reading.ec =
            PartsInRange(*found.denominator, Range::doubles, reading.denominator.emplace());
        if (reading.ok() && reading.denominator->digits.empty()) {
            reading.ec = ReadError::zeroDenominator;
        }
    }
    if (!reading.ok()) {
        reading.numerator = {};
        reading.denominator.reset();
    }
    return reading;
}

}  // namespace

StrictNumber ReadNumberStrict(std::string_view text) noexcept {
    const Found found = FindStrict(text, Grammar::numbers);
    return found.ec != ReadError::none ? StrictNumber{0.0, found.ec} : ToDouble(found.number);
}

LenientNumber ReadNumberLenient(std::string_view text) {
    std::string blankFree;
    const Found found = FindLenient(text, blankFree, Grammar::numbers);
    const StrictNumber number = ToDouble(found.number);
    return {number.value, number.ec, found.readInFull};
}

PartsReading ReadPartsStrict(std::string_view text, Range range) {
    const Found found = FindStrict(text, Grammar::numbers);
    PartsReading reading{{}, found.ec, true};
    if (reading.ok()) {
        reading.ec = PartsInRange(found.number, range, reading.parts);
    }
    return reading;
}

FractionReading ReadFractionStrict(std::string_view text) {
    return Fraction(FindStrict(text, Grammar::fractions));
}

FractionReading ReadFractionLenient(std::string_view text) {
    std::string blankFree;
    return Fraction(FindLenient(text, blankFree, Grammar::fractions));
}

}  // namespace velmora
