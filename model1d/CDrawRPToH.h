// The layered-earth model chart: resistivity against depth drawn as a
// staircase, whose layer sides the user drags sideways to new resistivities.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"

class CDC;
class CWnd;

class CDrawRPToH {
public:
    // One draggable vertical side of an outline: a layer's segment, from its
    // upper end (x1, y1) to its lower end (x2, y2), x2 = x1 when built.
    struct tagside {
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
    };

    CDrawRPToH();
    virtual ~CDrawRPToH();

    // Model loading and mapping.
    void SetRPToHData(CArray<float, float&>& param, CArray<float, float&>& p, int n);
    void SetRVToHData(CArray<float, float&>& thick, CArray<float, float&>& res, int n);
    void GetData(CArray<float, float&>& thick, CArray<float, float&>& res, int n);
    void GetMaxMin();
    BOOL SampleIsNotZero(CArray<float, float&>& a);
    void SetDisRegion(LONG& width, LONG& height);
    void CalcuDisrate(LONG width, LONG height, float maxR, float maxH);
    void SetAreaRect();
    void ValueToPt();
    void SetOrg(CDC* pDC);

    // Side editing, in the chart's logical units.
    void Create_Sides(tagside& side, tagPOINT p1, tagPOINT p2);
    BOOL IsPtInPSide(tagPOINT& pt, tagside& side);
    BOOL IsPtInRSide(tagPOINT& pt, tagside& side);
    void DefinePtInside(tagPOINT& pt);
    void MoveSide(tagPOINT& pt);
    void SaveChangeValue(tagPOINT& pt);
    void SetChangeValue(float x);

    // Drawing: on a surface given the chart's mapping, or in a window's
    // device pixels on a second surface (a memory bitmap). The memory-bitmap
    // forms need a window and live in the window part of the library
    // (libtarnex). DrawOrdianteOnMemDC keeps its exported spelling: it draws
    // the ordinate (title, frame and both scales) on the memory bitmap.
    void TextOutTitle(CRect rc, CDC* pDC);
    void DrawOrdinate(CDC* pDC);
    void DrawCurve(CDC* pDC);
    void DrawOrdianteOnMemDC(CWnd* pWnd, CDC* pDC);
    void DrawCurveOnMemDC(CWnd* pWnd, CDC* pDC);

    // Coordinates are the chart's logical units (tenths of a millimetre,
    // MM_LOMETRIC, y upwards, so depths run to negative y).
    // Corner points of the staircase: layer tops at their resistivity, and
    // one more at the area's bottom edge. P is a second outline hosts may fill.
    CArray<CPoint, CPoint> m_PPoints;
    CArray<CPoint, CPoint> m_RPoints;
    float m_fMaxH = 0;
    float m_fMinH = 0;
    float m_fMaxR = 0;
    float m_fMinR = 0;
    // Logical units per metre of depth (negative: downwards) and per ohm-metre.
    float m_fHRate = 0;
    float m_fRRate = 0;
    int m_nSideIndex = 0;  // the side picked last
    // Whole units the scales span: resistivity maxR + 1, depth maxH + 5.
    int m_nRScale = 0;
    int m_nHScale = 0;
    // Size of the drawing the scales fill: 180 mm by 85 mm unless a host sets it.
    LONG m_lDisWidth = 1800;
    LONG m_lDisHeight = 850;
    // Draggable sides; entry n repeats the half-space's side.
    CArray<tagside, tagside&> m_RSides;
    CArray<tagside, tagside&> m_PSides;
    // A press picked a side (DefinePtInside sets them, hosts clear them).
    BOOL m_bInSide = FALSE;
    CRect m_rcArea;  // the frame, from the origin down to the deepest depth
    BOOL m_bPSide = FALSE;
    BOOL m_bRSide = FALSE;
    // Per layer: resistivity, second parameter, depth of the top, thickness
    // (one fewer than the layers: the half-space has none).
    CArray<float, float&> m_fR;
    CArray<float, float&> m_fP;
    CArray<float, float&> m_fH;
    CArray<float, float&> m_fThick;
    int m_nLayer = 0;  // layers, the half-space included

    // Not in the classic chart, off by default: the resistivity scale
    // reaches a tenth beyond the largest resistivity (kHeadroom), so that
    // the side of the most resistive layer stands clear of the frame's right
    // edge, where it is seen and grabbed, instead of on it or just inside.
    BOOL m_bResistivityHeadroom = FALSE;
    static constexpr double kHeadroom = 0.1;
    // Not in the classic chart, off by default: the on-screen scales draw a
    // label where the classic layout puts it unless it would print over one
    // drawn before it; a depth label then rises to sit just above its tick,
    // and one that still clashes, or a resistivity label that clashes, is
    // left out. The bottom-right corner, where the last resistivity label
    // and the deepest depth label may both hang, stays readable.
    BOOL m_bKeepLabelsApart = FALSE;
    // Not in the classic chart, off by default: the on-screen drawing puts
    // the title and the area's frame but no scales, for a host that ticks
    // and labels the axes itself (in the units, or on the logarithmic
    // scale, it hands the chart its values in).
    BOOL m_bHostScales = FALSE;

private:
    // The largest resistivity the scales are laid out for.
    double scaleMaxR(double maxR) const;
    // Moves side k of one outline to abscissa x and rebuilds it.
    void moveOutlineSide(CArray<CPoint, CPoint>& pts, CArray<tagside, tagside&>& sides, int k, int x);
    void fillDepths();
};
