// File names for stations: safe on any file system a survey's charts may be
// copied to, and distinct even where a file system ignores letter case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class StationNames {
public:
    static constexpr size_t kMaxBytes = 100;  // of a name, before its clash suffix and extension

    // The station's name made safe: '/', '\\', ':', '*', '?', '"', '<', '>',
    // '|', blanks, control and invalid UTF-8 bytes become '_'; a leading '.'
    // or '-' becomes '_' (no hidden file, no option); longer names are cut
    // at a character boundary; names Windows reserves (CON, NUL, COM1, ...)
    // get a leading '_'; an empty result is "station".
    static std::string Safe(std::string_view station);
    // Safe names for all stations in order; the second and later stations
    // whose safe names equal an earlier one ignoring case and composition
    // ("Ü", "ü" and "u" with a combining diaeresis are one) get "~2",
    // "~3", ... (the first free number). The same list gives the same names.
    static std::vector<std::string> Assign(const std::vector<std::string>& stations);
};
