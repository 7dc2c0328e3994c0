// The layered model chart in a window: a press picks a layer side, a drag
// moves it sideways, the release stores the new resistivity and lays the
// chart out again.
#pragma once

#include "ChartView.h"

#include "model1d/CDrawRPToH.h"

struct LayeredModel;

class ModelView : public ChartView {
public:
    explicit ModelView(QWidget* parent = nullptr);

    void SetModel(const LayeredModel& model);
    // The model as the chart holds it now, edits included.
    LayeredModel Model() const;
    CDrawRPToH& Chart() { return m_chart; }
    void Draw(CDC* dc) override;

protected:
    void ApplyMapping(CDC* dc) override;
    void Press(CPoint p) override;
    void Drag(CPoint p) override;
    void Release(CPoint p) override;

private:
    void remap();

    CDrawRPToH m_chart;
};
