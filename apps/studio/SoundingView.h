// The sounding chart in a window: a press picks a measured point, a drag
// moves it and rewrites its value, the release ends the pick; over the plot
// frame a tooltip shows the colour legend and follows the pointer. A drag
// repaints the point's segments and marker over images of the rest.
#pragma once

#include "ChartView.h"

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"

#include <memory>
#include <string>

struct SoundingTable;

class SoundingView : public ChartView {
public:
    explicit SoundingView(QWidget* parent = nullptr);

    void SetSounding(const SoundingTable& table);
    // The samples as the chart holds them now, edits included.
    SoundingTable Sounding() const;
    bool HasSounding() const { return m_chart.m_nCount > 0 && m_chart.m_fX.GetSize() > 0; }
    // Lays the chart out in display model 1 or 2; false (and model 1) when
    // the values do not allow the logarithmic value axis.
    bool SetDisplayModel(int model);
    CDrawRPCurve& Chart() { return m_chart; }
    void Draw(CDC* dc) override;

protected:
    void ApplyMapping(CDC* dc) override;
    void Press(CPoint p) override;
    void Drag(CPoint p) override;
    void Release(CPoint p) override;
    void Hover(CPoint p) override;
    int DragPasses() const override;
    long long DragKey() const override;
    QRect MovingArea() override;
    CToolTipCtrl* ToolTip() override { return &m_chart.m_ToolTip; }

private:
    CDrawRPCurve m_chart;
    // Legend, axis titles and labels kept apart, on screen and in exports.
    SoundingFigure m_figure;
    // The file's header and text, so that a save keeps what was not edited.
    std::string m_header;
    std::shared_ptr<const std::string> m_source;
};
