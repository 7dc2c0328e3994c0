// Safe editing of the layered model in the studio: sides kept inside the area
// and right of zero resistivity, Escape, typed values, arrow keys and the
// selection mark. A drag never re-lays the chart out, so its axes stay still.
#include "ModelView.h"

#include "EditLimits.h"
#include "StatusReadout.h"
#include "ValueDialog.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr COLORREF kSelectionColour = RGB(255, 140, 0);
// The selection mark: 0.5 mm lines, 1.5 mm either side of the layer's side.
constexpr int kSelectionPen = 5;
constexpr int kSelectionHalfWidth = 15;

}  // namespace

void ModelView::Select(int layer)
{
    const int n = std::min(m_chart.m_nLayer, m_chart.m_fR.GetSize());
    m_selLayer = layer >= 0 && layer < n && layer + 1 < m_chart.m_RPoints.GetSize() ? layer : -1;
    update();
}

void ModelView::clearHit()
{
    // The chart never clears its hit flags itself.
    m_chart.m_bInSide = FALSE;
    m_chart.m_bRSide = FALSE;
    m_chart.m_bPSide = FALSE;
}

void ModelView::settle()
{
    // On a logarithmic depth scale a thickness moves the chart thickness of
    // the layer below too: all of them again, depths with them.
    CArray<float, float&> thick, res;
    Plan().ChartValues(m_model, thick, res);
    m_chart.SetRVToHData(thick, res, m_model.Layers());
    m_chart.ValueToPt();
    update();
}

bool ModelView::SetValue(EditField field, int index, float value)
{
    const int n = m_model.Layers();
    if (field == EditField::LayerResistivity && index >= 0 && index < n) {
        m_model.res[index] = value;
    } else if (field == EditField::LayerThickness && index >= 0 && index + 1 < n && index < m_model.thick.GetSize()) {
        m_model.thick[index] = value;
    } else {
        return false;
    }
    settle();
    return true;
}

int ModelView::layerAt(CPoint p)
{
    clearHit();
    m_chart.DefinePtInside(p);
    // The half-space has two sides (n - 1 and n); both edit its resistivity.
    const int layer = m_chart.m_bInSide && m_chart.m_bRSide ? std::min(m_chart.m_nSideIndex, m_chart.m_nLayer - 1) : -1;
    if (layer < 0)
        clearHit();
    return layer;
}

void ModelView::Press(CPoint p)
{
    Select(layerAt(p));
    if (m_selLayer < 0)
        return;
    m_dragBefore = m_model.res[m_selLayer];
    m_moved = false;
    message(StatusReadout::Editing(m_chart, m_selLayer, m_dragBefore, EditLimits::Stop::None));
}

void ModelView::Drag(CPoint p)
{
    if (!m_chart.m_bInSide || m_selLayer < 0)
        return;
    EditLimits::Clamped c = EditLimits::ClampModel(m_chart, Plan(), p);
    m_chart.MoveSide(c.point);
    m_moved = true;
    if (m_chart.m_fRRate != 0) {
        const float r = resistivityAt(c.point.x);
        message(StatusReadout::Editing(m_chart, m_selLayer, r, c.stop));
        if (onDragValue)
            onDragValue(m_selLayer, r);
    }
    update();
}

void ModelView::Release(CPoint p)
{
    if (!m_chart.m_bInSide || m_selLayer < 0)
        return;
    // A click that did not move the side leaves its value exactly as it was.
    if (m_moved && m_chart.m_fRRate != 0)
        m_model.res[m_selLayer] = resistivityAt(EditLimits::ClampModel(m_chart, Plan(), p).point.x);
    clearHit();
    settle();
    recordEdit({EditField::LayerResistivity, m_selLayer, m_dragBefore, m_model.res[m_selLayer]});
}

void ModelView::Hover(CPoint p) { readout(StatusReadout::ModelPosition(m_chart, Plan(), p)); }

void ModelView::CancelDrag()
{
    if (!m_chart.m_bInSide || m_selLayer < 0)
        return;
    clearHit();
    settle();  // the value was never written: the outline returns to it
    message(QCoreApplication::translate("Studio", "Drag cancelled: %1")
                .arg(StatusReadout::Editing(m_chart, m_selLayer, m_model.res[m_selLayer], EditLimits::Stop::None)));
}

void ModelView::DoubleClick(CPoint p)
{
    const int layer = layerAt(p);
    clearHit();  // a pick for typing, not for dragging
    if (layer >= 0)
        EditValue(layer);
}

void ModelView::EditValue(int layer)
{
    Select(layer);
    if (m_selLayer < 0)
        return;
    const float before = m_model.res[layer];
    const auto typed = ValueDialog::Ask(this, StatusReadout::FieldName(EditField::LayerResistivity, layer, m_chart.m_nLayer),
                                        before, EditLimits::MaxLayerValue());
    if (!typed)
        return;
    SetValue(EditField::LayerResistivity, layer, *typed);
    recordEdit({EditField::LayerResistivity, layer, before, *typed});
    QString text = StatusReadout::Editing(m_chart, layer, *typed, EditLimits::Stop::None);
    const LONG x = m_chart.m_RPoints[layer].x;
    if (x > m_chart.m_rcArea.right || x < m_chart.m_rcArea.left)
        text += QStringLiteral("  ") + QCoreApplication::translate("Studio", "(outside the frame: View > Rescale shows it)");
    message(text);
}

bool ModelView::EditSelected()
{
    if (m_selLayer < 0)
        return false;
    EditValue(m_selLayer);
    return true;
}

// Left and right move the selected side by pixels; up and down select the
// layer above or below.
bool ModelView::Nudge(int dx, int dy, bool repeat)
{
    if (m_selLayer < 0)
        return false;
    if (dy != 0) {
        Select(std::clamp(m_selLayer + dy, 0, m_chart.m_nLayer - 1));
        message(StatusReadout::Editing(m_chart, m_selLayer, m_model.res[m_selLayer], EditLimits::Stop::None));
        return true;
    }
    const int layer = m_selLayer;
    const float before = m_model.res[layer];
    const CPoint from = m_chart.m_RPoints[layer];
    EditLimits::Clamped c = EditLimits::ClampModel(m_chart, Plan(), CPoint(from.x + LogicalStep(dx, 0).x, from.y));
    if (m_chart.m_fRRate == 0)
        return false;
    m_model.res[layer] = resistivityAt(c.point.x);
    settle();
    recordEdit({EditField::LayerResistivity, layer, before, m_model.res[layer]}, repeat);
    message(StatusReadout::Editing(m_chart, layer, m_model.res[layer], c.stop));
    return true;
}

void ModelView::DrawOverlay(CDC* dc)
{
    drawInvestigationDepth(dc);
    if (m_selLayer < 0 || m_selLayer + 1 >= m_chart.m_RPoints.GetSize())
        return;
    ApplyMapping(dc);
    const CPoint top = m_chart.m_RPoints[m_selLayer];
    const CPoint bottom = m_chart.m_RPoints[m_selLayer + 1];
    CPen pen(PS_SOLID, kSelectionPen, kSelectionColour);
    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&hollow);
    dc->Rectangle(top.x - kSelectionHalfWidth, top.y, top.x + kSelectionHalfWidth, bottom.y);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}
