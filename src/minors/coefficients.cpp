#include "minors/coefficients.h"

#include <string>

#include "form/messages.h"
#include "numtext/numtext.h"

namespace velmora {

CoefficientError::CoefficientError(int row, int column, bool outOfRange)
    : std::runtime_error(messages::CoefficientPrompt(row, column, outOfRange)),
      m_row(row),
      m_column(column) {}

double ReadCoefficient(const Form& form, int row, int column) {
    const StrictNumber number = ReadNumberStrict(form.text(txtMat(10 * row + column)));
    if (!number.ok()) {
        throw CoefficientError(row, column, number.ec == ReadError::outOfRange);
    }
    return number.value;
}

void CheckCoefficients(const Form& form, std::int16_t n) {
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            (void)ReadCoefficient(form, r, c);
        }
    }
}

}  // namespace velmora
