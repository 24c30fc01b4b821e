#pragma once

#include <cstdint>

#include "form/form.h"

namespace velmora {

// Puts every result field of the n x n problem back into its
// nothing-computed-yet state: the identity in the inverse grid, every other
// result empty, and no full-precision inverse kept. Input fields and elements beyond n are not
// touched.
void ResetOutputs(Form& form, std::int16_t n);

}  // namespace velmora
