#include "SoundingChart.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include "sounding/SoundingRender.h"

namespace pytarnex {

SoundingChart::SoundingChart(const SoundingTable& table, int model, const char* name)
{
    if (model != 1 && model != 2)
        RaiseValueError("model must be 1 (linear) or 2 (log-log), not " + std::to_string(model));
    CString error;
    if (!SoundingRender::Check(table, model, name, error))
        RaiseValueError(error.str());
    SoundingRender::Load(m_chart, table, model);
    m_rows = table.Rows();
}

std::unique_ptr<SoundingChart> SoundingChart::FromArrays(const ArrayLike& x, const ArrayLike& r, const ArrayLike& v,
                                                         const ArrayLike& rFwd, const ArrayLike& vFwd, int model)
{
    SoundingTable t;
    t.x = FloatColumn(x, "x");
    t.r = FloatColumn(r, "r");
    t.v = FloatColumn(v, "v");
    t.rFwd = FloatColumn(rFwd, "r_fwd");
    t.vFwd = FloatColumn(vFwd, "v_fwd");
    CheckSameLength({{"x", t.x.GetSize()}, {"r", t.r.GetSize()}, {"v", t.v.GetSize()},
                     {"r_fwd", t.rFwd.GetSize()}, {"v_fwd", t.vFwd.GetSize()}});
    if (t.Rows() > SoundingFile::kMaxRows)
        RaiseValueError("the sounding has " + std::to_string(t.Rows()) + " samples, more than the " +
                        std::to_string(SoundingFile::kMaxRows) + " a chart draws");
    return std::make_unique<SoundingChart>(t, model, "sounding");
}

std::unique_ptr<SoundingChart> SoundingChart::FromFile(const std::filesystem::path& path, int model)
{
    CheckReadable(path);
    SoundingTable t;
    CString error;
    if (!SoundingFile::Read(path.c_str(), 0, t, error))
        RaiseValueError(error.str());
    t.source.reset();
    auto chart = std::make_unique<SoundingChart>(t, model, path.c_str());
    chart->m_figure.abscissaTitle = SoundingFigure::AbscissaTitleFor(t.header);
    return chart;
}

void SoundingChart::Draw(CDC* dc) { DrawSoundingFigure(m_chart, dc, m_figure); }

}  // namespace pytarnex
