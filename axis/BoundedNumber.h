// Fixed-point number text for tick labels and dialog write-backs that never
// grows past the buffer the text must fit in, and the "%f" reading of typed values.
#pragma once

#include "platform/core/CString.h"

class BoundedNumber {
public:
    // Tick labels hold at most 19 characters, dialog boxes 31; of a typed
    // value the first 19 characters are read.
    static constexpr int kLabelChars = 19;
    static constexpr int kEditChars = 31;
    static constexpr int kTypedChars = 19;

    // v with the given decimals (negative counts as 0, more than 15 as 15).
    // When that text is longer than maxChars, fewer decimals are used; when
    // even the integer part is too long (or v is not finite), the exponent form
    // with as many decimals as fit, so the text stays readable and never overflows.
    static CString Format(double v, int decimals, int maxChars);

    // Reads a number the way "%f" does: true when the text starts with one.
    static bool ParseFloat(const char* text, float& value);
};
