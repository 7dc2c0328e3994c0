#include "chart/TickGenerator.h"

#include <cmath>

int TickGenerator::CountFor(double quotient)
{
    if (!std::isfinite(quotient))
        return 1;
    const double whole = std::trunc(quotient);
    if (whole < 0.0)
        return 0;
    if (whole >= kMaxTicks - 1)
        return kMaxTicks;
    return static_cast<int>(whole) + 1;
}

int TickGenerator::Capped(long long count)
{
    if (count < 0)
        return 0;
    return count > kMaxTicks ? kMaxTicks : static_cast<int>(count);
}
