// The module `tarnex`: tarnex's charts drawn from numpy arrays, its files
// read into numpy arrays, offscreen and without a display.
#include "Bindings.h"

namespace py = pybind11;

PYBIND11_MODULE(tarnex, m)
{
    m.doc() = R"(tarnex: EM sounding charts, files and models from Python.

Charts (each with save(path, dpi=150) to PNG, SVG, PDF or BMP, and an inline
picture in Jupyter): SoundingChart, LayeredModelChart, ProfileChart,
SectionChart. Readers: read_sounding, read_survey, read_layered_model.
Forward modelling of layered earths: forward_tem, forward_mt; inversion of
a TEM sounding: invert_tem.
Bad input raises ValueError with the library's message, a file that cannot
be opened or written OSError. Charts are drawn offscreen: no display needed.)";
    m.attr("__version__") = TARNEX_VERSION;
    pytarnex::BindReaders(m);
    pytarnex::BindCharts(m);
    pytarnex::BindForward(m);
    pytarnex::BindInversion(m);
}
