// A survey table: many soundings in one text file, one row a sample with the
// station's name first, read strictly and written back without disturbing rows nobody edited.
#pragma once

#include "sounding/SoundingFile.h"

#include "platform/core/CString.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

// One station of a survey: its name, position and sounding.
struct SurveyStation {
    CString name;
    SoundingTable table;
    // Position along the survey line in metres, from the x_m column of the
    // station's first row; NaN when the table has no such column.
    double x = std::nan("");
    // Set by whoever changes table; an edited station's rows are written
    // anew, the others' exactly as they were read.
    bool edited = false;
    // The station's lines as read, from its first row to the end of its last
    // row's line (comment lines among them included), and the comment and
    // blank lines that follow it up to the next station. Empty for a station
    // that was not read from a file.
    std::string text;
    std::string trailer;
    int firstLine = 0;  // line of its first row in the file, 0 when not read
};

// The stations of a survey table in file order, and what surrounds them.
struct SurveyTable {
    std::vector<SurveyStation> stations;
    // Everything before the first station's first row: comments, blank
    // lines and the header line.
    std::string lead;
    std::string header;          // the header line's fields, as written; empty without one
    int columns = 5;             // values a row: 5, or 3 for measured-only soundings
    bool positions = false;      // an x_m column stands between station and abscissa
    std::string separator = " "; // between the fields of the first row, used for rows written anew
    std::string newline = "\n";  // "\n" or "\r\n", as the file's first line ends

    int Stations() const noexcept { return static_cast<int>(stations.size()); }
};

// File format (see docs/files.md):
//   # comment: anything after '#' on a line is ignored, blank lines too
//   station, x, rho, v, rho_fwd, v_fwd   optional header: its second field is not written as a number
//   L1-001, 1.0, 120.5, 3.2, 118.0, 3.1  station, abscissa, measured R, measured V, modelled R, modelled V
// Rows may hold the three measured values only (station, abscissa, measured
// R, measured V); a header whose second field is x_m (any case) announces a
// position column between station and abscissa. Every row holds as many
// fields as the first (or the header). Fields are separated by blanks, tabs
// or one comma with blanks around it; a UTF-8 byte order mark is skipped.
// A station's rows are contiguous; a name is 1 to 64 bytes of UTF-8 with no
// blank, comma, '#' or control byte.
namespace SurveyFile {

inline constexpr size_t kMaxBytes = 256u << 20;
inline constexpr int kMaxRows = 4'000'000;           // in the whole table
inline constexpr int kMaxStations = 200'000;
inline constexpr int kMaxStationRows = SoundingFile::kMaxRows;
inline constexpr size_t kMaxNameBytes = 64;
inline constexpr size_t kMaxTokenChars = 64;

// Reads a file, pipe or FIFO up to kMaxBytes. False with a one-line message
// naming the file and line (and the cap a refused input broke); out is then
// untouched.
bool Read(const char* path, SurveyTable& out, CString& error);
// The same rules on text in memory; name stands for the file in messages.
bool Parse(std::string_view text, const char* name, SurveyTable& out, CString& error);
// Writes the whole table atomically: lead, header and comments, and the rows
// of stations not marked edited exactly as read; edited stations' rows as
// read with the changed numbers put in (DataText: unedited numbers keep
// their spelling, changed ones the precision of the number they replace),
// or, when their row count changed, anew with the table's separator and
// line end, numbers in the shortest form that reads back exactly. False with a one-line message (a name that could not
// be read back, a station without rows, two stations of one name, columns of
// different length); the file is then as it was.
bool Write(const char* path, const SurveyTable& t, CString& error);
// Whether text (the start of a file is enough) looks like a survey table
// rather than a sounding file: past comments and the header, its first row
// starts with a field not written as a number (a station's name), or the
// header names an x_m column, or a header leads rows of four or six fields
// (numbered stations need a header to be told from a sounding).
bool LooksLikeSurvey(std::string_view text);

}  // namespace SurveyFile
