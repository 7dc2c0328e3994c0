// Editing of the sounding chart: picking a measured point under the
// pointer, dragging it, and the polyline a host redraws around it.
#include "sounding/CDrawRPCurve.h"

#include "sounding/SoundingChartParts.h"

#include <cmath>

using namespace soundingparts;

namespace {

// The polyline of the segments that touch point i of a curve of n points.
// The points are gathered before out is emptied, so pts may lie in out.
void NeighbourPolyline(int i, const tagPOINT* pts, int n, Points& out)
{
    CPoint keep[3];
    int k = 0;
    if (pts && i >= 0 && i < n) {
        if (i == 0) {
            keep[k++] = pts[0];
            if (n > 1)
                keep[k++] = pts[1];
        } else if (i < n - 1) {
            keep[k++] = pts[i - 1];
            keep[k++] = pts[i];
            keep[k++] = pts[i + 1];
        } else {
            keep[k++] = pts[i - 1];
            keep[k++] = pts[i];
        }
    }
    out.RemoveAll();
    for (int j = 0; j < k; ++j)
        out.Add(keep[j]);
}

}  // namespace

void CDrawRPCurve::PtToValue(tagPOINT& point, float& value)
{
    if (m_nDisModel == 1)
        value = ToFloat(Quotient(point.y, m_fYRate));
    else if (m_nDisModel == 2)
        value = ToFloat(std::pow(10.0, Quotient(point.y, m_fYRate)));
}

// ---- editing ----

void CDrawRPCurve::DefineInRect(tagPOINT& point)
{
    for (int i = 0; i < SampleCount(*this); ++i) {
        if (i < m_RRects.GetSize() && HoldsStrictly(m_RRects[i], point)) {
            m_nSelIndex = i;
            m_nSelCurve = 1;
        }
        if (i < m_VRects.GetSize() && HoldsStrictly(m_VRects[i], point)) {
            m_nSelIndex = i;
            m_nSelCurve = 2;
        }
    }
}

// No bound and no snapping: the point may leave the frame and its value
// follows. A pick that names no sample of the curve (the host changed the
// samples under it) moves nothing.
BOOL CDrawRPCurve::IsMoveChange(tagPOINT& point)
{
    const Curve* curve = m_nSelCurve == 1 ? &kMeasuredR : m_nSelCurve == 2 ? &kMeasuredV : nullptr;
    if (!curve)
        return FALSE;
    Points& points = this->*curve->points;
    Rects& rects = this->*curve->rects;
    Values& values = this->*curve->values;
    const int i = m_nSelIndex;
    const int n = std::min(Reach(*this, points.GetSize()), rects.GetSize());
    if (i < 0 || i >= n)
        return FALSE;
    const CPoint to = point;
    points[i] = to;
    rects[i] = MarkerAround(to, m_fMarkHalf);
    NeighbourPolyline(i, points.GetData(), n, m_ChangePts);
    if (i < values.GetSize()) {
        float value = values[i];
        PtToValue(points[i], value);
        values[i] = value;
    }
    return TRUE;
}

void CDrawRPCurve::BackChangePtAndBorderPt(int index, tagPOINT* points, CArray<CPoint, CPoint>& out)
{
    NeighbourPolyline(index, points, SampleCount(*this), out);
}

void CDrawRPCurve::GetChangePtAndBorderPt(CArray<CPoint, CPoint>& out)
{
    if (&out == &m_ChangePts)
        return;
    out.RemoveAll();
    for (const CPoint& p : m_ChangePts)
        out.Add(p);
}

void CDrawRPCurve::DrawChangePt(CArray<CPoint, CPoint>& points, CDC* pDC)
{
    if (pDC)
        pDC->Polyline(points.GetData(), points.GetSize());
}

