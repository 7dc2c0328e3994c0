// The geometry records: defaults of new array slots, deep copies that share
// nothing, emptying, and destruction of nested models (leaks show under ASan).
#include "morvel/CCPloy2DRg.h"
#include "morvel/CMYColor.h"
#include "morvel/PLYDT.h"
#include "morvel/TMOD3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

void fillModel(TMOD2D& m)
{
    m.m_Verts.SetSize(3);
    m.m_Verts[2].x = 7.5;
    m.m_Verts[2].m_Lines.Add(4);
    m.m_Lines.SetSize(2);
    m.m_Lines[1].nV1 = 2;
    m.m_Lines[1].m_Right.Add(9);
    m.m_Polys.SetSize(1);
    m.m_Polys[0].m_Sense.Add(-1);
    m.m_Polys[0].dArea = 12.0;
    m.m_Cplx.SetSize(2);
    m.m_Cplx[1].dRho = 300.0;
    m.m_Cplx[1].m_Rings.Add(0);
}

// Assignments return nothing, so they cannot be chained.
template <class T>
constexpr bool assignsToVoid = std::is_void_v<decltype(std::declval<T&>() = std::declval<T&>())>;
static_assert(assignsToVoid<VERT3D> && assignsToVoid<LINE3D> && assignsToVoid<POLY3D> && assignsToVoid<POLY3D_CPLX> &&
              assignsToVoid<TMOD2D> && assignsToVoid<TMOD3D> && assignsToVoid<PLYDT> && assignsToVoid<CCPloy2DRg> &&
              assignsToVoid<CMYColor>);

// Destruction order of the elements of a record array.
std::vector<int>* g_order = nullptr;
struct Probe {
    int id = 0;
    ~Probe()
    {
        if (g_order)
            g_order->push_back(id);
    }
};

}  // namespace

TEST(GeometryRecords, GrownSlotsHoldTheRecordDefaultsAndZeroElsewhere)
{
    TMOD2D m;
    m.m_Cplx.SetSize(1);
    POLY3D_CPLX& c = m.m_Cplx[0];
    EXPECT_EQ(c.m_Rings.GetSize() + c.m_Neighbours.GetSize() + c.m_Verts.GetSize() + c.m_Marks.GetSize(), 0);
    EXPECT_EQ(c.nId, 0);
    EXPECT_EQ(c.nFlag, 0);
    EXPECT_EQ(c.dRho, 80.0);
    EXPECT_EQ(c.dCharge, 0.5);
    EXPECT_EQ(c.dExpC, 0.6);

    m.m_Verts.SetSize(2);
    EXPECT_EQ(m.m_Verts[1].x, 0.0);
    EXPECT_EQ(m.m_Verts[1].y, 0.0);
    EXPECT_EQ(m.m_Verts[1].nId, 0);

    POLY3D_CPLX3D b;
    EXPECT_EQ(b.nId, 0);
    EXPECT_EQ(b.nFlag, 0);
    const double want[] = {80.0, 0.5, 0.5, 1.0, 0.0, 0.0};
    const double got[] = {b.dRho, b.dCharge, b.dExpC, b.dTau, b.dSusc, b.dDensity};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(got[i], want[i]) << i;
    // The six doubles lie one after the other.
    const auto* first = reinterpret_cast<const char*>(&b.dRho);
    EXPECT_EQ(reinterpret_cast<const char*>(&b.dDensity) - first, static_cast<std::ptrdiff_t>(5 * sizeof(double)));

    TMOD3D t;
    EXPECT_EQ(t.dBackRho, 1000.0);
    EXPECT_EQ(t.dOrgX, 0.0);
    EXPECT_EQ(t.dOrgY, 0.0);
    EXPECT_EQ(t.dUnit, 1.0);

    CCPloy2DRg rg;
    rg.m_Regions.SetSize(1);
    const CCPloy2DRg::REGION& reg = rg.m_Regions[0];
    const auto* red = reinterpret_cast<const char*>(&reg.r);
    EXPECT_EQ(reg.r, 128);
    EXPECT_EQ(reg.g, 64);
    EXPECT_EQ(reg.b, 192);
    EXPECT_EQ(reinterpret_cast<const char*>(&reg.g) - red, 1);
    EXPECT_EQ(reinterpret_cast<const char*>(&reg.b) - red, 2);
}

