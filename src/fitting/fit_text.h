#pragma once

// What a field shows of a text too wide for it, decided without any
// knowledge of fonts: the caller says which strings fit. A number is
// rounded to as many significant digits as fit, keeping its sign and its
// exponent, as a spreadsheet's General format does; any other text shows
// its beginning. The text itself is never changed, only what is drawn.

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

enum class Fit {
    whole,    // the text fits and is shown as it is
    rounded,  // a number, rounded to fit
    cut,      // another text, its beginning
    filled,   // a number of which not even one digit fits: '#' marks
};

struct FittedText {
    std::string text;  // UTF-8, as the input
    Fit fit = Fit::whole;

    [[nodiscard]] bool shortened() const noexcept { return fit != Fit::whole; }
};

// Whether a string fits the space; longer strings must not fit where
// shorter ones of the same kind do not.
using FitsPredicate = std::function<bool(std::string_view)>;

// A decimal number (what ReadNumberStrict's grammar accepts, at any
// magnitude, without &H / &O literals) that does not fit is shown in the
// form, plain ("0.3333") or with an exponent ("5E+34", at least two exponent
// digits), that keeps the finer last digit; a tie goes to the plain form.
// When neither fits, the exponent form without its '+' and leading zeros
// ("-1E308", "2.5E-7") with as many digits as fit. The digits are the text's
// own, rounded with halves away from zero, at most 15 of them; trailing
// zeros after the point are dropped, and a zero has no sign. When no form
// with one digit fits, as many '#' as fit are shown: a number that is not
// zero never shows as one. Any other text shows its
// longest beginning that fits, cut between UTF-8 characters.
[[nodiscard]] FittedText FitText(std::string_view text, const FitsPredicate& fits);

}  // namespace velmora
