#include "SoundingView.h"

#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

SoundingView::SoundingView(QWidget* parent) : ChartView(parent)
{
    // The legend tip belongs to this window; the chart only registers it.
    m_chart.m_ToolTip.Create(Wnd());
}

void SoundingView::SetSounding(const SoundingTable& table)
{
    SoundingRender::Load(m_chart, table, m_chart.m_nDisModel);
    m_header = table.header;
    m_figure.abscissaTitle = SoundingFigure::AbscissaTitleFor(table.header);
    m_source = table.source;
    FitToDrawing();
    update();
}

SoundingTable SoundingView::Sounding() const
{
    SoundingTable t;
    t.x = m_chart.m_fX;
    t.r = m_chart.m_fR;
    t.v = m_chart.m_fV;
    t.rFwd = m_chart.m_fRFwd;
    t.vFwd = m_chart.m_fVFwd;
    t.header = m_header;
    t.source = m_source;
    return t;
}

bool SoundingView::SetDisplayModel(int model)
{
    m_chart.m_nDisModel = model;
    if (HasSounding())
        m_chart.SetDisModel();
    FitToDrawing();
    update();
    return m_chart.m_nDisModel == model;
}

void SoundingView::Draw(CDC* dc)
{
    if (HasSounding())
        DrawSoundingFigure(m_chart, dc, m_figure);
}

void SoundingView::ApplyMapping(CDC* dc) { m_chart.SetOrdinate(dc); }

void SoundingView::Press(CPoint p)
{
    if (HasSounding())
        m_chart.DefineInRect(p);
}

void SoundingView::Drag(CPoint p)
{
    if (m_chart.m_nSelCurve != 0 && m_chart.IsMoveChange(p)) {
        update();
        edited();
    }
}

void SoundingView::Release(CPoint)
{
    m_chart.m_nSelCurve = 0;
    update();
}

void SoundingView::Hover(CPoint p)
{
    if (HasSounding())
        m_chart.SetTooltip(Wnd(), p);
}
