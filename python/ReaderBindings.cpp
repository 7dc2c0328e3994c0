// The library's strict readers for Python: sounding files, survey tables and
// layered models into numpy arrays.
#include "Bindings.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include "model1d/LayeredModelFile.h"
#include "sounding/SoundingFile.h"
#include "sounding/SurveyFile.h"

#include <pybind11/numpy.h>
#include <pybind11/stl/filesystem.h>

#include <limits>

namespace pytarnex {

namespace py = pybind11;
using namespace py::literals;

namespace {

// Whether the sounding table says how many of its columns it read (a
// measured-only file leaves the modelled ones out).
template <typename T>
constexpr bool kCountsColumns = requires(const T& t) { t.columns; };

// The table's rows as a (rows, 5) float32 array in file order: abscissa,
// measured R, measured V, modelled R, modelled V. A column the table does
// not hold (a measured-only sounding) comes out as NaN.
template <typename Table>
py::array_t<float> tableArray(const Table& t)
{
    const int rows = t.Rows();
    py::array_t<float> a({static_cast<py::ssize_t>(rows), static_cast<py::ssize_t>(5)});
    float* p = a.mutable_data();
    const CArray<float, float&>* columns[] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
    int held = 5;
    if constexpr (kCountsColumns<Table>)
        held = static_cast<int>(t.columns);
    for (int c = 0; c < 5; ++c) {
        const bool present = c < held && columns[c]->GetSize() >= rows;
        const float* src = columns[c]->GetData();
        for (int i = 0; i < rows; ++i)
            p[static_cast<size_t>(i) * 5 + static_cast<size_t>(c)] =
                present ? src[i] : std::numeric_limits<float>::quiet_NaN();
    }
    return a;
}

py::array_t<float> readSounding(const std::filesystem::path& path)
{
    CheckReadable(path);
    SoundingTable t;
    CString error;
    bool ok;
    {
        py::gil_scoped_release free;
        ok = SoundingFile::Read(path.c_str(), 0, t, error);
    }
    if (!ok)
        RaiseValueError(error.str());
    return tableArray(t);
}

py::dict readSurvey(const std::filesystem::path& path)
{
    CheckReadable(path);
    SurveyTable t;
    CString error;
    bool ok;
    {
        py::gil_scoped_release free;
        ok = SurveyFile::Read(path.c_str(), t, error);
    }
    if (!ok)
        RaiseValueError(error.str());
    // A dict keeps insertion order: the stations come in file order.
    py::dict out;
    for (const auto& s : t.stations)
        out[py::str(s.name.str())] = tableArray(s.table);
    return out;
}

py::tuple readLayeredModel(const std::filesystem::path& path)
{
    CheckReadable(path);
    LayeredModel m;
    CString error;
    if (!LayeredModelFile::Read(path.c_str(), m, error))
        RaiseValueError(error.str());
    return py::make_tuple(ToArray(m.thick), ToArray(m.res));
}

}  // namespace

void BindReaders(py::module_& m)
{
    m.def("read_sounding", &readSounding, "path"_a, R"(Read a sounding file into an array of shape (rows, 5).

Columns in file order: abscissa (time in ms), measured R, measured V,
modelled R, modelled V, in float32, the precision the library reads and
draws in. A file without modelled columns gives NaN in columns 3 and 4.
One row a line, '#' starts a comment, the first line may name the columns.

Raises OSError when the file cannot be opened (FileNotFoundError,
PermissionError, IsADirectoryError) and ValueError, naming the line, when
its content is refused.)");
    m.def("read_survey", &readSurvey, "path"_a, R"(Read a survey table: a dict of station name -> array of shape (rows, 5).

The stations come in the order of the file (dicts keep insertion order);
each array is laid out as read_sounding's. One row a sample, the station's
name first, fields separated by blanks, tabs or commas.

Raises OSError when the file cannot be opened and ValueError, naming the
line, when its content is refused.)");
    m.def("read_layered_model", &readLayeredModel, "path"_a, R"(Read a layered-model file: (thickness, resistivity).

thickness (m) has one value a layer above the half-space, resistivity
(ohm-m) one a layer with the half-space's last, both float32.
Raises OSError when the file cannot be opened and ValueError, naming the
line, when its content is refused.)");
}

}  // namespace pytarnex
