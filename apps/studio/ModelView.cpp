#include "ModelView.h"

#include "model1d/LayeredModelFile.h"
#include "model1d/LayeredModelRender.h"

ModelView::ModelView(QWidget* parent) : ChartView(parent) { m_figure.Prepare(m_chart); }

void ModelView::SetModel(const LayeredModel& model)
{
    LayeredModelRender::Load(m_chart, model);
    m_source = model.source;
    Select(-1);
    FitToDrawing();
    update();
}

LayeredModel ModelView::Model() const
{
    LayeredModel m;
    m.source = m_source;
    const int n = m_chart.m_nLayer;
    for (int i = 0; i < n; ++i) {
        float r = m_chart.m_fR[i];
        m.res.Add(r);
        if (i + 1 < n) {
            float t = m_chart.m_fThick[i];
            m.thick.Add(t);
        }
    }
    return m;
}

void ModelView::Draw(CDC* dc) { DrawLayeredModelFigure(m_chart, dc, m_figure); }

void ModelView::ApplyMapping(CDC* dc) { m_chart.SetOrg(dc); }
