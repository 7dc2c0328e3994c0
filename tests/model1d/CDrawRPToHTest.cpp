// The layered model chart: mapping, side hit tests and moves, values written
// back, and the drawing geometry of both routes.
#include "TestSupport.h"

#include "chart/TickGenerator.h"
#include "model1d/CDrawRPToH.h"
#include "platform/wnd/CWnd.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using FArr = CArray<float, float&>;

FArr arr(std::initializer_list<float> v)
{
    FArr a;
    for (float f : v)
        a.Add(f);
    return a;
}

// Thicknesses 10 and 20 over resistivities 100, 10 and a 1000 half-space.
void loadThreeLayers(CDrawRPToH& c)
{
    FArr thick = arr({10, 20});
    FArr res = arr({100, 10, 1000});
    c.GetData(thick, res, 3);
}

std::vector<std::string> texts(const CRecordingDC& dc)
{
    std::vector<std::string> out;
    for (const GdiOp* op : testsupport::textOps(dc))
        out.push_back(op->text.str());
    return out;
}

// Lines drawn with the given pen colour, as their logical end points.
std::vector<std::pair<CPoint, CPoint>> linesOf(const CRecordingDC& dc, COLORREF colour)
{
    std::vector<std::pair<CPoint, CPoint>> out;
    for (const GdiOp* op : testsupport::opsOfKind(dc, GdiOp::Kind::Polyline))
        if (op->style.pen.color == colour && op->logical.size() == 2)
            out.emplace_back(op->logical[0], op->logical[1]);
    return out;
}

}  // namespace

TEST(CDrawRPToHMapping, ThreeLayersGiveTheRangesScalesAreaAndOutline)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    EXPECT_EQ(c.m_nLayer, 3);
    EXPECT_EQ(c.m_fH[1], 10.0f);
    EXPECT_EQ(c.m_fH[2], 30.0f);
    EXPECT_EQ(c.m_fMaxH, 30.0f);
    EXPECT_EQ(c.m_fMinR, 10.0f);
    EXPECT_EQ(c.m_fMaxR, 1000.0f);
    EXPECT_EQ(c.m_fRRate, static_cast<float>(static_cast<float>(1800.0 / 1001) * 10.0));
    EXPECT_FLOAT_EQ(c.m_fHRate, -850.0f / 31);
    EXPECT_EQ(c.m_nRScale, 1001);
    EXPECT_EQ(c.m_nHScale, 35);
    EXPECT_EQ(c.m_rcArea, CRect(0, 0, 17999, -959));
    ASSERT_EQ(c.m_RPoints.GetSize(), 4);
    ASSERT_EQ(c.m_PPoints.GetSize(), 4);
    EXPECT_EQ(c.m_RPoints[0], CPoint(1798, 0));
    EXPECT_EQ(c.m_RPoints[1], CPoint(179, -274));
    EXPECT_EQ(c.m_RPoints[3], CPoint(c.m_RPoints[2].x, -959));  // half-space foot
    ASSERT_EQ(c.m_RSides.GetSize(), 4);
    EXPECT_EQ(c.m_RSides[1].y2, c.m_RPoints[2].y);
    EXPECT_EQ(c.m_RSides[2].x1, c.m_RSides[3].x1);  // the half-space twice
    EXPECT_EQ(c.m_RSides[2].y2, c.m_RSides[3].y2);

    // The parameter-vector form loads the same model.
    CDrawRPToH d;
    FArr param = arr({10, 20, 100, 10, 1000});
    FArr p = arr({1, 2, 3});
    d.SetRPToHData(param, p, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d.m_fR[i], c.m_fR[i]);
        EXPECT_EQ(d.m_fH[i], c.m_fH[i]);
        EXPECT_EQ(d.m_fP[i], static_cast<float>(i + 1));
    }
    EXPECT_EQ(d.m_fThick[1], 20.0f);
}

TEST(CDrawRPToHMapping, AbscissaStretchesOnlyBelowHalfAMillimetrePerUnit)
{
    CDrawRPToH c;
    c.CalcuDisrate(1800, 850, 359.0f, 0.0f);
    EXPECT_EQ(c.m_fRRate, 5.0f);
    EXPECT_EQ(c.m_fHRate, -850.0f);
    c.CalcuDisrate(1800, 850, 360.0f, 0.0f);
    EXPECT_FLOAT_EQ(c.m_fRRate, 1800.0f / 361 * 10);
    // A maximum whose truncation is -1 would divide by zero: no scale instead.
    c.CalcuDisrate(1800, 850, -1.5f, -1.2f);
    EXPECT_EQ(c.m_fRRate, 0.0f);
    EXPECT_EQ(c.m_fHRate, 0.0f);

    FArr empty;
    FArr negative = arr({0, 0, -0.5f});
    FArr zeros = arr({0, 0});
    EXPECT_FALSE(c.SampleIsNotZero(empty));
    EXPECT_TRUE(c.SampleIsNotZero(negative));
    EXPECT_FALSE(c.SampleIsNotZero(zeros));
}

