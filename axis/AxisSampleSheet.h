// A sheet of sample axes: a horizontal and a vertical linear axis meeting at
// one origin and a grid axis beside them, drawn in hundredths of a millimetre.
// Hosts show it, and a double-click on a part opens that part's dialog.
#pragma once

#include "axis/CMyAxis.h"
#include "axis/CMyGridAxis.h"

class AxisSampleSheet {
public:
    // Logical units of the sheet (MM_HIMETRIC) per millimetre.
    static constexpr int kUnitsPerMm = 100;

    AxisSampleSheet();
    virtual ~AxisSampleSheet();

    CMyAxis m_xAxis;
    CMyAxis m_yAxis;
    CMyGridAxis m_grid;

    enum class Part { None, XAxis, YAxis, Grid };

    // Sets MM_HIMETRIC (y upwards) and draws all three; the viewport origin
    // is left to the caller, who places the sheet on its surface.
    void Draw(CDC* pDC);
    // The part within 3 mm of a point in the sheet's logical units.
    Part HitTest(const CPoint& logical) const;
    // Runs the dialog of the part under the point; false when there is none.
    // Window part of the library (libtarnex).
    // The two linear axes keep meeting at their common origin.
    bool EditAt(const CPoint& logical);
    // The extent of the sheet in millimetres, for hosts sizing a page.
    static CSize SizeMm() { return CSize(262, 130); }

    // The samples drawn on any surface: the entry a renderer calls.
    static void DrawSamples(CDC* pDC);
};
