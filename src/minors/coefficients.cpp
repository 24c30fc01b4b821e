#include "minors/coefficients.h"

namespace velmora {

CoefficientReading ReadCoefficients(const Form& form, std::int16_t n) {
    CoefficientReading reading{RationalMatrix(n, n), std::nullopt};
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const FieldId cell = txtMat(10 * r + c);
            ExactReading number = ReadExactStrict(form.text(cell));
            if (!number.ok()) {
                reading.problem = CellProblem{cell, number.ec};
                return reading;
            }
            reading.a(r, c) = std::move(number.value);
        }
    }
    return reading;
}

}  // namespace velmora
