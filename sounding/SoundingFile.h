// Strict reading and safe writing of the five-column sounding data file
// (abscissa, measured R, measured V, modelled R, modelled V per row), for
// hosts that must tell the user what is wrong with a file and where.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

#include <cstddef>
#include <string_view>

// The five columns of a sounding, in file order.
struct SoundingTable {
    CArray<float, float&> x, r, v, rFwd, vFwd;
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

    // Reads every row, or the first maxRows rows when maxRows > 0, from a
    // file, pipe or FIFO. Numbers are separated by any white space, so a row
    // may span lines. On failure returns false with a one-line message that
    // names the file and the row, and leaves out untouched.
    static bool Read(const char* path, int maxRows, SoundingTable& out, CString& error);
    // The same rules on text already in memory; name stands for the file.
    static bool Parse(std::string_view text, const char* name, int maxRows, SoundingTable& out, CString& error);
    // Writes the table, five numbers a line, through a temporary file, so a
    // failed write loses nothing of an existing file.
    static bool Write(const char* path, const SoundingTable& table, CString& error);
};