TEST(CDrawRPToHMapping, ZeroRangesKeepTheirValuesAndWildValuesClamp)
{
    CDrawRPToH c;
    FArr none;
    FArr res = arr({50});
    c.GetData(none, res, 1);  // a half-space alone: the only depth is 0
    EXPECT_EQ(c.m_fMaxH, 0.0f);
    EXPECT_EQ(c.m_nHScale, 5);
    EXPECT_EQ(c.m_RPoints[0], CPoint(1764, 0));  // 1800 units over 51 ohm-m: 35.29 a unit
    EXPECT_EQ(c.m_RPoints[1].y, c.m_rcArea.bottom);

    // Values beyond the int range or not numbers at all still give points.
    FArr thick = arr({1e30f});
    FArr wild = arr({std::numeric_limits<float>::quiet_NaN(), 3e38f});
    c.GetData(thick, wild, 2);
    EXPECT_EQ(c.m_fMaxR, 3e38f);  // the NaN layer is passed over
    EXPECT_EQ(c.m_RPoints[0].x, 0);
    EXPECT_EQ(c.m_RPoints[1].x, 17999);
    EXPECT_EQ(c.m_nRScale, std::numeric_limits<int>::max());  // stops at the int range
    c.m_fRRate = 10.0f;
    c.ValueToPt();
    EXPECT_EQ(c.m_RPoints[1].x, std::numeric_limits<int>::max());
    CRecordingDC dc;
    c.DrawOrdinate(&dc);
    c.DrawCurve(&dc);
    EXPECT_FALSE(dc.ops().empty());

    // A scale of ten million ticks stops at the one cap of every scale.
    c.m_nRScale = 10'000'000;
    c.m_nHScale = 0;  // no depth scale at all
    QWidget widget;
    CWnd wnd;
    wnd.Attach(&widget);
    CRecordingDC dense;
    c.DrawOrdianteOnMemDC(&wnd, &dense);
    EXPECT_EQ(linesOf(dense, RGB(150, 150, 0)).size(), static_cast<size_t>(TickGenerator::kMaxTicks));
    wnd.Detach();
}

TEST(CDrawRPToHEditing, SideHitTestIsStrictAtTheBandAndTheEnds)
{
    CDrawRPToH c;
    CDrawRPToH::tagside s;
    c.Create_Sides(s, CPoint(500, -100), CPoint(900, -300));
    EXPECT_EQ(s.x2, 500);
    EXPECT_EQ(s.y2, -300);
    const auto hits = [&](int x, int y) {
        tagPOINT p{x, y};
        return c.IsPtInRSide(p, s) == TRUE;
    };
    EXPECT_TRUE(hits(509, -200));
    EXPECT_TRUE(hits(491, -200));
    EXPECT_FALSE(hits(510, -200));
    EXPECT_FALSE(hits(505, -99));
    EXPECT_TRUE(hits(505, -101));
    EXPECT_FALSE(hits(500, -300));
    EXPECT_FALSE(hits(std::numeric_limits<int>::min(), -200));  // no overflow

    CDrawRPToH::tagside point;
    c.Create_Sides(point, CPoint(10, 10), CPoint(10, 10));
    tagPOINT on{10, 10};
    EXPECT_FALSE(c.IsPtInPSide(on, point));
}

