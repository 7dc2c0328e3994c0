// One straight, linearly graduated axis: a line of a length in millimetres
// carrying a value range, ticks at a fixed spacing, numeric labels and a title.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CStringArray.h"
#include "platform/gdi/CDC.h"

class CMyAxis {
public:
    CMyAxis();
    CMyAxis(const CMyAxis& other);
    CMyAxis& operator=(const CMyAxis& other);
    virtual ~CMyAxis();

    // Lengths are in millimetres, coordinates in the host's logical units
    // (m_nUnitsPerMm of them to a millimetre), values in the axis's own.
    CString m_strTitle;
    int m_bTitle;  // 1: the title is drawn
    LOGFONT m_lfTitle;
    COLORREF m_crTitle;
    float m_fLength;  // mm, (max - min) / scale
    float m_fLineWidth;  // mm
    int m_nKind;  // 1 horizontal, 2 vertical
    // Above 0 the axis runs from the origin towards larger coordinates;
    // below 0 it ends at the origin; 0 lays it out forwards and places the
    // title as for a backward axis.
    int m_nDirection;
    float m_fMin;
    float m_fMax;
    float m_fScale;  // values per millimetre
    int m_nUnitsPerMm;
    double m_dOffset;  // mm from the origin to the axis's start (-length backwards)
    int m_nOrgX;
    int m_nOrgY;
    LOGFONT m_lfLabel;
    float m_fLabelAngle;  // degrees, counter-clockwise
    // Side of the ticks: 1 towards larger coordinates, 2 towards smaller,
    // 0 ticks without length; below 0 no ticks, labels or title.
    int m_nTickDir;
    float m_fTickLineWidth;  // mm
    float m_fTickStart;  // value of the first tick, held within min .. max
    float m_fTickStep;
    int m_nTickCount;  // ticks laid out, at most TickGenerator::kMaxTicks
    float m_fTickLength;  // mm
    int m_bLabels;  // 1: the tick labels are drawn
    int m_nDecimals;  // of the labels
    COLORREF m_crLabel;
    CArray<int, int> m_TickPos;  // of each tick, logical units along the axis from its start
    CStringArray m_Labels;
    CPoint m_ptStart;
    CPoint m_ptEnd;

    // The exported names keep their spelling: intifontsize initialises a font
    // record to the axis default, intil initialises the whole axis and lays it
    // out, setminmaxv sets a new value range keeping the length, CreatAxis and
    // CreatStickMark (stick: tick) compute the end points and the ticks.
    void intifontsize(LOGFONT& lf);
    // kind and direction as m_nKind and m_nDirection; the origin in logical
    // units; scale in values per millimetre.
    void intil(int kind, int direction, int orgX, int orgY, double min, double max, double scale,
               int unitsPerMm);
    void setminmaxv(double min, double max);
    void CreatAxis();
    void CreatStickMark();
    // Before the first layout the end points coincide at (0, 0) and there
    // are no ticks: nothing is drawn then.
    void Drawaxis(CDC* pDC);
    void DrawStick(CDC* pDC);
    void DrawTitle(CDC* pDC);
    void DrawStickText(CDC* pDC);
    // Runs the axis parameter dialog and lays the axis out again on OK.
    // Window part of the library (libtarnex).
    void SetAxisParm();

private:
    int signedTickLength() const;
};
