// The reading of one number token of a text data file, shared by the data
// readers, and the quoting of a bad token in an error message.
#pragma once

#include <string>
#include <string_view>

class TextNumber {
public:
    enum class Result {
        Ok,
        NotANumber,  // not the whole token a decimal number (hex, inf and nan included)
        OutOfRange,  // a number, but beyond the type's range or too small to hold (underflow)
    };

    // The whole token as a decimal number in the form of a C "%f" conversion
    // (optional sign, digits, point, exponent), the same in every locale.
    // Hexadecimal forms, infinities and NaN are refused; so is a non-zero
    // value that the type would round to zero or hold only denormalised.
    static Result Read(std::string_view token, float& out);
    static Result Read(std::string_view token, double& out);
    // True when Read gives Ok.
    static bool ToFloat(const std::string& token, float& out) { return Read(token, out) == Result::Ok; }

    // How an error message names a refused number: "is not a number" or
    // "is out of range".
    static const char* Describe(Result r);

    // The token as an error message quotes it: control and invalid bytes
    // shown as \xNN, at most 40 characters (never cutting a UTF-8 character),
    // "..." when cut.
    static std::string Quote(std::string_view token);
    // The whole text with control and invalid bytes shown as \xNN.
    static std::string Escape(std::string_view text);
};
