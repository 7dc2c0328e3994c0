// The sounding chart in a window: a press picks a measured point, a drag
// moves it and rewrites its value, the release ends the pick; over the plot
// frame a tooltip shows the colour legend and follows the pointer. A drag
// repaints the point's segments and marker over images of the rest. The
// view keeps the sounding in the file's units and shows it through a plan
// (units and scales that suit it), laid out to the shape of its pane.
#pragma once

#include "ChartView.h"
#include "EditLimits.h"

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"

#include <QString>

#include <utility>
#include <vector>

class SoundingView : public ChartView {
public:
    explicit SoundingView(QWidget* parent = nullptr);

    void SetSounding(const SoundingTable& table);
    // The sounding in the file's units, edits included, as a save writes it.
    SoundingTable Sounding() const;
    // The same without a copy; its modelled columns are the curves shown
    // (live modelling included) and always hold one value a row.
    const SoundingTable& Values() const { return m_values; }
    // How the sounding is handed to the chart; null without a sounding.
    const SoundingPlan* Plan() const { return m_figure.plan ? &*m_figure.plan : nullptr; }
    bool HasSounding() const { return m_chart.m_nCount > 0 && m_chart.m_fX.GetSize() > 0; }
    // Lays the chart out in display model 1 or 2 for the values as they are
    // now; false (and model 1) when the values do not allow the logarithmic
    // value axis.
    bool SetDisplayModel(int model);
    CDrawRPCurve& Chart() { return m_chart; }
    void Draw(CDC* dc) override;

    // Safe edits (SoundingViewEdit.cpp): the point a user clicked last stays
    // selected for the arrow keys (curve 1 measured R, 2 measured V, 0 none).
    bool SetValue(EditField field, int index, float value) override;
    int SelectedCurve() const { return m_selCurve; }
    int SelectedIndex() const { return m_selIndex; }
    void Select(int curve, int index);
    // Asks for the exact value of a measured point and records the change.
    void EditValue(int curve, int index);

    // Live modelling (SoundingViewForward.cpp). The modelled curves from a
    // model's response, the scales unchanged (one value a sample).
    void SetModelled(const std::vector<double>& rho, const std::vector<double>& v);
    // A faint reference response drawn under the curves (empty: none).
    void SetReference(std::vector<double> rho, std::vector<double> v);
    bool HasReference() const { return !m_refV.empty(); }
    // Where the reference V is drawn, in the chart's logical units.
    const CArray<CPoint, CPoint>& ReferenceVPoints() const { return m_refVPoints; }
    // Masked samples take no part in the misfit and are drawn hollow and
    // grey; one flag a sample. A mask is edited through SetValue with
    // EditField::SoundingMask (1 masked, 0 not), so it is undone like a value.
    const std::vector<char>& Masked() const { return m_masked; }
    void SetMasked(std::vector<char> masked);
    // Shift+click: the measured sample under p, as (curve, index); curve 0 none.
    std::pair<int, int> SampleAt(CPoint p);

protected:
    void ShapeTo(QSize widgetPx) override;
    void ApplyMapping(CDC* dc) override;
    void Press(CPoint p) override;
    void Drag(CPoint p) override;
    void Release(CPoint p) override;
    void Hover(CPoint p) override;
    int DragPasses() const override;
    long long DragKey() const override;
    QRect MovingArea() override;
    CToolTipCtrl* ToolTip() override { return &m_chart.ToolTip(); }
    void CancelDrag() override;
    void DoubleClick(CPoint p) override;
    bool Nudge(int dx, int dy, bool repeat) override;
    bool EditSelected() override;
    void DrawOverlay(CDC* dc) override;

private:
    // Points and markers again from the values, with the scales as they are.
    void settle();
    // Moves the picked point to p kept inside the limits; the value follows.
    void moveTo(CPoint p);
    // The pointer kept inside the frame, and why it stopped.
    EditLimits::Clamped clamp(CPoint p) const;
    // A measured value in the file's units.
    float& valueOf(int curve, int index);
    // The picked point's file value from where the chart put it.
    void takeChartValue(int curve, int index);
    QString editing(int curve, int index, EditLimits::Stop stop) const;

    // Plans the values in the view the chart's model names and lays them
    // out; then fills the pane and fits the drawing.
    void load(const SoundingTable& table);
    // The plan's display sizes changed so that the whole figure takes the
    // proportion (width over height) given, then laid out again.
    void shape(double aspect);
    // The drawing's extent in the chart's units (0.01 mm).
    CRect measure();
    // The drawing's top-left corner (bounds b) moved to the margin the view
    // leaves at its right and bottom, so that the fitted drawing sits centred.
    void centre(const CRect& b);

    CDrawRPCurve m_chart;
    SoundingTable m_values;  // in the file's units
    // Legend, axis titles and labels kept apart, on screen and in exports.
    SoundingFigure m_figure;
    // The area of the plan's own figure with its margins, the room its
    // labels, titles and legend take around its frame, and the proportion
    // the chart was last laid out for (0: the plan's own).
    double m_planArea = 0;
    double m_room[2] = {0, 0};
    double m_aspect = 0;
    int m_selCurve = 0;
    int m_selIndex = -1;
    float m_dragBefore = 0;

    void drawForward(CDC* dc);
    void referencePoints();
    bool pressMask(CPoint p);
    std::vector<double> m_refR, m_refV;
    CArray<CPoint, CPoint> m_refRPoints, m_refVPoints;
    std::vector<char> m_masked;
};
