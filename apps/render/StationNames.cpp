#include "StationNames.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace {

// Length of the well-formed UTF-8 character at s[i], 0 when there is none.
size_t utf8Length(std::string_view s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t n = c >= 0xC2 && c < 0xE0 ? 2 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return n;
}

// The name with its ASCII letters upper-cased: how a file system that
// ignores case compares names of ASCII letters.
std::string asciiUpper(std::string_view name)
{
    std::string s(name);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool reservedOnWindows(const std::string& name)
{
    // The device names hold with any extension: "NUL.x" is the device too.
    const std::string stem = asciiUpper(name.substr(0, name.find('.')));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

}  // namespace

std::string StationNames::Safe(std::string_view station)
{
    std::string out;
    for (size_t i = 0; i < station.size();) {
        const auto c = static_cast<unsigned char>(station[i]);
        size_t n = 1;
        std::string_view piece = station.substr(i, 1);
        if (c >= 0x80) {
            n = utf8Length(station, i);
            piece = n ? station.substr(i, n) : std::string_view("_");
            n = n ? n : 1;
        } else if (c < 0x20 || c == 0x7f || std::string_view("/\\:*?\"<>| ").find(static_cast<char>(c)) !=
                                                 std::string_view::npos) {
            piece = "_";
        }
        if (out.size() + piece.size() > kMaxBytes)
            break;
        out += piece;
        i += n;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '-'))
        out[0] = '_';
    if (out.empty())
        out = "station";
    if (reservedOnWindows(out))
        out.insert(0, "_");
    return out;
}

std::vector<std::string> StationNames::Assign(const std::vector<std::string>& stations, Key key)
{
    const Key upper = key ? key : asciiUpper;
    std::vector<std::string> names;
    names.reserve(stations.size());
    std::unordered_set<std::string> taken;  // upper-cased
    for (const std::string& s : stations)
        taken.insert(upper(Safe(s)));
    std::unordered_set<std::string> used;
    for (const std::string& s : stations) {
        std::string name = Safe(s);
        if (!used.insert(upper(name)).second) {
            // A suffix that no other station's own name takes either.
            for (int k = 2;; ++k) {
                std::string candidate = name + "~" + std::to_string(k);
                const std::string folded = upper(candidate);
                if (!taken.contains(folded) && used.insert(folded).second) {
                    name = std::move(candidate);
                    break;
                }
            }
        }
        names.push_back(std::move(name));
    }
    return names;
}
