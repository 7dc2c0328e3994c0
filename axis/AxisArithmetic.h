// Real-to-integer conversions of the axes: truncation toward zero as the
// axes require, made total for values no int can hold.
#pragma once

#include <climits>
#include <cmath>

namespace axisarith {

// Truncation toward zero; beyond the int range the nearest end of the range,
// and NaN as 0, where a plain cast would be undefined.
inline int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

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

// The most ticks one direction of an axis carries. A tiny step against a wide
// range would otherwise ask for millions of labels; the first ones are kept.
constexpr int kMaxTickCount = 10000;

// Number of ticks for (range left after the first tick) / step: the whole
// intervals plus one. An infinite or undefined quotient (step 0) counts as no
// interval, so one tick; a negative one gives zero or fewer, so none.
// Huge counts stop at kMaxTickCount.
inline int TickCountFor(double quotient)
{
    if (!std::isfinite(quotient))
        return 1;
    const int whole = TruncToInt(quotient);
    if (whole >= kMaxTickCount - 1)
        return kMaxTickCount;
    return whole + 1;
}

}  // namespace axisarith
