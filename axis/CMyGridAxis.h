// A rectangular graduated frame: an x range along the horizontal side and a
// y range along the vertical one, grey grid lines at the ticks, labels and titles.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CStringArray.h"
#include "platform/gdi/CDC.h"

class CMyGridAxis {
public:
    CMyGridAxis();
    CMyGridAxis(const CMyGridAxis& other);
    CMyGridAxis& operator=(const CMyGridAxis& other);
    virtual ~CMyGridAxis();

    int m_nX0, m_nY0;
    int m_nX1, m_nY1;
    int m_nXMid, m_nYMid;
    CString m_strXTitle;
    CString m_strYTitle;
    int m_bXTitle, m_bYTitle;
    LOGFONT m_lfXTitle, m_lfYTitle;
    COLORREF m_crXTitle, m_crYTitle;
    double m_dXLength, m_dYLength;
    double m_dXLineWidth, m_dYLineWidth;
    double m_dXMin, m_dYMin;
    double m_dXMax, m_dYMax;
    double m_dXScale, m_dYScale;
    double m_dUnitsPerMm;
    int m_nOrgX, m_nOrgY;
    LOGFONT m_lfXLabel, m_lfYLabel;
    double m_dXGridWidth, m_dYGridWidth;
    double m_dXTickStart, m_dYTickStart;
    double m_dXTickStep, m_dYTickStep;
    int m_nXTickCount, m_nYTickCount;
    double m_dXTickLength, m_dYTickLength;
    int m_bXLabels, m_bYLabels;
    int m_nXDecimals, m_nYDecimals;
    COLORREF m_crXLabel, m_crYLabel;
    CArray<int, int> m_XTickPos, m_YTickPos;
    CStringArray m_XLabels, m_YLabels;

    // The exported names keep their spelling: intifontsize initialises a font
    // record to the axis default, intil initialises the frame from its origin,
    // both ranges with their scales (values per mm) and the logical units per
    // mm, and lays it out; CreatAxis and CreatStickMark (stick: tick) compute
    // the corners and the ticks. `which` is 1 for x and 2 for y.
    void intifontsize(LOGFONT& lf);
    void intil(int orgX, int orgY, double xMin, double xMax, double xScale, double yMin, double yMax,
               double yScale, double unitsPerMm);
    void ResetGridAxisMM();
    void Resetorg(int orgX, int orgY);
    void CreatAxis();
    void Adjust_Axis_Scale(double scale);
    void CreatStickMark();
    // Before the first layout both corners are (0, 0) and there are no
    // ticks: nothing is drawn then.
    void DrawGridaxis(CDC* pDC);
    void Draw_x_gaxis(CDC* pDC);
    void Draw_y_gaxis(CDC* pDC);
    void Draw_xaux_gaxis(CDC* pDC);
    void Draw_yaux_gaxis(CDC* pDC);
    void DrawStick(int which, CDC* pDC);
    void DrawStickText(int which, CDC* pDC);
    void DrawTitle(int which, CDC* pDC);
    // Runs the grid axis dialog; window part of the library (libtarnex).
    void SetAxisParm();

private:
    struct Side;
    Side side(int which);
    void drawGrid(int which, CDC* pDC);
    void drawEdges(int which, CDC* pDC);
};
