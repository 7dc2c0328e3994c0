#include "em1d/NumberText.h"

#include <charconv>

namespace em1d {

std::string formatNumber(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::optional<double> parseNumber(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

} // namespace em1d
