// A digitised polygon data set as drawn by hand: points, arcs, polygons,
// regions, labels and markers. Assignment and clearing live in the model library.
#pragma once

#include "morvel/CRecordArray.h"
#include "platform/core/CArray.h"

class PLYDT {
public:
    // Element records: plain data and index lists, scalars zero at start.
    struct PNT {  // a digitised point
        double x = 0, y = 0;
        CArray<int, int> m_Arcs;   // arcs ending here
        CArray<int, int> m_Polys;  // polygons through here
        int nFlag = 0;
    };
    struct ARC {  // a digitised arc between two points
        int nP0 = 0, nP1 = 0;
        CArray<int, int> m_Left;   // polygons left of the arc
        CArray<int, int> m_Right;  // polygons right of it
        int nFlag = 0;
    };
    struct PLY {  // a polygon as a walk over arcs
        int nId = 0;
        CArray<int, int> m_Arcs;
        CArray<int, int> m_Sense;  // +1 along the arc, -1 against it
    };
    struct RGN {  // a region: polygons sharing one property
        int nId = 0;
        CArray<int, int> m_Polys;
        double dRho = 0;  // ohm-metres
    };
    struct LBL {  // a label anchored at a point, naming a region
        double x = 0, y = 0;
        int nRegion = 0;
    };
    struct MRK {  // a survey marker
        double x = 0, y = 0;
        int nKind = 0;
    };

    PLYDT() = default;
    PLYDT(PLYDT& src) { operator=(src); }
    virtual ~PLYDT() { RemoveAll(); }
    void operator=(PLYDT& src);
    void RemoveAll();

    CRecordArray<PNT> m_Pnts;
    CRecordArray<ARC> m_Arcs;
    CRecordArray<PLY> m_Plys;
    CRecordArray<RGN> m_Rgns;
    CRecordArray<LBL> m_Lbls;
    CRecordArray<MRK> m_Mrks;
};
