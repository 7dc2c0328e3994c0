// Strict reading and safe writing of the sounding data file (abscissa,
// measured R, measured V, and where modelled, modelled R and modelled V per
// row), for hosts that must tell the user what is wrong with a file and where.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The columns of a sounding, in file order.
struct SoundingTable {
    CArray<float, float&> x, r, v, rFwd, vFwd;
    // 5, or 3 for a measured-only table (abscissa, measured R, measured V):
    // rFwd and vFwd are then empty.
    int columns = 5;
    // The header line naming the columns, when the file has one.
    std::string header;
    // The text the table was read from, shared between copies, so that a
    // save can keep the user's comments and the spelling of every number
    // left unedited. Null for a table made in memory.
    std::shared_ptr<const std::string> source;
    int Rows() const noexcept { return x.GetSize(); }
};

class SoundingFile {
public:
    // Caps from a memory budget of 256 MiB for reading, laying out and
    // drawing the largest accepted file (about 210 bytes a row; a million
    // rows peak near 210 MB in tarnex-render); a larger file is refused,
    // never cut. A number token is at most 64 characters.
    static constexpr int kMaxRows = 1'000'000;
    static constexpr size_t kMaxBytes = 128u << 20;
    static constexpr size_t kMaxTokenChars = 64;

    // How the numbers of a file make rows.
    //  Lines:  one row a line, five numbers each, or three in a
    //          measured-only file (a file keeps one count); blanks, tabs or
    //          commas between them; '#' starts a comment to the end of the
    //          line, blank lines are skipped, and the first line may be a
    //          header naming the columns (its first field is not written as
    //          a number). A UTF-8 byte order mark is skipped.
    //  Stream: numbers separated by any white space, taken five at a time,
    //          so that a row may span lines (the form the chart's own
    //          ReadData reads); no comments or header.
    enum class Layout { Lines, Stream };

    // Reads every row, or the first maxRows rows when maxRows > 0, from a
    // file, pipe or FIFO. On failure returns false with a one-line message
    // "file:line: ...", and leaves out untouched.
    static bool Read(const char* path, int maxRows, SoundingTable& out, CString& error,
                     Layout layout = Layout::Lines);
    // The same rules on text already in memory; name stands for the file.
    static bool Parse(std::string_view text, const char* name, int maxRows, SoundingTable& out, CString& error,
                      Layout layout = Layout::Lines);
    // Writes the table through a temporary file, so a failed write loses
    // nothing of an existing file. A table read from a file is written as
    // that file's text with the changed values put in (comments, header,
    // blanks and unedited numbers kept byte for byte); a table made in
    // memory, or one whose row count no longer matches its text, is written
    // its columns' numbers a line, after the comment lines and header of its
    // text. A value the reader would refuse (not finite, or too small for a
    // float to hold undenormalised) is refused, naming its row and column.
    static bool Write(const char* path, const SoundingTable& table, CString& error);

private:
    static bool parse(std::shared_ptr<std::string> text, const char* name, int maxRows, SoundingTable& out,
                      CString& error, Layout layout);
};
