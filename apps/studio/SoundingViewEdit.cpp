// Safe editing of the sounding in the studio: drags kept inside the frame and
// above zero, Escape, typed values, arrow keys and the selection mark. The
// chart moves its points itself; the studio only bounds the pointer first.
#include "SoundingView.h"

#include "EditLimits.h"
#include "StatusReadout.h"
#include "ValueDialog.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

EditField fieldOf(int curve) { return curve == 1 ? EditField::SoundingR : EditField::SoundingV; }
constexpr COLORREF kSelectionColour = RGB(255, 140, 0);
// The selection mark's line, 0.3 mm.
constexpr int kSelectionPen = 30;

}  // namespace

float& SoundingView::valueOf(int curve, int index) { return curve == 1 ? m_values.r[index] : m_values.v[index]; }

// A log-log chart holds magnitudes: a value below zero keeps its sign.
void SoundingView::takeChartValue(int curve, int index)
{
    const float chart = curve == 1 ? m_chart.m_fR[index] : m_chart.m_fV[index];
    float& value = valueOf(curve, index);
    value = static_cast<float>(m_figure.plan->FileValue(chart, value < 0));
}

QString SoundingView::editing(int curve, int index, EditLimits::Stop stop) const
{
    if (index < 0 || index >= m_values.Rows())
        return QString();
    const EditField field = fieldOf(curve);
    return StatusReadout::Editing(field, index, m_values.x[index], (curve == 1 ? m_values.r : m_values.v)[index], stop);
}

EditLimits::Clamped SoundingView::clamp(CPoint p) const
{
    EditLimits::Clamped c = EditLimits::ClampSounding(m_chart, p);
    // The linear frame's bottom is zero only when no value is below it.
    if (c.stop == EditLimits::Stop::AboveZero && m_figure.plan && m_figure.plan->yOffset != 0)
        c.stop = EditLimits::Stop::Frame;
    return c;
}

void SoundingView::Select(int curve, int index)
{
    const int n = std::min({m_chart.m_nCount, m_values.Rows(), m_chart.m_RPoints.GetSize(), m_chart.m_VPoints.GetSize()});
    const bool valid = (curve == 1 || curve == 2) && index >= 0 && index < n;
    m_selCurve = valid ? curve : 0;
    m_selIndex = valid ? index : -1;
    update();
}

void SoundingView::settle()
{
    m_chart.ValueToPt();
    m_chart.SetPtRect();
    update();
}

bool SoundingView::SetValue(EditField field, int index, float value)
{
    if (field == EditField::SoundingMask) {
        if (index < 0 || index >= m_chart.m_nCount)
            return false;
        m_masked.resize(static_cast<std::size_t>(m_chart.m_nCount), 0);
        m_masked[static_cast<std::size_t>(index)] = value != 0;
        update();
        return true;
    }
    const int curve = field == EditField::SoundingR ? 1 : field == EditField::SoundingV ? 2 : 0;
    if (curve == 0 || !m_figure.plan || index < 0 || index >= m_values.Rows() || index >= m_chart.m_nCount)
        return false;
    valueOf(curve, index) = value;
    (curve == 1 ? m_chart.m_fR : m_chart.m_fV)[index] = m_figure.plan->ChartValue(value);
    settle();
    return true;
}

void SoundingView::Press(CPoint p)
{
    if (!HasSounding() || !m_figure.plan || pressMask(p))
        return;
    m_chart.m_nSelCurve = 0;
    m_chart.DefineInRect(p);
    Select(m_chart.m_nSelCurve, m_chart.m_nSelIndex);
    if (m_selCurve == 0) {
        m_chart.m_nSelCurve = 0;
        return;
    }
    m_dragBefore = valueOf(m_selCurve, m_selIndex);
    message(editing(m_selCurve, m_selIndex, EditLimits::Stop::None));
}

void SoundingView::moveTo(CPoint p)
{
    EditLimits::Clamped c = clamp(p);
    if (m_chart.IsMoveChange(c.point)) {
        takeChartValue(m_chart.m_nSelCurve, m_chart.m_nSelIndex);
        RedrawMoving();
        message(editing(m_chart.m_nSelCurve, m_chart.m_nSelIndex, c.stop));
    }
}

void SoundingView::Drag(CPoint p)
{
    if (m_chart.m_nSelCurve != 0)
        moveTo(p);
}

