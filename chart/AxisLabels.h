// The texts of axis labels a reader expects: decades as plain numbers near 1
// and as powers of ten beyond, linear values at steps of 1, 2 or 5 times a
// power of ten with the digits that step needs.
#pragma once

#include "platform/core/CString.h"

class AxisLabels {
public:
    // Decades 10^k with kPlainLow <= k <= kPlainHigh print as plain digits
    // (0.001 ... 1000); others as a power of ten, "10⁴", "10⁻⁵".
    static constexpr int kPlainLow = -3;
    static constexpr int kPlainHigh = 3;
    // j x 10^k (j from 1 to 9): "20", "0.05", "2×10⁻⁵".
    static CString Decade(int k, int j = 1);
    // The largest step of 1, 2 or 5 times a power of ten that gives at least
    // minLabels multiples of it from lo to hi; 0 for an empty or bad span.
    static double NiceStep(double lo, double hi, int minLabels);
    // v with the decimals a label at multiples of step needs ("0.25", "150");
    // a value that rounds to zero prints as "0", never "-0".
    static CString Linear(double v, double step);
    // The exponent as superscript digits with a superscript minus: "⁻¹²".
    static CString Superscript(int k);
};
