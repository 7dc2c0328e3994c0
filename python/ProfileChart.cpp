#include "ProfileChart.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include <pybind11/numpy.h>

namespace pytarnex {

namespace py = pybind11;

ProfileChart::ProfileChart(ProfileTable table) : m_table(std::move(table)) { ProfilePanel::Load(m_panel, m_table); }

std::unique_ptr<ProfileChart> ProfileChart::FromArrays(const ArrayLike& x, const ArrayLike& valuesArg,
                                                       std::optional<std::vector<std::string>> names)
{
    const py::handle values = valuesArg;
    ProfileTable t;
    const DoubleColumn xs = DoublesOf(x, "x");
    t.x.assign(xs.values.begin(), xs.values.end());
    // One row a profile: a 1-D array is a single profile, a sequence of
    // sequences (of any lengths, checked below) one profile an element.
    std::vector<py::object> rows;
    const auto isSequence = [](py::handle h) {
        return py::isinstance<py::list>(h) || py::isinstance<py::tuple>(h) || py::isinstance<py::array>(h);
    };
    const bool nested = (py::isinstance<py::list>(values) || py::isinstance<py::tuple>(values)) &&
                        py::len(values) > 0 && isSequence(values[py::int_(0)]);
    if (nested) {
        for (py::handle row : values)
            rows.push_back(py::reinterpret_borrow<py::object>(row));
    } else {
        auto a = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
        if (!a || (a.ndim() != 1 && a.ndim() != 2))
            RaiseValueError("values must be one profile (1-D) or one row a profile (2-D) of real numbers");
        if (a.ndim() == 1)
            rows.push_back(a);
        else
            for (py::ssize_t k = 0; k < a.shape(0); ++k)
                rows.push_back(a[py::int_(k)]);
    }
    const auto profiles = static_cast<py::ssize_t>(rows.size());
    if (profiles < 1)
        RaiseValueError("values holds no profile");
    if (profiles > ProfileFile::kMaxProfiles)
        RaiseValueError("values holds " + std::to_string(profiles) + " profiles, more than the " +
                        std::to_string(ProfileFile::kMaxProfiles) + " a panel draws");
    if (t.x.empty())
        RaiseValueError("x is empty: a profile needs at least one station");
    if (t.Stations() > ProfileFile::kMaxRows)
        RaiseValueError("x has " + std::to_string(t.Stations()) + " stations, more than the " +
                        std::to_string(ProfileFile::kMaxRows) + " a panel draws");
    for (py::ssize_t k = 0; k < profiles; ++k) {
        const std::string name = "values[" + std::to_string(k) + "]";
        const DoubleColumn c = DoublesOf(rows[static_cast<size_t>(k)], name.c_str());
        CheckSameLength({{"x", t.Stations()}, {name.c_str(), static_cast<int>(c.values.size())}});
        t.values.emplace_back(c.values.begin(), c.values.end());
    }
    if (names) {
        if (static_cast<py::ssize_t>(names->size()) != profiles)
            RaiseValueError("names has " + std::to_string(names->size()) + " entries for " + std::to_string(profiles) +
                            " profiles");
        for (const auto& n : *names)
            if (n.size() > static_cast<size_t>(ProfileFile::kMaxNameBytes))
                RaiseValueError("the profile name \"" + n.substr(0, 20) + "...\" is longer than " +
                                std::to_string(ProfileFile::kMaxNameBytes) + " bytes");
        t.names = *names;
    } else {
        for (py::ssize_t k = 0; k < profiles; ++k)
            t.names.push_back("剖面 " + std::to_string(k + 1));
    }
    return std::make_unique<ProfileChart>(std::move(t));
}

std::unique_ptr<ProfileChart> ProfileChart::FromFile(const std::filesystem::path& path)
{
    CheckReadable(path);
    ProfileTable t;
    CString error;
    if (!ProfileFile::Read(path.c_str(), t, error))
        RaiseValueError(error.str());
    return std::make_unique<ProfileChart>(std::move(t));
}

void ProfileChart::Draw(CDC* dc) { ProfilePanel::Draw(m_panel, m_table, dc); }

}  // namespace pytarnex