// The point goes back over its abscissa at its new value; the scales stay.
void SoundingView::Release(CPoint)
{
    if (m_chart.m_nSelCurve == 0)
        return;
    const int curve = m_chart.m_nSelCurve;
    const int index = m_chart.m_nSelIndex;
    m_chart.m_nSelCurve = 0;
    settle();
    recordEdit({fieldOf(curve), index, m_dragBefore, valueOf(curve, index)});
}

void SoundingView::CancelDrag()
{
    if (m_chart.m_nSelCurve == 0)
        return;
    const int curve = m_chart.m_nSelCurve;
    const int index = m_chart.m_nSelIndex;
    m_chart.m_nSelCurve = 0;
    SetValue(fieldOf(curve), index, m_dragBefore);
    message(QCoreApplication::translate("Studio", "Drag cancelled: %1").arg(editing(curve, index, EditLimits::Stop::None)));
}

void SoundingView::DoubleClick(CPoint p)
{
    if (!HasSounding())
        return;
    m_chart.m_nSelCurve = 0;
    m_chart.DefineInRect(p);
    const int curve = m_chart.m_nSelCurve;
    m_chart.m_nSelCurve = 0;  // a pick for typing, not for dragging
    if (curve != 0)
        EditValue(curve, m_chart.m_nSelIndex);
}

// A value below zero (a sign reversal) is typed as its magnitude and keeps
// its sign, as a drag in the log-log view keeps it.
void SoundingView::EditValue(int curve, int index)
{
    Select(curve, index);
    if (m_selCurve == 0)
        return;
    const EditField field = fieldOf(curve);
    const float before = valueOf(curve, index);
    QString what = StatusReadout::FieldName(field, index);
    if (before < 0)
        what += QStringLiteral(" ") + QCoreApplication::translate("Studio", "(below 0: its magnitude)");
    const auto typed = ValueDialog::Ask(this, what, std::fabs(before), EditLimits::kMaxSoundingValue);
    if (!typed)
        return;
    const float after = before < 0 ? -*typed : *typed;
    SetValue(field, index, after);
    recordEdit({field, index, before, after});
    QString text = editing(curve, index, EditLimits::Stop::None);
    const CPoint at = (curve == 1 ? m_chart.m_RPoints : m_chart.m_VPoints)[index];
    if (!EditLimits::InsideSoundingFrame(m_chart, at))
        text += QStringLiteral("  ") + QCoreApplication::translate("Studio", "(outside the frame: View > Rescale shows it)");
    message(text);
}

bool SoundingView::EditSelected()
{
    if (m_selCurve == 0)
        return false;
    EditValue(m_selCurve, m_selIndex);
    return true;
}

// Up and down move the selected point by pixels; left and right select the
// neighbouring sample of the same curve.
bool SoundingView::Nudge(int dx, int dy, bool repeat)
{
    if (!HasSounding() || !m_figure.plan || m_selCurve == 0)
        return false;
    const int curve = m_selCurve;
    if (dx != 0) {
        Select(curve, std::clamp(m_selIndex + dx, 0, m_chart.m_nCount - 1));
        message(editing(curve, m_selIndex, EditLimits::Stop::None));
        return true;
    }
    const int index = m_selIndex;
    const float before = valueOf(curve, index);
    const CPoint from = (curve == 1 ? m_chart.m_RPoints : m_chart.m_VPoints)[index];
    const CPoint step = LogicalStep(0, dy);
    m_chart.m_nSelCurve = curve;
    m_chart.m_nSelIndex = index;
    EditLimits::Clamped c = clamp(CPoint(from.x, from.y + step.y));
    if (m_chart.IsMoveChange(c.point))
        takeChartValue(curve, index);
    m_chart.m_nSelCurve = 0;
    settle();
    recordEdit({fieldOf(curve), index, before, valueOf(curve, index)}, repeat);
    message(editing(curve, index, c.stop));
    return true;
}

void SoundingView::DrawOverlay(CDC* dc)
{
    drawForward(dc);
    if (!HasSounding() || m_selCurve == 0)
        return;
    const auto& rects = m_selCurve == 1 ? m_chart.m_RRects : m_chart.m_VRects;
    if (m_selIndex < 0 || m_selIndex >= rects.GetSize())
        return;
    ApplyMapping(dc);
    CRect r = rects[m_selIndex];
    const int grow = static_cast<int>(m_chart.m_fMarkHalf);
    r.InflateRect(grow, -grow);  // top is above bottom here
    CPen pen(PS_SOLID, kSelectionPen, kSelectionColour);
    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&hollow);
    dc->Rectangle(&r);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}
