// A straight boundary segment of a polygon earth model between two vertices,
// with the bodies on either side. Assignment lives in the model library.
#pragma once

#include "platform/core/CArray.h"

// Scalar fields start at zero in every record.
class LINE3D {
public:
    LINE3D() = default;
    LINE3D(LINE3D& src) { operator=(src); }
    virtual ~LINE3D()
    {
        m_Right.RemoveAll();
        m_Left.RemoveAll();
    }
    void operator=(LINE3D& src);
    void Copy(LINE3D& src) { operator=(src); }
    void RemoveAll()
    {
        m_Left.RemoveAll();
        m_Right.RemoveAll();
    }

    int nV0 = 0;    // first end (VERT3D index)
    int nV1 = 0;    // second end (VERT3D index)
    int nId = 0;
    int nFlag = 0;  // 1 marks a fault trace; 0 an ordinary boundary

    // Bodies (POLY3D_CPLX indices) on the left and on the right when walking
    // from nV0 to nV1 with elevation up.
    CArray<int, int> m_Left;
    CArray<int, int> m_Right;
};
