#pragma once

#include <cstdint>
#include <string>

#include "form/form.h"

namespace velmora {

// Puts every result field of the n x n problem back into its
// nothing-computed-yet state: the identity in the inverse grid, every other
// result empty, and no notes. Input fields and
// elements beyond n are not touched.
void ResetOutputs(Form& form, std::int16_t n);

// The inverse grid's text before a Solve: "1" on the diagonal, "0" elsewhere.
[[nodiscard]] std::string IdentityText(int row, int column);

}  // namespace velmora