TEST(GeometryRecords, CopiesOfEveryKindShareNothingWithTheirSource)
{
    TMOD2D a;
    fillModel(a);
    TMOD2D b(a);
    TMOD2D c;
    c.Copy(a);
    a.m_Verts[2].m_Lines[0] = 99;
    a.m_Verts[2].x = -1;
    a.m_Lines[1].m_Right.Add(10);
    a.m_Cplx[1].dRho = 1.0;
    a.m_Cplx[1].m_Rings[0] = 5;
    a.m_Polys.RemoveAll();
    for (TMOD2D* m : {&b, &c}) {
        ASSERT_EQ(m->m_Verts.GetSize(), 3);
        EXPECT_EQ(m->m_Verts[2].x, 7.5);
        EXPECT_EQ(m->m_Verts[2].m_Lines[0], 4);
        EXPECT_EQ(m->m_Lines[1].nV1, 2);
        EXPECT_EQ(m->m_Lines[1].m_Right.GetSize(), 1);
        ASSERT_EQ(m->m_Polys.GetSize(), 1);
        EXPECT_EQ(m->m_Polys[0].m_Sense[0], -1);
        EXPECT_EQ(m->m_Polys[0].dArea, 12.0);
        EXPECT_EQ(m->m_Cplx[1].dRho, 300.0);
        EXPECT_EQ(m->m_Cplx[1].m_Rings[0], 0);
        EXPECT_EQ(m->m_Cplx[0].dRho, 80.0);
    }
    // Assignment replaces what the target held.
    fillModel(c);
    c = b;
    EXPECT_EQ(c.m_Verts.GetSize(), 3);
    EXPECT_EQ(c.m_Cplx.GetSize(), 2);

    TMOD3D t;
    t.m_Bodies.SetSize(1);
    t.m_Bodies[0].dTau = 3.0;
    t.m_Bodies[0].m_Faces.Add(2);
    t.dBackRho = 50.0;
    t.m_Survey.m_Stations.Add(12.5);
    fillModel(t.m_SectB);
    TMOD3D u(t);
    t.m_Bodies[0].m_Faces[0] = 8;
    t.m_Survey.m_Stations[0] = 0;
    t.m_SectB.m_Cplx[1].dRho = 2.0;
    EXPECT_EQ(u.dBackRho, 50.0);
    EXPECT_EQ(u.m_Bodies[0].dTau, 3.0);
    EXPECT_EQ(u.m_Bodies[0].m_Faces[0], 2);
    EXPECT_EQ(u.m_Survey.m_Stations[0], 12.5);
    EXPECT_EQ(u.m_SectB.m_Cplx[1].dRho, 300.0);
    EXPECT_EQ(u.m_SectA.m_Verts.GetSize(), 0);

    PLYDT p;
    p.m_Pnts.SetSize(1);
    p.m_Pnts[0].m_Arcs.Add(3);
    p.m_Rgns.SetSize(2);
    p.m_Rgns[1].dRho = 20.0;
    p.m_Mrks.SetSize(1);
    p.m_Mrks[0].nKind = 4;
    PLYDT q(p);
    p.m_Pnts[0].m_Arcs[0] = 0;
    p.m_Rgns[1].dRho = 0;
    EXPECT_EQ(q.m_Pnts[0].m_Arcs[0], 3);
    EXPECT_EQ(q.m_Rgns[1].dRho, 20.0);
    EXPECT_EQ(q.m_Mrks[0].nKind, 4);

    CCPloy2DRg r;
    r.m_Regions.SetSize(1);
    r.m_Regions[0].g = 7;
    r.m_Regions[0].m_Rings.Add(1);
    r.m_Edges.SetSize(1);
    r.m_Edges[0].m_Left.Add(6);
    CCPloy2DRg s(r);
    r.m_Regions[0].g = 0;
    r.m_Regions[0].m_Rings[0] = 0;
    r.m_Edges[0].m_Left[0] = 0;
    EXPECT_EQ(s.m_Regions[0].g, 7);
    EXPECT_EQ(s.m_Regions[0].m_Rings[0], 1);
    EXPECT_EQ(s.m_Edges[0].m_Left[0], 6);

    CMYColor k;
    k.m_d.dLogMax = 6.0;
    k.m_d.crStops[3] = RGB(1, 2, 3);
    CMYColor l(k);
    k.m_d.crStops[3] = 0;
    EXPECT_EQ(l.m_d.dLogMax, 6.0);
    EXPECT_EQ(l.m_d.crStops[3], RGB(1, 2, 3));
    CMYColor& self = l;
    l = self;  // onto itself: unchanged
    EXPECT_EQ(l.m_d.crStops[3], RGB(1, 2, 3));
    EXPECT_EQ(l.m_d.nStops, 10);
}

