// A three-dimensional polygon earth model with its survey lines and two
// vertical sections cut through it. Assignment lives in the model library.
#pragma once

#include "morvel/CRecordArray.h"
#include "morvel/LINE3D.h"
#include "morvel/POLY3D.h"
#include "morvel/POLY3D_CPLX3D.h"
#include "morvel/TMOD2D.h"
#include "morvel/VERT3D.h"

class TMOD3D {
public:
    // The survey lines laid over the model: each from one vertex to another,
    // its kind, the section (0 or 1, -1 none) it is drawn in, and the
    // stations along all lines in metres from each line's start.
    struct SURVEY {
        int nLines = 0;
        CArray<int, int> m_From;
        CArray<int, int> m_To;
        CArray<int, int> m_Kind;
        CArray<int, int> m_Section;
        CArray<double, double> m_Stations;
    };

    TMOD3D() = default;
    TMOD3D(TMOD3D& src) { operator=(src); }
    ~TMOD3D() = default;
    void operator=(TMOD3D& src);
    void Copy(TMOD3D& src) { operator=(src); }

    CRecordArray<VERT3D> m_Verts;
    CRecordArray<LINE3D> m_Lines;
    CRecordArray<POLY3D> m_Polys;
    CRecordArray<POLY3D_CPLX3D> m_Bodies;

    int nId = 0;
    double dBackRho = 1000.0;  // resistivity of the host half-space, ohm-metres
    double dOrgX = 0.0;        // model origin in survey coordinates, metres
    double dOrgY = 0.0;
    double dUnit = 1.0;        // metres per model unit

    SURVEY m_Survey;
    TMOD2D m_SectA;  // section along the first survey direction
    TMOD2D m_SectB;  // section across it
};
