// The sounding curve chart: measured and forward-modelled apparent resistivity (R)
// and vertical magnetic component (V) of one sounding over a logarithmic abscissa.
#pragma once

#include "platform/core/CArray.h"
#include "platform/gdi/CDC.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/afxtypes.h"

#include <memory>

class CToolTipCtrl;
class CWnd;

class CDrawRPCurve {
public:
    CDrawRPCurve();
    virtual ~CDrawRPCurve();
    CDrawRPCurve(const CDrawRPCurve&) = delete;
    CDrawRPCurve& operator=(const CDrawRPCurve&) = delete;

    // ---- samples ----

    // Copies the five columns (the count comes from x) and lays the chart out.
    void GetData(CArray<float, float&>& x, CArray<float, float&>& r, CArray<float, float&>& v,
                 CArray<float, float&>& rFwd, CArray<float, float&>& vFwd);
    // One value range serves all four curves, so that R and V share an axis;
    // it starts from the first measured V value.
    void GetMaxMin();
    BOOL SampleIsNotZero(CArray<float, float&>& a);
    // Reads n rows of five numbers into the caller's buffers. The file is
    // opened for reading and writing, so one the user may not write is refused.
    void ReadData(CString path, float* c1, float* c2, float* c3, float* c4, float* c5, int n);
    // Lets the user choose a sounding file; its first rows, at most 23, become
    // the chart's sounding. A file without one whole row changes nothing.
    // Runs a dialog: lives in the window part of the library (libtarnex).
    void OpenFile();

    static constexpr const char* kFileFilter =
        "Data Files (*.dat;*.cor;*.txt)|*.dat;*.cor;*.txt|Dat Files (*.dat)|*.dat|Cor Files (*.cor)|*.cor|"
        "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
    static constexpr int kOpenFileRows = 23;
    // OpenFile's reading once a file is chosen: the first 23 rows, one
    // buffer per column in file order. Slots the file does not fill keep
    // what they held; the count of whole rows read comes back.
    int ReadFileRows(const CString& path, float (&columns)[5][kOpenFileRows]);

    // ---- geometry ----

    // Metric mapping with the frame's top-left corner 10 mm right of and
    // 20 mm below the surface's corner, leaving a band for the title.
    void SetOrdinate(CDC* pDC);
    void SetDisOrgRegion(LONG& width, LONG& height);
    // The maxima set the scales: the width spans the decades from 0.1 up to
    // maxX, the height the values from 0 up to maxY + 1 (or their decades).
    void CalcuDisrate(LONG width, LONG height, float maxX, float maxY);
    void CalcuXDisrate(LONG width, float maxX);
    void CalcuYDisrate(LONG height, float maxY);
    void CalcuLogXDisrate(LONG width, float maxX);
    void CalcuLogYDisrate(LONG height, float maxY);
    void SetRegionRect();
    void SetLogXRegionRect();
    void SetLogXLogYRegionRect();
    void SetXYRegionRect();
    void ValueToPt();
    void ValueLogXToPt();
    void ValueLogXLogYToPt();
    void ValueXToPt();
    void SetPtRect();
    // Lays the chart out again for the model the host chose; data that the
    // log-log model cannot show (a range that reaches 0) brings model 1 back.
    void SetDisModel();

    // ---- drawing ----

