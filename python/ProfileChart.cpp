#include "ProfileChart.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include <pybind11/numpy.h>

namespace pytarnex {

namespace py = pybind11;

ProfileChart::ProfileChart(ProfileTable table) : m_table(std::move(table)) { ProfilePanel::Load(m_panel, m_table); }

std::unique_ptr<ProfileChart> ProfileChart::FromArrays(py::handle x, py::handle values,
                                                       std::optional<std::vector<std::string>> names)
{
    ProfileTable t;
    const DoubleColumn xs = DoublesOf(x, "x");
    t.x.assign(xs.values.begin(), xs.values.end());
    // One row a profile: a 1-D array is a single profile.
    auto rows = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
    if (!rows || (rows.ndim() != 1 && rows.ndim() != 2))
        RaiseValueError("values must be one profile (1-D) or one row a profile (2-D) of real numbers");
    const py::ssize_t profiles = rows.ndim() == 1 ? 1 : rows.shape(0);
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
        const DoubleColumn c = DoublesOf(rows.ndim() == 1 ? py::object(rows) : py::object(rows[py::int_(k)]),
                                         name.c_str());
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