TEST(CDrawRPToHEditing, DraggingALayerSideWritesItsResistivityBack)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    // Layer 1 (10 ohm-m) runs from depth 10 to 30.
    tagPOINT press{c.m_RPoints[1].x + 3, (c.m_RPoints[1].y + c.m_RPoints[2].y) / 2};
    c.DefinePtInside(press);
    EXPECT_EQ(c.m_bInSide, TRUE);
    EXPECT_EQ(c.m_bRSide, TRUE);
    EXPECT_EQ(c.m_bPSide, FALSE);
    EXPECT_EQ(c.m_nSideIndex, 1);

    // A miss afterwards leaves the hit as it was.
    tagPOINT miss{5000, 100};
    c.DefinePtInside(miss);
    EXPECT_EQ(c.m_nSideIndex, 1);

    tagPOINT to{899, -9999};
    const CPoint below = c.m_RPoints[2];
    c.MoveSide(to);
    EXPECT_EQ(c.m_RPoints[1], CPoint(899, -274));  // only the abscissa follows
    EXPECT_EQ(c.m_RSides[1].x1, 899);
    EXPECT_EQ(c.m_RSides[1].x2, 899);
    EXPECT_EQ(c.m_RPoints[2], below);
    c.SaveChangeValue(to);
    EXPECT_NEAR(c.m_fR[1], 49.994, 1e-3);
    EXPECT_EQ(c.m_fR[0], 100.0f);

    c.GetMaxMin();
    c.CalcuDisrate(c.m_lDisWidth, c.m_lDisHeight, c.m_fMaxR, c.m_fMaxH);
    c.SetAreaRect();
    c.ValueToPt();
    EXPECT_EQ(c.m_RPoints[1].x, static_cast<int>(c.m_fR[1] * static_cast<double>(c.m_fRRate)));
}

TEST(CDrawRPToHEditing, TheHalfSpaceIsFoundAsItsSecondSideAndEditsTheLastLayer)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    tagPOINT press{c.m_RPoints[2].x, c.m_RPoints[2].y - 100};
    c.DefinePtInside(press);
    EXPECT_EQ(c.m_nSideIndex, 3);
    const CDrawRPToH::tagside before = c.m_RSides[2];
    tagPOINT to{9000, 0};
    c.MoveSide(to);
    EXPECT_EQ(c.m_RPoints[2].x, 9000);
    EXPECT_EQ(c.m_RSides[3].x1, 9000);
    EXPECT_EQ(c.m_RSides[2].x1, before.x1);  // the first copy stays until remapped
    c.SaveChangeValue(to);
    EXPECT_NEAR(c.m_fR[2], 9000 / c.m_fRRate, 1e-3);
    EXPECT_EQ(c.m_fR[1], 10.0f);
}

TEST(CDrawRPToHEditing, PSidesWinButStoreNothingAndEditsNeedARate)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    // The host lays a P outline on top of the resistivity one.
    for (int i = 0; i <= 3; ++i)
        c.m_PPoints[i] = c.m_RPoints[i];
    for (int i = 0; i < 3; ++i)
        c.Create_Sides(c.m_PSides[i], c.m_PPoints[i], c.m_PPoints[i + 1]);
    tagPOINT press{c.m_RPoints[0].x, -100};
    c.DefinePtInside(press);
    EXPECT_EQ(c.m_bRSide, TRUE);
    EXPECT_EQ(c.m_bPSide, TRUE);
    EXPECT_EQ(c.m_nSideIndex, 0);
    tagPOINT to{3000, 0};
    c.MoveSide(to);
    EXPECT_EQ(c.m_PPoints[0].x, 3000);
    EXPECT_EQ(c.m_RPoints[0].x, 3000);

    c.m_bRSide = FALSE;
    c.SaveChangeValue(to);
    EXPECT_EQ(c.m_fR[0], 100.0f);
    c.m_bRSide = TRUE;
    c.m_fRRate = 0.0f;
    c.SetChangeValue(3000.0f);
    EXPECT_EQ(c.m_fR[0], 100.0f);
    // A rate so small that the value leaves the float range stores infinity.
    c.m_fRRate = 1e-37f;
    c.SetChangeValue(1e9f);
    EXPECT_EQ(c.m_fR[0], std::numeric_limits<float>::infinity());
    c.m_fR[0] = 100.0f;
    // An index the host set out of range touches nothing.
    c.m_fRRate = 10.0f;
    c.m_nSideIndex = -1;
    c.MoveSide(to);
    c.SaveChangeValue(to);
    c.m_nSideIndex = 4;
    c.MoveSide(to);
    c.SaveChangeValue(to);
    EXPECT_EQ(c.m_fR[0], 100.0f);
    EXPECT_EQ(c.m_fR[2], 1000.0f);
}

