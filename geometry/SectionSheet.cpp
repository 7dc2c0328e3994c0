#include "geometry/SectionSheet.h"

#include "platform/core/ChartMath.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

SectionSheet::SectionSheet() = default;
SectionSheet::~SectionSheet() = default;

void SectionSheet::RoundTicks(CMyAxis& axis)
{
    const double range = static_cast<double>(axis.m_fMax) - axis.m_fMin;
    if (!(range > 0) || !std::isfinite(range))
        return;
    const double raw = range / 5;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / decade;
    const double step = (f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10) * decade;
    axis.m_fTickStep = chartmath::ToFloat(step);
    axis.m_fTickStart = chartmath::ToFloat(std::ceil(axis.m_fMin / step - 1e-9) * step);
    axis.m_nDecimals = std::clamp(-chartmath::ToUnits(std::floor(std::log10(step))), 0, 6);
    axis.CreatAxis();
}

namespace {

struct Extent {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    double widthMm = 0, heightMm = 0;  // the section on the page at true scale
};

bool extentOf(const TMOD2D& model, Extent& e)
{
    if (model.m_Verts.GetSize() == 0)
        return false;
    e.x0 = e.x1 = model.m_Verts[0].x;
    e.y0 = e.y1 = model.m_Verts[0].y;
    for (int i = 1; i < model.m_Verts.GetSize(); ++i) {
        const VERT3D& v = model.m_Verts[i];
        e.x0 = std::min(e.x0, v.x);
        e.x1 = std::max(e.x1, v.x);
        e.y0 = std::min(e.y0, v.y);
        e.y1 = std::max(e.y1, v.y);
    }
    if (!(e.x1 > e.x0) || !(e.y1 > e.y0))
        return false;
    // True scale: the width sets the scale, the depth follows from it.
    e.widthMm = SectionSheet::kWidthMm;
    if ((e.y1 - e.y0) / (e.x1 - e.x0) * e.widthMm > SectionSheet::kMaxHeightMm)
        e.widthMm = SectionSheet::kMaxHeightMm * (e.x1 - e.x0) / (e.y1 - e.y0);
    e.heightMm = (e.y1 - e.y0) / (e.x1 - e.x0) * e.widthMm;
    return true;
}

}  // namespace

bool SectionSheet::Fits(const TMOD2D& model, std::string& why)
{
    Extent e;
    if (!extentOf(model, e)) {
        why = "the model has no extent to draw";
        return false;
    }
    if (e.widthMm >= kMinSideMm && e.heightMm >= kMinSideMm)
        return true;
    char text[320];
    std::snprintf(text, sizeof text,
                  "the model is %.6g m wide and %.6g m deep: at true scale its section would be %.3g mm wide and "
                  "%.3g mm tall (160 mm wide, at most 200 mm tall), and a section needs at least 1 mm each way",
                  e.x1 - e.x0, e.y1 - e.y0, e.widthMm, e.heightMm);
    why = text;
    return false;
}

bool SectionSheet::Load(TMOD2D& model)
{
    std::string why;
    Extent e;
    if (!Fits(model, why) || !extentOf(model, e))
        return false;
    const double x0 = e.x0, x1 = e.x1, y0 = e.y0, y1 = e.y1;
    const double widthMm = e.widthMm, heightMm = e.heightMm;
    const int w = std::max(1, chartmath::ToUnits(widthMm * kUnitsPerMm));
    const int h = std::max(1, chartmath::ToUnits(heightMm * kUnitsPerMm));
    m_Sect.IntPolyRect(0, h, w, 0, kUnitsPerMm);
    m_Sect.Creat_model(model);
    m_Sect.Reset(kOutlineTenthsMm, 1, x0, x1, y0, y1);

    for (CMyAxis* a : {&m_Sect.m_XAxis, &m_Sect.m_YAxis}) {
        a->m_bTitle = 1;
        a->m_lfLabel.lfHeight = 350;
        a->m_lfLabel.lfWeight = 400;
        a->m_lfTitle.lfHeight = 350;
        a->m_lfTitle.lfWeight = 400;
        a->m_fTickLength = 1.5f;
        a->m_fLineWidth = 0.2f;
        RoundTicks(*a);
    }
    m_Sect.m_XAxis.m_strTitle = "距离/m";
    m_Sect.m_YAxis.m_strTitle = "高程/m";
    m_Bar.m_Scale.FitModel(m_Sect.m_Model);
    PlaceBar();
    return true;
}

void SectionSheet::PlaceBar()
{
    const CMyAxis& x = m_Sect.m_XAxis;
    const CMyAxis& y = m_Sect.m_YAxis;
    const int top = y.m_ptEnd.y;
    // At least 40 mm tall, so that a shallow section's bar still carries its labels.
    const int bottom = std::min(y.m_ptStart.y, top - 40 * kUnitsPerMm);
    m_Bar.Place(x.m_ptEnd.x + 22 * kUnitsPerMm, top, 5 * kUnitsPerMm, bottom, kUnitsPerMm);
}

void SectionSheet::Draw(CDC* pDC)
{
    if (!pDC)
        return;
    pDC->SetMapMode(MM_HIMETRIC);
    m_Sect.DrawAll(pDC);
    m_Bar.Draw(pDC);
}

SectionSheet::Part SectionSheet::HitTest(const CPoint& p) const
{
    const int tol = 3 * kUnitsPerMm;
    const CMyAxis& x = m_Sect.m_XAxis;
    const CMyAxis& y = m_Sect.m_YAxis;
    if (std::abs(p.y - x.m_ptStart.y) <= tol && p.x >= std::min(x.m_ptStart.x, x.m_ptEnd.x) - tol &&
        p.x <= std::max(x.m_ptStart.x, x.m_ptEnd.x) + tol)
        return Part::XAxis;
    if (std::abs(p.x - y.m_ptStart.x) <= tol && p.y >= std::min(y.m_ptStart.y, y.m_ptEnd.y) - tol &&
        p.y <= std::max(y.m_ptStart.y, y.m_ptEnd.y) + tol)
        return Part::YAxis;
    return Part::None;
}
