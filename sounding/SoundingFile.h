// Strict reading and safe writing of the five-column sounding data file
// (abscissa, measured R, measured V, modelled R, modelled V per row), for
// hosts that must tell the user what is wrong with a file and where.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

// The five columns of a sounding, in file order.
struct SoundingTable {
    CArray<float, float&> x, r, v, rFwd, vFwd;
    int Rows() const noexcept { return x.GetSize(); }
};

class SoundingFile {
public:
    // The most rows a file may hold; a larger one is refused, not cut.
    static constexpr int kMaxRows = 10'000'000;

    // Reads every row, or the first maxRows rows when maxRows > 0. Numbers
    // are separated by any white space, so a row may span lines. On failure
    // returns false with a one-line message naming the row, and leaves out
    // untouched.
    static bool Read(const char* path, int maxRows, SoundingTable& out, CString& error);
    // Writes the table, five numbers a line, through a temporary file, so a
    // failed write loses nothing of an existing file.
    static bool Write(const char* path, const SoundingTable& table, CString& error);
};
