// Live modelling on the sounding chart: the modelled curves set from a
// model's response, the response of the model as last saved drawn faintly
// with them (dotted, thin), and masked samples drawn hollow and grey. Shift+click masks
// or unmasks the sample under the pointer.
#include "SoundingView.h"

#include "StatusReadout.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr COLORREF kReferenceColour = RGB(150, 150, 150);
constexpr COLORREF kMaskColour = RGB(150, 150, 150);
constexpr int kMaskPen = 4;  // 0.4 mm

// A response value as the chart holds it; what a float cannot hold is kept
// at the float's limits so that the layout stays defined.
float asFloat(double v)
{
    if (std::isnan(v))
        return 0.0f;
    return static_cast<float>(std::clamp(v, -3.0e38, 3.0e38));
}

}  // namespace

void SoundingView::SetModelled(const std::vector<double>& rho, const std::vector<double>& v)
{
    if (!m_figure.plan)
        return;
    const int n = std::min({m_chart.m_nCount, m_chart.m_fRFwd.GetSize(), m_chart.m_fVFwd.GetSize(),
                            m_values.rFwd.GetSize(), m_values.vFwd.GetSize(), static_cast<int>(rho.size()),
                            static_cast<int>(v.size())});
    for (int i = 0; i < n; ++i) {
        m_values.rFwd[i] = asFloat(rho[static_cast<std::size_t>(i)]);
        m_values.vFwd[i] = asFloat(v[static_cast<std::size_t>(i)]);
        m_chart.m_fRFwd[i] = m_figure.plan->ChartValue(m_values.rFwd[i]);
        m_chart.m_fVFwd[i] = m_figure.plan->ChartValue(m_values.vFwd[i]);
    }
    // A measured point being dragged keeps its place: its curve is laid
    // out again when it is released.
    if (m_chart.m_nSelCurve != 0) {
        update();
        return;
    }
    settle();
    referencePoints();
}

void SoundingView::SetReference(std::vector<double> rho, std::vector<double> v)
{
    m_refR = std::move(rho);
    m_refV = std::move(v);
    referencePoints();
    update();
}

void SoundingView::SetMasked(std::vector<char> masked)
{
    m_masked = std::move(masked);
    update();
}

// The chart lays points out only from its modelled columns, so the reference
// takes their place for one layout and the columns come back.
void SoundingView::referencePoints()
{
    m_refRPoints.RemoveAll();
    m_refVPoints.RemoveAll();
    const int n = m_chart.m_nCount;
    if (m_refV.size() != static_cast<std::size_t>(n) || m_refR.size() != static_cast<std::size_t>(n) ||
        m_chart.m_nSelCurve != 0 || !m_figure.plan)
        return;
    CArray<float, float&> r = m_chart.m_fRFwd, v = m_chart.m_fVFwd;
    for (int i = 0; i < n; ++i) {
        m_chart.m_fRFwd[i] = m_figure.plan->ChartValue(asFloat(m_refR[static_cast<std::size_t>(i)]));
        m_chart.m_fVFwd[i] = m_figure.plan->ChartValue(asFloat(m_refV[static_cast<std::size_t>(i)]));
    }
    m_chart.ValueToPt();
    m_refRPoints = m_chart.m_RFwdPoints;
    m_refVPoints = m_chart.m_VFwdPoints;
    m_chart.m_fRFwd = r;
    m_chart.m_fVFwd = v;
    m_chart.ValueToPt();
    m_chart.SetPtRect();
}

std::pair<int, int> SoundingView::SampleAt(CPoint p)
{
    const int grow = static_cast<int>(m_chart.m_fMarkHalf);
    for (int curve = 1; curve <= 2; ++curve) {
        const auto& rects = curve == 1 ? m_chart.m_RRects : m_chart.m_VRects;
        for (int i = 0; i < std::min(rects.GetSize(), m_chart.m_nCount); ++i) {
            const CRect& r = rects[i];
            if (p.x >= std::min(r.left, r.right) - grow && p.x <= std::max(r.left, r.right) + grow &&
                p.y >= std::min(r.top, r.bottom) - grow && p.y <= std::max(r.top, r.bottom) + grow)
                return {curve, i};
        }
    }
    return {0, -1};
}

bool SoundingView::pressMask(CPoint p)
{
    if (!(PressModifiers() & Qt::ShiftModifier))
        return false;
    const auto [curve, index] = SampleAt(p);
    if (curve == 0)
        return true;  // a Shift+click beside the samples does nothing
    const bool was = static_cast<std::size_t>(index) < m_masked.size() && m_masked[static_cast<std::size_t>(index)];
    SetValue(EditField::SoundingMask, index, was ? 0.0f : 1.0f);
    Select(curve, index);
    message(was ? QCoreApplication::translate("Studio", "Sample %1 unmasked").arg(index + 1)
                : QCoreApplication::translate("Studio", "Sample %1 masked: left out of the misfit").arg(index + 1));
    recordEdit({EditField::SoundingMask, index, was ? 1.0f : 0.0f, was ? 0.0f : 1.0f});
    return true;
}

void SoundingView::drawForward(CDC* dc)
{
    if (!HasSounding())
        return;
    ApplyMapping(dc);
    if (m_refVPoints.GetSize() > 1) {
        CPen pen(PS_DOT, 1, kReferenceColour);
        CPen* old = dc->SelectObject(&pen);
        dc->Polyline(m_refVPoints.GetData(), m_refVPoints.GetSize());
        dc->Polyline(m_refRPoints.GetData(), m_refRPoints.GetSize());
        dc->SelectObject(old);
    }
    CPen pen(PS_SOLID, kMaskPen, kMaskColour);
    CBrush white(RGB(255, 255, 255));
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&white);
    for (std::size_t i = 0; i < m_masked.size(); ++i) {
        if (!m_masked[i])
            continue;
        for (const auto* rects : {&m_chart.m_RRects, &m_chart.m_VRects})
            if (static_cast<int>(i) < rects->GetSize()) {
                CRect r = (*rects)[static_cast<int>(i)];
                dc->Rectangle(&r);
            }
    }
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}
