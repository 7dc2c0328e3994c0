#include "geometry/SectionSheet.h"

#include "platform/core/ChartMath.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>

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

bool SectionSheet::Load(TMOD2D& model)
{
    if (model.m_Verts.GetSize() == 0)
        return false;
    double x0 = model.m_Verts[0].x, x1 = x0, y0 = model.m_Verts[0].y, y1 = y0;
    for (int i = 1; i < model.m_Verts.GetSize(); ++i) {
        const VERT3D& v = model.m_Verts[i];
        x0 = std::min(x0, v.x);
        x1 = std::max(x1, v.x);
        y0 = std::min(y0, v.y);
        y1 = std::max(y1, v.y);
    }
    if (!(x1 > x0) || !(y1 > y0))
        return false;
    // True scale: the width sets the scale, the depth follows from it.
    double widthMm = kWidthMm;
    if ((y1 - y0) / (x1 - x0) * widthMm > kMaxHeightMm)
        widthMm = kMaxHeightMm * (x1 - x0) / (y1 - y0);
    const double heightMm = (y1 - y0) / (x1 - x0) * widthMm;
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
