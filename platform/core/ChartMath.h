// Conversions of computed values into a chart's integer logical units and
// 32-bit floats, with a defined result for every input, NaN and infinities
// included, where a plain conversion would be undefined.
#pragma once

#include "platform/core/afxtypes.h"

namespace chartmath {

// Truncation toward zero; NaN becomes 0 and values beyond the 32-bit range
// stop at its ends.
LONG ToUnits(double v);
// A double beyond the float range becomes the infinity of its sign.
float ToFloat(double v);

}  // namespace chartmath
