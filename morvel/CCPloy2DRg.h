// The regions of a 2-D polygon model as a map: nodes, edges, rings and
// coloured regions. Assignment and destruction live in the model library.
#pragma once

#include "morvel/CRecordArray.h"
#include "platform/core/CArray.h"
#include "platform/core/afxtypes.h"

class CCPloy2DRg {
public:
    // Element records: plain data and index lists, scalars zero at start.
    struct NODE {
        double x = 0, y = 0;
        CArray<int, int> m_Edges;    // edges ending here
        CArray<int, int> m_Regions;  // regions touching here
        int nFlag = 0;
    };
    struct EDGE {
        int nN0 = 0, nN1 = 0;
        CArray<int, int> m_Left;   // regions left of the edge
        CArray<int, int> m_Right;  // regions right of it
        int nFlag = 0;
    };
    struct RING {
        int nId = 0;
        CArray<int, int> m_Edges;
        CArray<int, int> m_Sense;  // +1 along the edge, -1 against it
    };
    struct REGION {
        double dRho = 0;  // ohm-metres
        // The region's fill colour, red, green and blue.
        BYTE r = 128;
        BYTE g = 64;
        BYTE b = 192;
        CArray<int, int> m_Rings;  // the outer ring first, then holes
    };

    CCPloy2DRg() = default;
    CCPloy2DRg(CCPloy2DRg& src) { operator=(src); }
    virtual ~CCPloy2DRg();
    void operator=(CCPloy2DRg& src);

    CRecordArray<NODE> m_Nodes;
    CRecordArray<EDGE> m_Edges;
    CRecordArray<RING> m_Rings;
    CRecordArray<REGION> m_Regions;
};
