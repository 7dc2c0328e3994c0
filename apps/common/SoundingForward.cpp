#include "SoundingForward.h"

#include "platform/core/ColumnUnits.h"

#include "em1d/ModelError.h"
#include "em1d/TemForward.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Calls f(lineNumber, line) for every line of text, without its line end.
template <class F>
void eachLine(std::string_view text, F f)
{
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!f(++number, line))
            return;
        start = end + 1;
    }
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The rest of a comment line "# key: rest", or false for any other line.
bool commentWithKey(std::string_view line, std::string_view key, std::string_view& rest)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '#')
        return false;
    line = trimmed(line.substr(1));
    if (line.substr(0, key.size()) != key)
        return false;
    line.remove_prefix(key.size());
    if (line.empty() || line.front() != ':')
        return false;
    rest = trimmed(line.substr(1));
    return true;
}

std::string number(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    return std::string(buf, r.ptr);
}

} // namespace

bool SoundingForward::ApplySystem(std::string_view text, const std::string& name, em1d::TemSystem& system,
                                  std::string& error)
{
    bool ok = true;
    eachLine(text, [&](int n, std::string_view line) {
        std::string_view rest;
        if (!commentWithKey(line, "tem", rest))
            return true;
        try {
            system.applyCommentLine(trimmed(line));
        } catch (const em1d::ModelError& e) {
            error = name + ":" + std::to_string(n) + ": " + e.what();
            ok = false;
        }
        return ok;
    });
    return ok;
}

std::string SoundingForward::SystemLine(const em1d::TemSystem& system)
{
    return "# tem: loop_radius=" + number(system.loopRadius) + " rx_area=" + number(system.rxArea)
           + " ramp_us=" + number(system.rampUs);
}

bool SoundingForward::ReadMask(std::string_view text, const std::string& name, int rows, std::vector<int>& masked,
                               std::string& error)
{
    std::vector<int> out;
    bool ok = true;
    eachLine(text, [&](int n, std::string_view line) {
        std::string_view rest;
        if (!commentWithKey(line, "mask", rest))
            return true;
        while (ok && !rest.empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = trimmed(rest.substr(0, comma));
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
            int row = 0;
            const auto r = std::from_chars(item.data(), item.data() + item.size(), row);
            if (item.empty() || r.ec != std::errc() || r.ptr != item.data() + item.size() || row < 1 || row > rows) {
                error = name + ":" + std::to_string(n) + ": mask \"" + std::string(item)
                        + "\" is not a row number from 1 to " + std::to_string(rows);
                ok = false;
            } else {
                out.push_back(row - 1);
            }
        }
        return ok;
    });
    if (!ok)
        return false;
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    masked = std::move(out);
    return true;
}

std::string SoundingForward::MaskLine(const std::vector<int>& masked)
{
    if (masked.empty())
        return {};
    std::string line = "# mask: ";
    for (std::size_t i = 0; i < masked.size(); ++i)
        line += (i ? "," : "") + std::to_string(masked[i] + 1);
    return line;
}

std::string SoundingForward::WithCommentLine(std::string_view text, std::string_view key, const std::string& line)
{
    std::string out;
    eachLine(text, [&](int, std::string_view l) {
        std::string_view rest;
        if (!commentWithKey(l, key, rest)) {
            out.append(l);
            out += '\n';
        }
        return true;
    });
    if (!line.empty())
        out += line + "\n";
    return out;
}

bool SoundingForward::ScalesOf(const std::string& header, Scales& scales, std::string& why)
{
    return ColumnUnits::TemScales(header, scales.msPerUnit, scales.microVoltsPerUnit, why);
}

em1d::LayeredEarth SoundingForward::Earth(std::span<const float> thick, std::span<const float> res)
{
    return em1d::LayeredEarth(std::vector<double>(thick.begin(), thick.end()),
                              std::vector<double>(res.begin(), res.end()));
}

SoundingForward::Curves SoundingForward::Compute(const em1d::LayeredEarth& earth, const em1d::TemSystem& system,
                                                 std::span<const double> timesMs)
{
    const em1d::TemResponse r = em1d::TemForward(system).compute(earth, timesMs);
    return {r.rhoApparent, r.voltage};
}

double SoundingForward::MisfitPercent(std::span<const double> measured, std::span<const double> modelled,
                                      std::span<const char> masked)
{
    double sum = 0;
    std::size_t count = 0;
    const std::size_t n = std::min(measured.size(), modelled.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i < masked.size() && masked[i])
            continue;
        const double d = measured[i], m = modelled[i];
        if (d == 0 || !std::isfinite(d) || !std::isfinite(m))
            continue;
        const double rel = (d - m) / d;
        sum += rel * rel;
        ++count;
    }
    return count ? 100.0 * std::sqrt(sum / static_cast<double>(count)) : std::nan("");
}
