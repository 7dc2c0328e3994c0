#include "axis/BoundedNumber.h"

#include "platform/core/CLocaleScope.h"

#include <algorithm>
#include <cstdio>

CString BoundedNumber::Format(double v, int decimals, int maxChars)
{
    const CLocaleScope classic;  // labels read the same in every locale
    char buf[512];
    const int want = std::clamp(decimals, 0, 15);
    for (int d = want; d >= 0; --d) {
        const int n = std::snprintf(buf, sizeof buf, "%.*f", d, v);
        if (n > 0 && n <= maxChars)
            return CString(buf, n);
    }
    for (int d = want; d >= 0; --d) {
        const int n = std::snprintf(buf, sizeof buf, "%.*e", d, v);
        if (n > 0 && n <= maxChars)
            return CString(buf, n);
    }
    // Only reachable for maxChars below the shortest exponent form.
    return CString(buf, std::min(maxChars, static_cast<int>(sizeof buf) - 1));
}

bool BoundedNumber::ParseFloat(const char* text, float& value)
{
    const CLocaleScope classic;  // a point is the decimal separator everywhere
    float v = 0;
    if (!text || std::sscanf(text, "%f", &v) != 1)
        return false;
    value = v;
    return true;
}
