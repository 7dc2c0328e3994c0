// The sounding curve chart: measured and forward-modelled apparent resistivity (R)
// and vertical magnetic component (V) of one sounding over a logarithmic abscissa.
#pragma once

#include "platform/core/CArray.h"
#include "platform/gdi/CDC.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/core/afxtypes.h"

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
    // Lets the user choose a sounding file and reads its first 23 rows.
    void OpenFile();

    static constexpr const char* kFileFilter =
        "Data Files (*.dat;*.cor;*.txt)|*.dat;*.cor;*.txt|Dat Files (*.dat)|*.dat|Cor Files (*.cor)|*.cor|"
        "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
    static constexpr int kOpenFileRows = 23;
    // OpenFile's reading once a file is chosen: the first 23 rows, one
    // buffer per column in file order. Slots the file does not fill keep
    // what they held.
    void ReadFileRows(const CString& path, float (&columns)[5][kOpenFileRows]);

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
    // frame and their own colour set, and P names the V curves.
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
    // Shows the colour legend while the pointer is inside the frame.
    void SetTooltip(CWnd* pWnd, tagPOINT& point);

    // ---- data ----

    float m_fYTopDecade;
    float m_fYBottomDecade;
    float m_fXRightDecade;
    float m_fXLeftDecade;
    CRect m_rcRegion;
    float m_fMaxY;
    float m_fMinY;
    float m_fMaxX;
    float m_fMinX;
    LONG m_lDisWidth;
    LONG m_lDisHeight;
    CArray<CPoint, CPoint> m_VFwdPoints;
    CArray<CPoint, CPoint> m_RFwdPoints;
    CArray<CPoint, CPoint> m_VPoints;
    CArray<float, float&> m_fX;
    CArray<float, float&> m_fRFwd;
    CArray<float, float&> m_fVFwd;
    CArray<CRect, CRect> m_RRects;
    CArray<CRect, CRect> m_VRects;
    CArray<CRect, CRect> m_RFwdRects;
    CArray<CRect, CRect> m_VFwdRects;
    float m_fMarkHalf;
    float m_fXRate;
    float m_fYRate;
    LONG m_lOrgX;
    LONG m_lOrgY;
    CArray<CPoint, CPoint> m_ChangePts;
    CArray<float, float&> m_fR;
    int m_nSelIndex;
    CArray<float, float&> m_fV;
    int m_nCount;
    CArray<CPoint, CPoint> m_RPoints;
    CToolTipCtrl m_ToolTip;
    int m_nSelCurve;
    int m_nDisModel;

private:
    // The value a point's height stands for under the current model.
    void PtToValue(tagPOINT& point, float& value);
};
