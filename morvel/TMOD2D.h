// A two-dimensional polygon earth model: vertices, boundary lines, rings and
// the bodies built from them. The model library builds, clears and draws it.
#pragma once

#include "morvel/CRecordArray.h"
#include "morvel/LINE3D.h"
#include "morvel/POLY3D.h"
#include "morvel/POLY3D_CPLX.h"
#include "morvel/VERT3D.h"

class CDC;

class TMOD2D {
public:
    TMOD2D();
    // Built empty, then filled by the model library's assignment.
    TMOD2D(TMOD2D& src) { operator=(src); }
    // Empties the model through the model library first; the arrays then
    // release whatever is left, so destruction is safe either way.
    virtual ~TMOD2D() { RemoveAll(); }
    void operator=(TMOD2D& src);
    void Copy(TMOD2D& src) { operator=(src); }
    void RemoveAll();

    // Fills each body with the colour of its resistivity (holes stay open),
    // mapped so that the model point (xMin, yMin) lands on the logical point
    // (x0, y0) and a model distance d covers d / scale * unitsPerMm logical
    // units toward increasing logical x and y.
    //   outlineTenthsMm: width of the body outlines in tenths of a millimetre,
    //     0 (or less) for none;
    //   fill: 0 draws outlines only (at least the thinnest line), any other
    //     value fills with the resistivity colours.
    void draw_filled_model(int outlineTenthsMm, int fill, int x0, int y0, double xMin, double yMin, double xScale,
                           double yScale, double unitsPerMm, CDC* pDC);
    // The smallest and largest positive finite resistivity of the bodies;
    // false when no body has one.
    bool ResistivityRange(double& lo, double& hi) const;

    CRecordArray<VERT3D> m_Verts;
    CRecordArray<LINE3D> m_Lines;
    CRecordArray<POLY3D> m_Polys;
    CRecordArray<POLY3D_CPLX> m_Cplx;
};