    // Draws the frame of the current model and gives the surface the
    // chart's mapping, which the curve and marker drawings rely on.
    void DrawRegionRect(CDC* pDC);
    void DrawLogXAndYRegionRect(CDC* pDC);
    void DrawLogXLogYRegionRect(CDC* pDC);
    void DrawYStep(CDC* pDC, int i, float step, float rate);
    void DrawRCurve(CDC* pDC);
    void DrawVCurve(CDC* pDC);
    void DrawRPtRect(CDC* pDC);
    void DrawVPtRect(CDC* pDC);
    void DrawCurve(CDC* pDC);
    // The memory-bitmap forms draw in pixels of pWnd's client area, on a
    // memory context laid over it one pixel a unit; they use the log-log
    // frame and their own colour set, and P names the V curves. They need a
    // window and live in the window part of the library (libtarnex).
    void DrawRegionRectOnMemDC(CWnd* pWnd, CDC* pMemDC);
    void DrawRCurveOnMemDC(CWnd* pWnd, CDC* pMemDC);
    void DrawPCurveOnMemDC(CWnd* pWnd, CDC* pMemDC);
    void DrawRPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC);
    void DrawPPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC);

    // ---- editing ----

    // Picks the measured point whose marker holds the point; V wins over R
    // and a later sample over an earlier one. A miss keeps the selection.
    void DefineInRect(tagPOINT& point);
    // Moves the picked point (and its marker) to the pointer and writes the
    // value its height stands for into the measured array.
    BOOL IsMoveChange(tagPOINT& point);
    // The polyline of the segments touching point index, for redrawing.
    void BackChangePtAndBorderPt(int index, tagPOINT* points, CArray<CPoint, CPoint>& out);
    void GetChangePtAndBorderPt(CArray<CPoint, CPoint>& out);
    // Uses the surface's own pen, so a host may draw it in XOR to erase.
    void DrawChangePt(CArray<CPoint, CPoint>& points, CDC* pDC);
    // Shows the colour legend while the pointer is inside the frame. The host
    // creates ToolTip() on its window first. Window part of the library.
    void SetTooltip(CWnd* pWnd, tagPOINT& point);
    // The legend tip, made on first use. Window part of the library: the
    // drawing part holds it by pointer only, and needs no window code.
    CToolTipCtrl& ToolTip();

    // ---- data ----
    // Lengths and coordinates are in the chart's logical units (hundredths
    // of a millimetre, MM_HIMETRIC, y upwards) unless said otherwise.

    // Decade exponents of the frame's edges: 10^m_fXLeftDecade .. 10^m_fXRightDecade
    // along the abscissa, and in the log-log model the values likewise.
    float m_fYTopDecade;
    float m_fYBottomDecade;
    float m_fXRightDecade;
    float m_fXLeftDecade;
    CRect m_rcRegion;  // the frame; top above bottom
    // Ranges of the samples: the values over all four curves, the abscissa.
    float m_fMaxY;
    float m_fMinY;
    float m_fMaxX;
    float m_fMinX;
    // Size of the drawing the scales fill: 130 mm by 70 mm unless a host sets it.
    LONG m_lDisWidth;
    LONG m_lDisHeight;
    // Chart points (logical units) of the curves; Fwd are the forward-modelled ones.
    CArray<CPoint, CPoint> m_VFwdPoints;
    CArray<CPoint, CPoint> m_RFwdPoints;
    CArray<CPoint, CPoint> m_VPoints;
    // The samples as handed to GetData (edits write into m_fR and m_fV).
    CArray<float, float&> m_fX;
    CArray<float, float&> m_fRFwd;
    CArray<float, float&> m_fVFwd;
    // Square markers around the points, 2 * m_fMarkHalf wide.
    CArray<CRect, CRect> m_RRects;
    CArray<CRect, CRect> m_VRects;
    CArray<CRect, CRect> m_RFwdRects;
    CArray<CRect, CRect> m_VFwdRects;
    float m_fMarkHalf;
    // Logical units per decade (or per value unit on a linear scale).
    float m_fXRate;
    float m_fYRate;
    // Offset of the window origin from the frame's top-left corner (SetOrdinate).
    LONG m_lOrgX;
    LONG m_lOrgY;
    // The polyline around the point moved last (IsMoveChange), for redrawing.
    CArray<CPoint, CPoint> m_ChangePts;
    CArray<float, float&> m_fR;
    int m_nSelIndex;  // sample index of the picked point
    CArray<float, float&> m_fV;
    int m_nCount;  // samples, from the abscissa's length
    CArray<CPoint, CPoint> m_RPoints;
    // The legend tip (see ToolTip()); null until first asked for. Its deleter
    // comes from the window part that makes it.
    std::unique_ptr<CToolTipCtrl, void (*)(CToolTipCtrl*)> m_pToolTip{nullptr, nullptr};
    // The picked curve: 0 none, 1 measured R, 2 measured V. Hosts set it back
    // to 0 when the drag ends.
    int m_nSelCurve;
    // Display model: 1 logarithmic abscissa and linear values, 2 both
    // logarithmic (needs positive data; SetDisModel falls back to 1).
    int m_nDisModel;

    // Not in the classic chart, off by default: the frames draw every axis
    // label where the classic layout puts it except where it would print
    // over a label drawn before it. A value label that would is raised to
    // sit just above its line, and dropped if it still clashes there; an
    // abscissa label that would is dropped. This keeps the bottom-right
    // corner, where the last abscissa label and the lowest value label both
    // hang, readable.
    BOOL m_bKeepLabelsApart;
    // Not in the classic chart, off by default: the frames draw their lines
    // (frame, decades and the lines between them) but no axis labels, and the
    // linear view no value lines, for a host that labels the axes itself in
    // the units it shows.
    BOOL m_bHostLabels;

private:
    // The value a point's height stands for under the current model.
    void PtToValue(tagPOINT& point, float& value);
};
