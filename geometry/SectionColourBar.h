// The colour bar beside a section: the resistivity colour scale as a column
// of colours with a tick and a label at every decade, in ohm-metres.
#pragma once

#include "morvel/CMYColor.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"

class CDC;

class SectionColourBar {
public:
    SectionColourBar();
    virtual ~SectionColourBar();

    CMYColor m_Scale;    // the scale shown; fit it to the model drawn beside it
    CRect m_rcBar;       // the column in logical units, top above bottom
    int m_nUnitsPerMm;   // logical units of the surface per millimetre
    CString m_strTitle;  // written above the column
    int m_nFontHeight;   // label and title height in logical units

    // The column from (left, bottom) up to (left + width, top).
    void Place(int left, int top, int width, int bottom, int unitsPerMm);
    // Draws the column, its frame, decade ticks (with shorter ticks at 2..9
    // times each decade when a decade is at least 8 mm long) and the
    // labels; puts back the pen, font, text colour, alignment and background
    // mode it changed.
    void Draw(CDC* pDC);
    // The label of the decade 10^k: "0.01", "1", "1000"; beyond six digits
    // either way, "1e7" and "1e-7".
    static CString DecadeLabel(int k);
};
