// Reading of a profile data file: a table whose first column is the position
// along the survey line and every further column one profile.
#pragma once

#include "platform/core/CString.h"

#include <string>
#include <vector>

// The profiles of a survey line: one position a station, one value a
// station for each profile.
struct ProfileTable {
    std::string positionName;         // the header's first name, or empty
    std::vector<std::string> names;   // one a profile; "剖面 1", ... without a header
    std::vector<double> x;
    std::vector<std::vector<double>> values;  // [profile][station]

    int Profiles() const noexcept { return static_cast<int>(values.size()); }
    int Stations() const noexcept { return static_cast<int>(x.size()); }
};

// File format:
//   # comment: anything after '#' on a line is ignored, blank lines too
//   station  t0.1ms  t0.3ms     optional header: the column names
//   0        120.5   80.2       position, then one value a profile
//   10,      118.0,  79.9       numbers separated by blanks, tabs or commas
// Every row has the header's number of columns (or the first row's); at
// least one profile and one row. Numbers are read the same in every locale.
class ProfileFile {
public:
    static constexpr long long kMaxBytes = 16ll * 1024 * 1024;
    static constexpr int kMaxRows = 100000;
    static constexpr int kMaxProfiles = 64;
    static constexpr int kMaxNameBytes = 64;

    // False with one line naming the file, line and column; out is then untouched.
    static bool Read(const char* path, ProfileTable& out, CString& error);
    // The same on text in memory; name stands for the file in messages.
    static bool Parse(const std::string& text, const char* name, ProfileTable& out, CString& error);
};
