// The parts of the module, each adding its functions and classes.
#pragma once

#include <pybind11/pybind11.h>

namespace pytarnex {

void BindCharts(pybind11::module_& m);
void BindReaders(pybind11::module_& m);
void BindForward(pybind11::module_& m);
void BindInversion(pybind11::module_& m);

}  // namespace pytarnex
