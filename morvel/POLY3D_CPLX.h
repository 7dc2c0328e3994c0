// A body of a 2-D polygon earth model: an outer ring with holes, and the
// electrical properties that fill it. Assignment lives in the model library.
#pragma once

#include "platform/core/CArray.h"

// Scalar fields other than the electrical ones start at zero.
class POLY3D_CPLX {
public:
    POLY3D_CPLX() = default;
    POLY3D_CPLX(POLY3D_CPLX& src) { operator=(src); }
    virtual ~POLY3D_CPLX()
    {
        m_Marks.RemoveAll();
        m_Verts.RemoveAll();
        m_Neighbours.RemoveAll();
        m_Rings.RemoveAll();
    }
    void operator=(POLY3D_CPLX& src);
    void Copy(POLY3D_CPLX& src) { operator=(src); }
    void RemoveAll()
    {
        m_Rings.RemoveAll();
        m_Neighbours.RemoveAll();
        m_Verts.RemoveAll();
        m_Marks.RemoveAll();
    }

    CArray<int, int> m_Rings;       // POLY3D indices: the outer ring first, then its holes
    CArray<int, int> m_Neighbours;  // bodies sharing a boundary line with this one
    CArray<int, int> m_Verts;       // every vertex on its rings, each once
    CArray<int, int> m_Marks;       // host's own tags

    int nId = 0;     // the body's number; 0 = unnumbered
    int nFlag = 0;   // host's marker
    // Complex resistivity of the body (Cole-Cole form): the direct-current
    // resistivity in ohm-metres, which the section's colours show; the
    // chargeability (0..1); and the frequency exponent c (0..1).
    double dRho = 80.0;
    double dCharge = 0.5;
    double dExpC = 0.6;
};
