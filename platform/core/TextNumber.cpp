#include "platform/core/TextNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

template <class T>
TextNumber::Result readNumber(std::string_view token, T& out)
{
    // from_chars takes no leading '+', which a "%f" conversion does.
    if (token.size() > 1 && token[0] == '+' && token[1] != '-' && token[1] != '+')
        token.remove_prefix(1);
    if (token.empty())
        return TextNumber::Result::NotANumber;
    T v{};
    const char* end = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(token.data(), end, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range && ptr == end)
        return TextNumber::Result::OutOfRange;
    if (ec != std::errc() || ptr != end)
        return TextNumber::Result::NotANumber;
    if (!std::isfinite(v))
        return TextNumber::Result::NotANumber;  // "inf", "nan"
    if (v != 0 && std::fabs(v) < std::numeric_limits<T>::min())
        return TextNumber::Result::OutOfRange;  // would only be held denormalised
    out = v;
    return TextNumber::Result::Ok;
}

// Length of the well-formed UTF-8 character at s[i], 0 when the bytes there
// are not one (a stray continuation byte, an overlong or cut sequence).
size_t utf8Length(std::string_view s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (c >= 0xF5 || n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    const auto c1 = static_cast<unsigned char>(s[i + 1]);
    if ((c == 0xE0 && c1 < 0xA0) || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 > 0x8F) || (c == 0xED && c1 > 0x9F))
        return 0;  // overlong, beyond U+10FFFF, or a surrogate
    return n;
}

// The token with control bytes (C1 included) and invalid bytes as \xNN, at most maxShown
// characters (an escaped byte counting as one), "..." when cut.
std::string escaped(std::string_view token, size_t maxShown)
{
    std::string out;
    size_t shown = 0, i = 0;
    while (i < token.size() && shown < maxShown) {
        const auto c = static_cast<unsigned char>(token[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++i;
        } else if (const size_t n = c >= 0x80 ? utf8Length(token, i) : 0;
                   n > 0 && !(c == 0xC2 && static_cast<unsigned char>(token[i + 1]) < 0xA0)) {
            // Valid UTF-8 stays, but not the C1 controls (U+0080-U+009F),
            // which some terminals obey as escapes: those go as bytes below.
            out.append(token.substr(i, n));
            i += n;
        } else {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
            ++i;
        }
        ++shown;
    }
    if (i < token.size())
        out += "...";
    return out;
}

}  // namespace

TextNumber::Result TextNumber::Read(std::string_view token, float& out) { return readNumber(token, out); }

TextNumber::Result TextNumber::Read(std::string_view token, double& out) { return readNumber(token, out); }

const char* TextNumber::Describe(Result r)
{
    return r == Result::OutOfRange ? "is out of range" : "is not a number";
}

std::string TextNumber::Quote(std::string_view token) { return escaped(token, 40); }

std::string TextNumber::Escape(std::string_view text) { return escaped(text, text.size()); }
