#include "platform/core/NumberFormat.h"

#include <charconv>

namespace {

template <class T>
std::string shortest(T v)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("nan");
}

}  // namespace

std::string NumberFormat::Shortest(float v) { return shortest(v); }

std::string NumberFormat::Shortest(double v) { return shortest(v); }
