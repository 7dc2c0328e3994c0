#include "em1d/TemSystem.h"

#include "em1d/ModelError.h"
#include "em1d/NumberText.h"

#include <cmath>
#include <numbers>
#include <string>

namespace em1d {

namespace {

void checkLoopRadius(double r, const char* what)
{
    if (!std::isfinite(r) || r < TemSystem::kMinLoopRadius || r > TemSystem::kMaxLoopRadius)
        throw ModelError(std::string(what) + " " + formatNumber(r) + " m is outside "
                         + formatNumber(TemSystem::kMinLoopRadius) + " .. "
                         + formatNumber(TemSystem::kMaxLoopRadius) + " m");
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

TemSystem TemSystem::fromSquareLoop(double side)
{
    TemSystem s;
    s.loopRadius = side / std::sqrt(std::numbers::pi);
    if (!std::isfinite(side) || side <= 0)
        throw ModelError("loop side " + formatNumber(side) + " m is not a positive finite number");
    checkLoopRadius(s.loopRadius, "loop side/sqrt(pi)");
    return s;
}

void TemSystem::validate() const
{
    checkLoopRadius(loopRadius, "loop radius");
    if (!std::isfinite(rxArea) || rxArea <= 0)
        throw ModelError("receiver area " + formatNumber(rxArea) + " m2 is not a positive finite number");
    if (!std::isfinite(rampUs) || rampUs < 0 || rampUs > kMaxRampUs)
        throw ModelError("ramp " + formatNumber(rampUs) + " us is outside 0 .. " + formatNumber(kMaxRampUs) + " us");
    for (std::size_t i = 0; i < gateWidthMs.size(); ++i)
        if (!std::isfinite(gateWidthMs[i]) || gateWidthMs[i] < 0)
            throw ModelError("gate " + std::to_string(i + 1) + ": width " + formatNumber(gateWidthMs[i])
                             + " ms is not a finite number >= 0");
}

bool TemSystem::applyCommentLine(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '#')
        return false;
    line = trimmed(line.substr(1));
    constexpr std::string_view tag = "tem:";
    if (line.substr(0, tag.size()) != tag)
        return false;
    line.remove_prefix(tag.size());

    TemSystem next = *this;
    while (true) {
        line = trimmed(line);
        if (line.empty())
            break;
        std::size_t end = 0;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        const std::string_view item = line.substr(0, end);
        line.remove_prefix(end);
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            throw ModelError("tem line: '" + std::string(item) + "' is not key=value");
        const std::string key(item.substr(0, eq));
        const auto value = parseNumber(item.substr(eq + 1));
        if (!value)
            throw ModelError("tem line: " + key + "='" + std::string(item.substr(eq + 1)) + "' is not a number");
        if (key == "loop_radius") {
            checkLoopRadius(*value, "loop_radius");
            next.loopRadius = *value;
        } else if (key == "loop_side") {
            next.loopRadius = fromSquareLoop(*value).loopRadius;
        } else if (key == "rx_area") {
            next.rxArea = *value;
        } else if (key == "ramp_us") {
            next.rampUs = *value;
        } else {
            throw ModelError("tem line: unknown key '" + key + "' (loop_radius, loop_side, rx_area, ramp_us)");
        }
    }
    next.validate();
    *this = std::move(next);
    return true;
}

} // namespace em1d
