// The chart classes as Python sees them: constructors from arrays, from_file,
// save and the PNG a notebook shows inline.
#include "Bindings.h"

#include "LayeredModelChart.h"
#include "ProfileChart.h"
#include "SectionChart.h"
#include "SoundingChart.h"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

namespace pytarnex {

namespace py = pybind11;
using namespace py::literals;

namespace {

// Pictures shown inline in a notebook: a chart about as wide as a page's
// text at screen resolution.
constexpr int kInlineDpi = 96;

constexpr const char* kSaveDoc = R"(Write the chart to a file.

The type follows the file name's ending: .png, .svg, .pdf or .bmp (any case).
dpi sets the raster resolution (and the scale of vector pages), 1 to 9600.
The file is written through a temporary file beside it, so a failed write
leaves an existing file as it was.

Raises ValueError for an unknown ending, a resolution out of range or a
page too large, and OSError when the file cannot be written.)";

constexpr const char* kPngDoc = R"(The chart as PNG bytes at dpi (default 150).)";

}  // namespace

void BindCharts(py::module_& m)
{
    py::class_<Chart>(m, "Chart", "What every tarnex chart offers: save() and the PNG a notebook shows.")
        .def("save", &Chart::Save, "path"_a, "dpi"_a = 150, kSaveDoc)
        .def("png", &Chart::Png, "dpi"_a = 150, kPngDoc)
        .def(
            "_repr_png_", [](Chart& c) { return c.Png(kInlineDpi); },
            "The chart as PNG bytes at 96 dpi, for IPython and Jupyter to show inline.");

    py::class_<SoundingChart, Chart>(m, "SoundingChart", R"(The sounding curve chart.

Measured and modelled apparent resistivity R and vertical magnetic component V
over a logarithmic abscissa (time after turn-off), with a legend of the curves
and titles of both axes, as tarnex-render draws it. Each axis is brought into
the chart by a power of ten and labelled in the unit that suits its data (ms
or µs, μV/A or ×10ⁿ), so a sounding of any magnitude draws readably.)")
        .def(py::init(&SoundingChart::FromArrays), "x"_a, "r"_a, "v"_a, "r_fwd"_a = py::none(),
             "v_fwd"_a = py::none(), "model"_a = py::none(), py::kw_only(), "view"_a = py::none(),
             "plain"_a = false, "header"_a = "",
             R"(A chart of one sounding from equally long 1-D columns.

x: abscissa (time in ms unless header names another unit), every value
positive; r, v: measured apparent resistivity and voltage; r_fwd, v_fwd:
modelled, or None (or both wholly NaN, as read_sounding gives them) for a
measured-only sounding, drawn without modelled curves.
view: "auto" (the default: log-log when the values' magnitudes span more than
two decades, else linear), "linear" or "loglog". model: the older spelling,
1 for "linear" and 2 for "loglog"; given with a view it must agree.
plain: True draws the chart class's own layout of the numbers as they stand
(the largest abscissa above 0.1; every value positive for the log-log view),
with "auto" the linear view.
header: names the columns as a sounding file's header line does, as in
"t(s) R V(V/A) Rfwd Vfwd": the first the abscissa and its unit (time_ms, t(s), t_us, freq_Hz,
T_s), the third the unit of V (μV/A unless it says V/A, mV/A, nV/A).

The chart holds single-precision copies of the columns: float32 arrays are
read in place, other numbers (float64, ints, lists) are converted as they are
copied. Later changes to the arrays do not change the chart.
Raises ValueError for columns of different lengths, non-finite values or data
the chart cannot draw, with the library's message.)")
        .def_static("from_file", &SoundingChart::FromFile, "path"_a, "model"_a = py::none(), py::kw_only(),
                    "view"_a = py::none(), "plain"_a = false,
                    R"(A chart of a sounding file (five numbers a row, or three when measured only;
'#' comments, an optional header).

The header's first column names the abscissa and its unit (time_ms, t(s),
freq_Hz), its third the unit of V. view, model and plain as for the
constructor. Raises OSError when the file cannot be opened and ValueError,
naming the line, when its content is refused.)")
        .def_property_readonly("view", &SoundingChart::View,
                               "The view drawn, \"linear\" or \"loglog\" (auto has chosen one).")
        .def_property_readonly("model", &SoundingChart::Model, "The view drawn as a number: 1 linear, 2 log-log.")
        .def_property_readonly("plain", &SoundingChart::Plain, "Whether the chart class's own layout is drawn.")
        .def_property_readonly("modelled", &SoundingChart::Modelled, "Whether modelled curves are drawn.")
        .def_property_readonly("note", &SoundingChart::Note,
                               "Why the view asked for could not be drawn (the log-log view of a value of 0); "
                               "empty when it was.")
        .def_property_readonly("rows", &SoundingChart::Rows, "The number of samples drawn.")
        .def("__repr__", [](const SoundingChart& c) {
            return "<tarnex.SoundingChart of " + std::to_string(c.Rows()) + " samples, " + c.View() + " view" +
                   (c.Plain() ? ", plain>" : ">");
        }, "Samples and view.");

    py::class_<LayeredModelChart, Chart>(m, "LayeredModelChart", R"(The layered-model chart.

Resistivity against depth as a staircase, with titles of both axes and room
right of the largest resistivity, as tarnex-render draws it: resistivity on
decades when it spans more than one, depth on decades when the layer tops span
more than two.)")
        .def(py::init(&LayeredModelChart::FromArrays), "thickness"_a, "resistivity"_a, py::kw_only(),
             "plain"_a = false,
             R"(A chart of a layered earth.

thickness: metres, one value a layer above the half-space; resistivity:
ohm-m, one value a layer, the half-space's last (so one more than thickness).
Every value positive and at most 1e5, the deepest interface at most 1e5 m.
plain: True draws the chart class's own linear layout whatever the range.
The chart holds single-precision copies (float32 arrays are read in place).
Raises ValueError, with the library's message, for a model that breaks these.)")
        .def_static("from_file", &LayeredModelChart::FromFile, "path"_a, py::kw_only(), "plain"_a = false,
                    R"(A chart of a layered-model file (thickness and resistivity a line, the half-space's
resistivity alone on the last); plain as for the constructor. OSError when the
file cannot be opened, ValueError naming the line when its content is refused.)")
        .def_property_readonly("layers", &LayeredModelChart::Layers, "Layers drawn, the half-space included.")
        .def_property_readonly("plain", &LayeredModelChart::Plain, "Whether the chart class's own layout is drawn.")
        .def_property_readonly("log_resistivity", &LayeredModelChart::LogResistivity,
                               "Whether resistivity is drawn on decades.")
        .def_property_readonly("log_depth", &LayeredModelChart::LogDepth, "Whether depth is drawn on decades.")
        .def("__repr__", [](const LayeredModelChart& c) {
            std::string scale = c.Plain() ? ", plain" : c.LogResistivity() ? ", log resistivity" : "";
            return "<tarnex.LayeredModelChart of " + std::to_string(c.Layers()) + " layers" + scale + ">";
        }, "Layers drawn and the resistivity scale.");

    py::class_<ProfileChart, Chart>(m, "ProfileChart", R"(A profile panel.

Positions along a survey line on the abscissa and one curve a profile, each
in its own colour and line style, with axes on rounded ranges and a legend.)")
        .def(py::init(&ProfileChart::FromArrays), "x"_a, "values"_a, "names"_a = py::none(),
             R"(A panel from arrays.

x: positions (1-D); values: one profile (1-D, as long as x) or one row a
profile (2-D, shape (profiles, len(x)), at most 64 profiles); names: one
legend entry a profile (default "剖面 1", "剖面 2", ...).
x is read in place when it is a contiguous float64 array; the panel keeps a
copy of the values. Raises ValueError for mismatched lengths, non-finite
values or too many profiles.)")
        .def_static("from_file", &ProfileChart::FromFile, "path"_a,
                    R"(A panel of a profile file (position and one column a profile, an optional header
naming them). OSError when the file cannot be opened, ValueError naming the
line and column when its content is refused.)")
        .def_property_readonly(
            "names", [](const ProfileChart& c) { return c.Table().names; }, "The profiles' legend entries.")
        .def("__repr__", [](const ProfileChart& c) {
            return "<tarnex.ProfileChart of " + std::to_string(c.Table().Profiles()) + " profiles, " +
                   std::to_string(c.Table().Stations()) + " stations>";
        }, "Profiles and stations drawn.");

    py::class_<SectionChart, Chart>(m, "SectionChart", R"(The section of a 2-D polygon earth model.

Bodies filled with the colour of their resistivity at true scale, with axes
and a colour bar of resistivity.)")
        .def(py::init(&SectionChart::FromArrays), "vertices"_a, "bodies"_a, "holes"_a = std::vector<SectionChart::Hole>(),
             R"(A section from arrays.

vertices: shape (n, 2), x along the profile and elevation z (negative below
the surface), metres. bodies: a sequence of (name, resistivity, ring), ring a
sequence of indices into vertices going round the body's outline (closing it
on its first vertex is optional). holes: a sequence of (body name, ring) cut
out of that body. Rings may not cross or touch themselves, a hole lies inside
its body. Raises ValueError, naming the body, hole or vertex by its index.)")
        .def_static("from_file", &SectionChart::FromFile, "path"_a,
                    R"(A section of a polygon model file ("vertex ID X Z", "body NAME RHO ring",
"hole NAME ring" lines). OSError when the file cannot be opened, ValueError
naming the line when its content is refused.)")
        .def("__repr__", [](const SectionChart&) { return std::string("<tarnex.SectionChart>"); }, "The class.");
}

}  // namespace pytarnex
