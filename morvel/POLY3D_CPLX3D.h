// A body of a three-dimensional polygon earth model, bounded by faces, with
// its electrical and physical properties. Assignment lives in the model library.
#pragma once

#include "platform/core/CArray.h"

class POLY3D_CPLX3D {
public:
    POLY3D_CPLX3D() = default;
    POLY3D_CPLX3D(POLY3D_CPLX3D& src) { operator=(src); }
    virtual ~POLY3D_CPLX3D()
    {
        m_Marks.RemoveAll();
        m_Neighbours.RemoveAll();
        m_Sense.RemoveAll();
        m_Faces.RemoveAll();
    }
    void operator=(POLY3D_CPLX3D& src);

    CArray<int, int> m_Faces;       // POLY3D indices of the bounding faces
    CArray<int, int> m_Sense;       // per face: +1 when its ring turns outward, -1 inward
    CArray<int, int> m_Neighbours;  // bodies sharing a face
    CArray<int, int> m_Marks;       // host's own tags

    int nId = 0;
    int nFlag = 0;
    double dVolume = 0;  // cubic metres
    // Resistivity (ohm-metres), chargeability, Cole-Cole exponent, time
    // constant (seconds), magnetic susceptibility (SI) and density contrast
    // (g/cm3).
    double dRho = 80.0;
    double dCharge = 0.5;
    double dExpC = 0.5;
    double dTau = 1.0;
    double dSusc = 0.0;
    double dDensity = 0.0;
};
