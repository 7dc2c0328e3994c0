#include "sounding/DrawSoundingChart.h"

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingChartParts.h"

using namespace soundingparts;

namespace {

using OverFrame = std::function<void(CDC*)>;

void DrawWhole(CDrawRPCurve& chart, CDC* dc, bool modelled, const OverFrame& overFrame)
{
    chart.DrawRegionRect(dc);
    if (overFrame)
        overFrame(dc);
    if (modelled) {
        chart.DrawRCurve(dc);
        chart.DrawVCurve(dc);
        chart.DrawRPtRect(dc);
        chart.DrawVPtRect(dc);
        return;
    }
    ChartCanvas cv(dc);
    DrawPolylines(chart, cv, {{kMeasuredR, kRed}});
    DrawPolylines(chart, cv, {{kMeasuredV, kBlack}});
    DrawMarkers(chart, cv, {{kMeasuredR, kRed}});
    DrawMarkers(chart, cv, {{kMeasuredV, kBlack}});
}

// The curves in the order the whole drawing paints their polylines (R, then
// V) and then, in the same order, their markers.
constexpr Stroke kPaintOrder[] = {{kMeasuredR, kRed}, {kModelledR, kGreen}, {kMeasuredV, kBlack}, {kModelledV, kBlue}};
constexpr int kStrokes = 4;
// The modelled strokes of the paint order.
constexpr bool IsModelled(int k) { return k == 1 || k == 3; }

// The picked point as a place in the paint order; stroke -1 when nothing is
// picked or the pick names no point of its curve (a host may have changed
// the samples under it), and the chart is then drawn as one layer.
struct Pick {
    int stroke = -1;
    int index = 0;
};

Pick PickOf(const CDrawRPCurve& c)
{
    Pick p;
    const int stroke = c.m_nSelCurve == 1 ? 0 : c.m_nSelCurve == 2 ? 2 : -1;
    if (stroke < 0)
        return p;
    const Curve& curve = kPaintOrder[stroke].curve;
    const int n = SampleCount(c), i = c.m_nSelIndex;
    // The segments around the point are found over all n samples, so the
    // curve's points must reach that far.
    if (i < 0 || i >= n || (c.*curve.points).GetSize() < n || i >= (c.*curve.rects).GetSize())
        return p;
    p.stroke = stroke;
    p.index = i;
    return p;
}

// The picked curve's polyline without the segments that touch point i: the
// points before i and the points after it, as two polylines.
void DrawAllButMovingSegments(const CDrawRPCurve& c, ChartCanvas& cv, const Points& pts, int i)
{
    const int n = SampleCount(c);
    CDC* dc = cv.dc();
    if (i >= 2)
        dc->Polyline(pts.GetData(), i);
    if (n - i - 1 >= 2)
        dc->Polyline(pts.GetData() + i + 1, n - i - 1);
}

void DrawMarkerRange(const Rects& rects, ChartCanvas& cv, int from, int to)
{
    for (int j = from; j < to; ++j)
        cv.Box(rects[j]);
}

// One layer of the drawing around a pick, each part drawn as the whole
// drawing draws it so that the layers add up to its pixels.
void DrawLayer(CDrawRPCurve& c, CDC* dc, SoundingLayer layer, const Pick& pick, bool modelled,
               const OverFrame& overFrame)
{
    if (layer == SoundingLayer::BelowMovingLine) {
        c.DrawRegionRect(dc);
        if (overFrame)
            overFrame(dc);
    } else if (c.m_nDisModel == 1 || c.m_nDisModel == 2)
        c.SetOrdinate(dc);  // the mapping the frame's drawing would have set
    ChartCanvas cv(dc);
    const int s = pick.stroke, i = pick.index;
    for (int k = 0; k < kStrokes; ++k) {
        if (!modelled && IsModelled(k))
            continue;
        const Stroke& st = kPaintOrder[k];
        Points& pts = c.*st.curve.points;
        if (k == s && layer == SoundingLayer::BelowMovingLine) {
            cv.UsePen(st.colour);
            DrawAllButMovingSegments(c, cv, pts, i);
        } else if (k == s && layer == SoundingLayer::MovingLine) {
            Points moving;
            c.BackChangePtAndBorderPt(i, pts.GetData(), moving);
            cv.UsePen(st.colour);
            c.DrawChangePt(moving, dc);
        } else if ((k < s && layer == SoundingLayer::BelowMovingLine) ||
                   (k > s && layer == SoundingLayer::BelowMovingMarker)) {
            cv.UsePen(st.colour);
            cv.Polyline(pts, Reach(c, pts.GetSize()));
        }
    }
    for (int k = 0; k < kStrokes; ++k) {
        if (!modelled && IsModelled(k))
            continue;
        const Stroke& st = kPaintOrder[k];
        const Rects& rects = c.*st.curve.rects;
        const int all = rects.GetSize();
        int from = 0, to = 0;  // the markers of this stroke in this layer
        if (k < s)
            to = layer == SoundingLayer::BelowMovingMarker ? all : 0;
        else if (k > s)
            to = layer == SoundingLayer::AboveMovingMarker ? all : 0;
        else if (layer == SoundingLayer::BelowMovingMarker)
            to = i;
        else if (layer == SoundingLayer::MovingMarker)
            from = i, to = i + 1;
        else if (layer == SoundingLayer::AboveMovingMarker)
            from = i + 1, to = all;
        if (from < to) {
            cv.UsePen(st.colour);
            DrawMarkerRange(rects, cv, from, to);
        }
    }
}

}  // namespace

void DrawSoundingChart(CDrawRPCurve& chart, CDC* dc, SoundingLayer layer, bool modelled, const OverFrame& overFrame)
{
    if (!dc)
        return;
    const Pick pick = PickOf(chart);
    if (layer == SoundingLayer::Whole && pick.stroke >= 0) {
        // While a point is picked the whole drawing is its layers in order,
        // the picked curve in the same pieces as a drag paints it: a
        // polyline's segment is rasterised after the one before it, and a
        // piece that starts afresh may fall a pixel aside.
        for (SoundingLayer part : {SoundingLayer::BelowMovingLine, SoundingLayer::MovingLine,
                                   SoundingLayer::BelowMovingMarker, SoundingLayer::MovingMarker,
                                   SoundingLayer::AboveMovingMarker})
            DrawLayer(chart, dc, part, pick, modelled, overFrame);
        return;
    }
    if (layer == SoundingLayer::Whole) {
        DrawWhole(chart, dc, modelled, overFrame);
        return;
    }
    if (pick.stroke < 0) {
        if (layer == SoundingLayer::BelowMovingLine)
            DrawWhole(chart, dc, modelled, overFrame);
        return;
    }
    DrawLayer(chart, dc, layer, pick, modelled, overFrame);
}
