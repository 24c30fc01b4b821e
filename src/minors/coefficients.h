#pragma once

#include <cstdint>
#include <stdexcept>

#include "form/form.h"

namespace velmora {

// A coefficient field whose text the strict reader refuses: not a number, or
// a number beyond the double range. Thrown by the computations and turned
// into a message by the window's event handler.
class CoefficientError : public std::runtime_error {
public:
    CoefficientError(int row, int column, bool outOfRange = false);
    [[nodiscard]] int row() const noexcept { return m_row; }
    [[nodiscard]] int column() const noexcept { return m_column; }

private:
    int m_row;
    int m_column;
};

// ReadNumberStrict of txtMat(10*row + column); throws CoefficientError.
[[nodiscard]] double ReadCoefficient(const Form& form, int row, int column);

// Reads every coefficient of the n x n grid strictly, row by row, left to
// right, and throws CoefficientError for the first one refused.
void CheckCoefficients(const Form& form, std::int16_t n);

}  // namespace velmora
