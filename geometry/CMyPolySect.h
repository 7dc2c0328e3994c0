// The section of a two-dimensional polygon model: a horizontal and a vertical
// axis meeting at the section's upper left corner, the model filled under them.
#pragma once

#include "axis/CMyAxis.h"
#include "morvel/TMOD2D.h"
#include "platform/core/CRect.h"

class CMyPolySect {
public:
    CMyPolySect();
    CMyPolySect(CMyPolySect& src);
    virtual ~CMyPolySect();

    TMOD2D m_Model;
    CMyAxis m_XAxis;
    CMyAxis m_YAxis;
    CRect m_rcSect;  // normalised; for hit-testing only
    int m_nLeft;
    int m_nBottom;
    int m_nWidth;
    int m_nHeight;
    int m_nDrawOpt1;  // outline width in tenths of a millimetre (see TMOD2D)
    int m_nDrawOpt2;  // 0 outlines only, otherwise filled
    int m_nUnitsPerMm;
    double m_dXScale;  // model x units per millimetre
    double m_dYScale;
    double m_dXMin, m_dXMax;
    double m_dYMin, m_dYMax;

    // Places the section; until Reset, model coordinates are logical ones.
    void IntPolyRect(int left, int top, int right, int bottom, int unitsPerMm);
    // The model ranges, drawn at one true scale that fits xMin..xMax to the width.
    void Reset(int drawOpt1, int drawOpt2, double xMin, double xMax, double yMin, double yMax);
    void Creat_model(TMOD2D& model);
    BOOL IsinPolyRect(POINT pt);
    void AddXaxis();
    // Run the axis dialogs and take the edited range and scale back.
    void SetXaxs();
    void SetYaxs();
    void DrawAll(CDC* pDC);
};
