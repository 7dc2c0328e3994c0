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
    // How two names compare on a file system that ignores case: names with
    // equal keys would be one file there.
    using Key = std::string (*)(std::string_view name);
    // Safe names for all stations in order; the second and later stations
    // whose safe names have the same key as an earlier one get "~2", "~3",
    // ... (the first free number). The same list gives the same names.
    // Without a key only ASCII letters are folded; the batch passes
    // FoldedKey, which folds the case and composition of every letter.
    static std::vector<std::string> Assign(const std::vector<std::string>& stations, Key key = nullptr);
    // The key that folds case and composition alike ("Ü", "ü" and "u" with a
    // combining diaeresis are one), as macOS and Windows compare names.
    // Defined in StationFold.cpp, which needs Qt's Unicode tables: programs
    // without Qt leave it out and fold ASCII only.
    static std::string FoldedKey(std::string_view name);
};