TEST(GeometryRecords, RemoveAllEmptiesTheListsAndKeepsTheNumbers)
{
    VERT3D v;
    v.RemoveAll();  // already empty: nothing to free
    EXPECT_EQ(v.m_Lines.GetSize(), 0);
    v.x = 3;
    v.m_Lines.Add(1);
    v.m_Marks.Add(2);
    v.RemoveAll();
    EXPECT_EQ(v.m_Lines.GetSize() + v.m_Marks.GetSize(), 0);
    EXPECT_EQ(v.x, 3.0);

    POLY3D_CPLX c;
    c.m_Rings.Add(0);
    c.dRho = 5;
    c.RemoveAll();
    EXPECT_EQ(c.m_Rings.GetSize(), 0);
    EXPECT_EQ(c.dRho, 5.0);

    TMOD2D m;
    m.RemoveAll();
    fillModel(m);
    m.RemoveAll();
    EXPECT_EQ(m.m_Verts.GetSize() + m.m_Lines.GetSize() + m.m_Polys.GetSize() + m.m_Cplx.GetSize(), 0);
    EXPECT_EQ(m.m_Verts.Capacity() + m.m_Cplx.Capacity(), 0u);

    PLYDT p;
    p.m_Lbls.SetSize(4);
    p.m_Arcs.SetSize(2);
    p.RemoveAll();
    EXPECT_EQ(p.m_Lbls.GetSize() + p.m_Arcs.GetSize(), 0);
    EXPECT_EQ(p.m_Lbls.Capacity(), 0u);
}

TEST(GeometryRecords, NestedModelsAreDestroyedWholeAndInIndexOrder)
{
    // Deleted through its base pointer type: ASan reports anything left behind.
    auto* t = new TMOD3D;
    fillModel(t->m_SectA);
    fillModel(t->m_SectB);
    t->m_Bodies.SetSize(3);
    t->m_Bodies[2].m_Marks.Add(1);
    t->m_Survey.m_Stations.Add(1.0);
    delete t;

    TMOD2D* m = new TMOD2D;
    fillModel(*m);
    delete m;

    std::vector<int> order;
    g_order = &order;
    {
        CRecordArray<Probe> a;
        a.SetSize(4);
        for (int i = 0; i < 4; ++i)
            a[i].id = i;
        a.SetSize(3);  // drops the last
        a.RemoveAt(0);
    }
    g_order = nullptr;
    EXPECT_EQ(order, (std::vector<int>{3, 0, 1, 2}));
}

TEST(GeometryRecords, ColourScaleDarkensSteadilyFromConductorToResistor)
{
    CMYColor s;
    // Lightness as grey print shows it: falls with every step up in resistivity.
    auto grey = [](COLORREF c) { return 0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c); };
    double last = 256;
    for (double lg = 0.0; lg <= 4.0; lg += 0.25) {
        const double g = grey(s.ColourOf(std::pow(10.0, lg)));
        EXPECT_LT(g, last) << lg;
        last = g;
    }
    EXPECT_EQ(s.ColourOf(1e9), s.m_d.crStops[9]);   // clamped above
    EXPECT_EQ(s.ColourOf(-5), s.m_d.crStops[0]);    // not positive: lowest colour
    EXPECT_EQ(s.ColourOf(NAN), s.m_d.crStops[0]);

    TMOD2D m;
    m.m_Cplx.SetSize(2);
    m.m_Cplx[0].dRho = 5;
    m.m_Cplx[1].dRho = 3000;
    s.FitModel(m);
    EXPECT_EQ(s.m_d.dLogMin, 0.0);
    EXPECT_EQ(s.m_d.dLogMax, 4.0);
    m.m_Cplx[0].dRho = 30;
    m.m_Cplx[1].dRho = 30;
    s.FitModel(m);  // one value: one decade round it
    EXPECT_EQ(s.m_d.dLogMin, 1.0);
    EXPECT_EQ(s.m_d.dLogMax, 2.0);
}
