// Integer coordinate arithmetic of the axes, made total for values no int
// can hold. Truncation of real values goes through chartmath::ToUnits.
#pragma once

#include <climits>

namespace axisarith {

// Sum of two coordinates, held at the ends of the int range instead of wrapping.
inline int AddClamped(int a, int b)
{
    const long long s = static_cast<long long>(a) + b;
    if (s > INT_MAX)
        return INT_MAX;
    if (s < INT_MIN)
        return INT_MIN;
    return static_cast<int>(s);
}

}  // namespace axisarith
