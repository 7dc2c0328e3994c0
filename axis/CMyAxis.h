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

    CString m_strTitle;
    int m_bTitle;
    LOGFONT m_lfTitle;
    COLORREF m_crTitle;
    float m_fLength;
    float m_fLineWidth;
    int m_nKind;
    int m_nDirection;
    float m_fMin;
    float m_fMax;
    float m_fScale;
    int m_nUnitsPerMm;
    double m_dOffset;
    int m_nOrgX;
    int m_nOrgY;
    LOGFONT m_lfLabel;
    float m_fLabelAngle;
    int m_nTickDir;
    float m_fTickLineWidth;
    float m_fTickStart;
    float m_fTickStep;
    int m_nTickCount;
    float m_fTickLength;
    int m_bLabels;
    int m_nDecimals;
    COLORREF m_crLabel;
    CArray<int, int> m_TickPos;
    CStringArray m_Labels;
    CPoint m_ptStart;
    CPoint m_ptEnd;

    void intifontsize(LOGFONT& lf);
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
    void SetAxisParm();

private:
    int signedTickLength() const;
};
