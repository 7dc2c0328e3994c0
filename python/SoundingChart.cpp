#include "SoundingChart.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include "sounding/SoundingRender.h"

#include <cmath>

namespace pytarnex {

namespace {

// The view a caller asked for by name or by the older model number; both
// given must agree.
SoundingPlan::View ViewAskedFor(const SoundingChart::Options& o)
{
    std::optional<SoundingPlan::View> byName;
    if (o.view) {
        const std::string& v = *o.view;
        if (v == "auto") byName = SoundingPlan::View::Auto;
        else if (v == "linear") byName = SoundingPlan::View::Linear;
        else if (v == "loglog") byName = SoundingPlan::View::LogLog;
        else RaiseValueError("view must be \"auto\", \"linear\" or \"loglog\", not \"" + v + "\"");
    }
    if (!o.model)
        return byName.value_or(SoundingPlan::View::Auto);
    if (*o.model != 1 && *o.model != 2)
        RaiseValueError("model must be 1 (linear) or 2 (log-log), not " + std::to_string(*o.model));
    const auto byModel = *o.model == 1 ? SoundingPlan::View::Linear : SoundingPlan::View::LogLog;
    if (byName && *byName != byModel)
        RaiseValueError("view=\"" + *o.view + "\" and model=" + std::to_string(*o.model) +
                        " ask for different views: give one of them");
    return byModel;
}

// A column that is None or holds nothing but NaN, as a measured-only
// sounding's modelled columns come from read_sounding.
bool Absent(py::handle values)
{
    if (values.is_none())
        return true;
    const auto a = py::array_t<double, py::array::forcecast>::ensure(values);
    if (!a || a.ndim() != 1 || a.size() == 0)
        return false;
    const auto u = a.unchecked<1>();
    for (py::ssize_t i = 0; i < u.shape(0); ++i)
        if (!std::isnan(u(i)))
            return false;
    return true;
}

}  // namespace

SoundingChart::SoundingChart(const SoundingTable& table, const Options& options, const char* name)
{
    const SoundingPlan::View view = ViewAskedFor(options);
    CString error;
    m_rows = table.Rows();
    if (options.plain) {
        // The class lays out the numbers as they stand: auto is its own
        // default, the linear model.
        const int model = view == SoundingPlan::View::LogLog ? 2 : 1;
        if (!SoundingRender::Check(table, model, name, error))
            RaiseValueError(error.str());
        SoundingRender::Load(m_chart, table, model);
        m_figure.modelled = table.columns >= 5;
        m_figure.abscissaTitle = SoundingFigure::AbscissaTitleFor(table.header);
        return;
    }
    if (!SoundingRender::CheckFigure(table, name, error))
        RaiseValueError(error.str());
    m_figure = SoundingFigure::For(table, view);
    m_figure.plan->Load(m_chart, table);
}

std::unique_ptr<SoundingChart> SoundingChart::FromArrays(const ArrayLike& x, const ArrayLike& r, const ArrayLike& v,
                                                         const ArrayLike& rFwd, const ArrayLike& vFwd,
                                                         std::optional<int> model,
                                                         const std::optional<std::string>& view, bool plain,
                                                         const std::string& header)
{
    SoundingTable t;
    t.x = FloatColumn(x, "x");
    t.r = FloatColumn(r, "r");
    t.v = FloatColumn(v, "v");
    const bool measuredOnly = Absent(rFwd) && Absent(vFwd);
    if (!measuredOnly && (rFwd.value.is_none() || vFwd.value.is_none()))
        RaiseValueError(std::string(rFwd.value.is_none() ? "v_fwd is given without r_fwd"
                                                         : "r_fwd is given without v_fwd") +
                        ": give both modelled columns, or neither for a measured-only sounding");
    if (measuredOnly) {
        t.columns = 3;
        CheckSameLength({{"x", t.x.GetSize()}, {"r", t.r.GetSize()}, {"v", t.v.GetSize()}});
    } else {
        t.rFwd = FloatColumn(rFwd, "r_fwd");
        t.vFwd = FloatColumn(vFwd, "v_fwd");
        CheckSameLength({{"x", t.x.GetSize()}, {"r", t.r.GetSize()}, {"v", t.v.GetSize()},
                         {"r_fwd", t.rFwd.GetSize()}, {"v_fwd", t.vFwd.GetSize()}});
    }
    if (t.Rows() > SoundingFile::kMaxRows)
        RaiseValueError("the sounding has " + std::to_string(t.Rows()) + " samples, more than the " +
                        std::to_string(SoundingFile::kMaxRows) + " a chart draws");
    t.header = header;
    return std::make_unique<SoundingChart>(t, Options{view, model, plain}, "sounding");
}

std::unique_ptr<SoundingChart> SoundingChart::FromFile(const std::filesystem::path& path, std::optional<int> model,
                                                       const std::optional<std::string>& view, bool plain)
{
    CheckReadable(path);
    SoundingTable t;
    CString error;
    if (!SoundingFile::Read(path.c_str(), 0, t, error))
        RaiseValueError(error.str());
    t.source.reset();
    return std::make_unique<SoundingChart>(t, Options{view, model, plain}, path.c_str());
}

void SoundingChart::Draw(CDC* dc) { DrawSoundingFigure(m_chart, dc, m_figure); }

}  // namespace pytarnex
