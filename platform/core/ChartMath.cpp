#include "platform/core/ChartMath.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace chartmath {

LONG ToUnits(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (v <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<LONG>(v);
}

float ToFloat(double v)
{
    if (v > FLT_MAX)
        return std::numeric_limits<float>::infinity();
    if (v < -FLT_MAX)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

}  // namespace chartmath