TEST(CDrawRPToHDrawing, ScreenScalesFollowTheRates)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    CRecordingDC dc;
    c.DrawOrdinate(&dc);
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(-100, 150));
    EXPECT_EQ(dc.GetCurrentPen()->IsStock(), true);
    EXPECT_EQ(dc.GetCurrentFont()->IsStock(), true);

    const GdiOp* title = testsupport::findText(dc, "一维地电模型");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->logical[0], CPoint(50, 100));

    // Resistivity: a tick every ten units (179.8 long), a label every fifth;
    // depth: a tick every unit (27.4 long), 0 .. 34.
    const auto minor = linesOf(dc, RGB(150, 150, 0));
    const auto major = linesOf(dc, RGB(0, 0, 0));
    ASSERT_EQ(minor.size(), 101u + 35u);
    ASSERT_EQ(major.size(), 21u + 7u);
    EXPECT_EQ(minor[1], std::make_pair(CPoint(179, -939), CPoint(179, -959)));
    EXPECT_EQ(major[1], std::make_pair(CPoint(899, -934), CPoint(899, -959)));
    EXPECT_EQ(minor[101 + 34], std::make_pair(CPoint(17979, -932), CPoint(17999, -932)));
    const auto t = texts(dc);
    ASSERT_EQ(t.size(), 1u + 21u + 7u);
    EXPECT_EQ(t[1], "0.0   ");
    EXPECT_EQ(t[2], "50.0  ");
    EXPECT_EQ(t[3], "100.0 ");
    EXPECT_EQ(t[21], "1000.0");
    EXPECT_EQ(t[22], "0.0   ");
    EXPECT_EQ(t[28], "30.0  ");
    EXPECT_EQ(testsupport::textOps(dc)[28]->logical[0], CPoint(17999, -822));
}

TEST(CDrawRPToHDrawing, TheOutlineIsAStaircaseDownToTheAreaBottom)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    CRecordingDC dc;
    c.DrawCurve(&dc);
    const auto lines = linesOf(dc, RGB(0, 0, 255));
    const CPoint* p = c.m_RPoints.GetData();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], std::make_pair(p[0], CPoint(p[0].x, p[1].y)));
    EXPECT_EQ(lines[1], std::make_pair(CPoint(p[0].x, p[1].y), p[1]));
    EXPECT_EQ(lines[3], std::make_pair(CPoint(p[1].x, p[2].y), p[2]));
    EXPECT_EQ(lines[4], std::make_pair(p[2], CPoint(p[2].x, -959)));

    CDrawRPToH one;
    FArr none;
    FArr res = arr({80});
    one.GetData(none, res, 1);
    CRecordingDC dc1;
    one.DrawCurve(&dc1);
    const auto single = linesOf(dc1, RGB(0, 0, 255));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].second.y, one.m_rcArea.bottom);
}

TEST(CDrawRPToHDrawing, MemoryRouteLandsOnTheWindowsPixelsWithFixedSteps)
{
    CDrawRPToH c;
    loadThreeLayers(c);
    QWidget widget;
    widget.resize(800, 500);
    CWnd wnd;
    wnd.Attach(&widget);
    CRecordingDC mem;  // one unit a pixel, like a bitmap behind the window
    c.DrawOrdianteOnMemDC(&wnd, &mem);
    c.DrawCurveOnMemDC(&wnd, &mem);

    CDC* wdc = wnd.GetDC();
    c.SetOrg(wdc);
    CPoint foot(c.m_RPoints[2].x, c.m_rcArea.bottom);
    CPoint first = c.m_RPoints[0];
    wdc->LPtoDP(&foot);
    wdc->LPtoDP(&first);
    wnd.ReleaseDC(wdc);
    const auto outline = linesOf(mem, RGB(0, 0, 255));
    ASSERT_EQ(outline.size(), 5u);
    EXPECT_EQ(outline[0].first, first);
    EXPECT_EQ(outline[4].second, foot);

    // Resistivity ticks for i = 0 .. 999 at multiples of ten, labels every
    // hundred up to 900; depth ticks 0 .. 34, labels every fifth.
    EXPECT_EQ(linesOf(mem, RGB(150, 150, 0)).size(), 1000u + 35u);
    EXPECT_EQ(linesOf(mem, RGB(0, 0, 0)).size(), 10u + 7u);
    const auto t = texts(mem);
    ASSERT_EQ(t.size(), 1u + 10u + 7u);
    EXPECT_EQ(t[1], "0.00  ");
    EXPECT_EQ(t[2], "100.00");
    EXPECT_EQ(t[10], "900.00");
    EXPECT_EQ(t[17], "30.00 ");
    EXPECT_EQ(mem.GetMapMode(), MM_TEXT);
    wnd.Detach();
}
