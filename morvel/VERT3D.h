// A vertex of a polygon earth model: its coordinates in metres and the lines,
// rings and bodies that meet at it. Assignment lives in the model library.
#pragma once

#include "platform/core/CArray.h"

// Every scalar field starts at zero, in a record of its own and in a new
// array slot alike, so no record ever holds an indeterminate number.
class VERT3D {
public:
    VERT3D() = default;
    // Built empty, then filled by the model library's assignment.
    VERT3D(VERT3D& src) { operator=(src); }
    virtual ~VERT3D()
    {
        m_Marks.RemoveAll();
        m_Cplx.RemoveAll();
        m_Polys.RemoveAll();
        m_Lines.RemoveAll();
    }
    void operator=(VERT3D& src);
    void Copy(VERT3D& src) { operator=(src); }
    // Empties the index lists and frees their storage; coordinates stay.
    void RemoveAll()
    {
        m_Lines.RemoveAll();
        m_Polys.RemoveAll();
        m_Cplx.RemoveAll();
        m_Marks.RemoveAll();
    }

    // In a 2-D section: x is the distance along the profile and y the
    // elevation (up positive, below the surface negative); z is the
    // strike coordinate, 0 in a 2-D model. Metres throughout.
    double x = 0;
    double y = 0;
    double z = 0;
    int nId = 0;    // the number the model file gave the vertex
    int nFlag = 0;  // host's marker; 0 = none

    CArray<int, int> m_Lines;  // lines (LINE3D indices) ending here
    CArray<int, int> m_Polys;  // rings (POLY3D indices) passing through here
    CArray<int, int> m_Cplx;   // bodies (POLY3D_CPLX indices) touching here
    CArray<int, int> m_Marks;  // host's own tags
};
