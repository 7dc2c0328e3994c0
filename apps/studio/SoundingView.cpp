#include "SoundingView.h"
#include "StatusReadout.h"

#include "sounding/DrawSoundingChart.h"
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
    Select(0, -1);
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
        DrawSoundingChart(m_chart, dc);
}

void SoundingView::ApplyMapping(CDC* dc) { m_chart.SetOrdinate(dc); }

void SoundingView::Hover(CPoint p)
{
    if (!HasSounding())
        return;
    m_chart.SetTooltip(Wnd(), p);
    readout(StatusReadout::SoundingPosition(m_chart, p));
}
