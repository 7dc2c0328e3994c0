// A closed ring of a polygon earth model, written as the list of its boundary
// lines in walking order. Assignment lives in the model library.
#pragma once

#include "platform/core/CArray.h"

// Scalar fields start at zero in every record.
class POLY3D {
public:
    POLY3D() = default;
    POLY3D(POLY3D& src) { operator=(src); }
    virtual ~POLY3D()
    {
        m_Marks.RemoveAll();
        m_Cplx.RemoveAll();
        m_Sense.RemoveAll();
        m_Lines.RemoveAll();
    }
    void operator=(POLY3D& src);
    void Copy(POLY3D& src) { operator=(src); }
    void RemoveAll()
    {
        m_Lines.RemoveAll();
        m_Sense.RemoveAll();
        m_Cplx.RemoveAll();
        m_Marks.RemoveAll();
    }

    // The ring: line m_Lines[i] walked from nV0 to nV1 when m_Sense[i] is +1,
    // backwards when -1; the walk starts each line where the last one ended.
    CArray<int, int> m_Lines;
    CArray<int, int> m_Sense;
    CArray<int, int> m_Cplx;   // bodies (POLY3D_CPLX indices) bounded by this ring
    CArray<int, int> m_Marks;  // host's own tags

    int nId = 0;
    int nFlag = 0;
    double dArea = 0;  // signed area in square metres: positive counter-clockwise
};
