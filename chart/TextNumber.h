// The reading of one number token of a text data file, shared by the
// sounding and layered model readers, and the quoting of a bad token.
#pragma once

#include <string>

class TextNumber {
public:
    // True when the whole token is a finite number in the form of a C "%f"
    // conversion (sign, digits, point, exponent), read into a 32-bit float.
    static bool ToFloat(const std::string& token, float& out);
    // The token as an error message quotes it: at most 40 characters.
    static std::string Quote(const std::string& token);
};
