#include "chart/TextNumber.h"

#include <cmath>
#include <cstdlib>

bool TextNumber::ToFloat(const std::string& token, float& out)
{
    char* end = nullptr;
    const float f = std::strtof(token.c_str(), &end);
    if (end == token.c_str() || *end != '\0' || !std::isfinite(f))
        return false;
    out = f;
    return true;
}

std::string TextNumber::Quote(const std::string& token)
{
    return token.size() > 40 ? token.substr(0, 40) + "..." : token;
}
