// Numbers between numpy and the library: checked one-dimensional columns in,
// arrays out that own their memory.
#pragma once

#include "platform/core/CArray.h"

#include <pybind11/numpy.h>

#include <span>
#include <vector>

namespace pytarnex {

namespace py = pybind11;

// A column for a chart, in the chart's single precision. float32 arrays are
// read in place, anything else numpy can turn into numbers (float64, ints,
// lists) is converted while it is copied; the chart keeps this one copy.
// ValueError naming the column (name) when it is not one-dimensional, holds
// something other than numbers, or a value is not finite or too large for
// single precision.
CArray<float, float&> FloatColumn(py::handle values, const char* name);

// A column of doubles viewed in place when it is a C-contiguous float64
// array (no copy), otherwise converted once into `keep`. The same checks as
// FloatColumn; values that are not finite are refused unless the caller
// leaves that to a library that names them in its own terms.
struct DoubleColumn {
    py::array_t<double> keep;
    std::span<const double> values;
};
DoubleColumn DoublesOf(py::handle values, const char* name, bool requireFinite = true);
// The values of an array-like as a vector of their own, for the modelling
// library (which checks them and names the layer or gate).
std::vector<double> DoublesVector(py::handle values, const char* name);

// Lengths equal to the first column's: ValueError "x has 10 values, r has 9".
void CheckSameLength(std::initializer_list<std::pair<const char*, int>> columns);

// New numpy arrays holding the values (the array owns its memory).
py::array_t<float> ToArray(const CArray<float, float&>& values);
py::array_t<double> ToArray(std::vector<double>&& values);

}  // namespace pytarnex
