#pragma once

#include <cstdint>
#include <optional>

#include "exact/exact_matrix.h"
#include "form/form.h"
#include "numtext/numtext.h"

namespace velmora {

// A field whose text a computation cannot use, and why: the handler words
// it and hands the field back to the user.
struct CellProblem {
    FieldId cell;
    ReadError reason;  // syntax (not a number) or outOfRange

    friend bool operator==(const CellProblem&, const CellProblem&) = default;
};

// The n x n coefficient matrix, each text read strictly at its exact value,
// row by row, left to right; or the first cell refused in that order.
struct CoefficientReading {
    RationalMatrix a{0, 0};
    std::optional<CellProblem> problem;
};
[[nodiscard]] CoefficientReading ReadCoefficients(const Form& form, std::int16_t n);

}  // namespace velmora
