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
#include <utility>
#include <vector>

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
    // A sounding the chart cannot lay out in its own units (time in
    // seconds, values far below 1) is shown through a plan, in the units
    // that suit it, and cannot be edited: the chart holds scaled values.
    bool Planned() const { return m_planned; }
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
    float& valueOf(int curve, int index);

    // Lays the table out in the chart's own units, or through a plan where
    // those give no readable frame.
    void load(const SoundingTable& table);

    CDrawRPCurve m_chart;
    bool m_planned = false;
    // The view a plan is made for: chosen from the data when a sounding is
    // opened, the one asked for when the user switches.
    SoundingPlan::View m_planView = SoundingPlan::View::Auto;
    std::shared_ptr<const SoundingTable> m_original;  // the planned sounding as given
    // Legend, axis titles and labels kept apart, on screen and in exports.
    SoundingFigure m_figure;
    // The file's header and text, so that a save keeps what was not edited.
    std::string m_header;
    std::shared_ptr<const std::string> m_source;
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
