// The digital linear filter tables compiled into the library: converted at
// build time from the text tables in em1d/filters (see ConvertFilters.cmake).
#pragma once

namespace em1d::tables {

// One table as written: rows of (base, weight, weight...), row-major.
struct Table {
    const char* name;      // the table's file name without ".txt"
    const double* values;  // rows * columns numbers
    int rows;
    int columns;
};

extern const Table kTables[];
extern const int kTableCount;

} // namespace em1d::tables
