// The polygon section: placement, the one true scale, its two axes, what it
// hands the filled drawing, the axis dialogs, and the drawing on real pixels.
#include "TestSupport.h"
#include "axis/DialogDriver.h"

#include "geometry/CMyPolySect.h"
#include "geometry/SectionSheet.h"
#include "platform/gdi/CImageDC.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

// One square body with a square hole, corners given in model units.
void squareModel(TMOD2D& m, double x0, double y0, double side, double rho)
{
    const double pts[][2] = {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side},
                             {x0 + side / 4, y0 + side / 4}, {x0 + side * 3 / 4, y0 + side / 4},
                             {x0 + side * 3 / 4, y0 + side * 3 / 4}, {x0 + side / 4, y0 + side * 3 / 4}};
    m.m_Verts.SetSize(8);
    m.m_Lines.SetSize(8);
    m.m_Polys.SetSize(2);
    for (int i = 0; i < 8; ++i) {
        m.m_Verts[i].x = pts[i][0];
        m.m_Verts[i].y = pts[i][1];
        const int ring = i / 4;
        m.m_Lines[i].nV0 = i;
        m.m_Lines[i].nV1 = ring * 4 + (i + 1) % 4;
        m.m_Polys[ring].m_Lines.Add(i);
        m.m_Polys[ring].m_Sense.Add(1);
    }
    m.m_Cplx.SetSize(1);
    m.m_Cplx[0].dRho = rho;
    m.m_Cplx[0].m_Rings.Add(0);
    m.m_Cplx[0].m_Rings.Add(1);
}

std::vector<CPoint> polygonPoints(const CRecordingDC& dc)
{
    const auto polys = testsupport::opsOfKind(dc, GdiOp::Kind::Polygon);
    return polys.empty() ? std::vector<CPoint>{} : polys[0]->logical;
}

}  // namespace

TEST(CMyPolySect, PlacingMakesModelUnitsLogicalUnits)
{
    CMyPolySect s;
    EXPECT_EQ(s.m_nWidth, 100);
    EXPECT_EQ(s.m_nDrawOpt2, 1);
    s.IntPolyRect(0, 1000, 2000, 0, 10);
    EXPECT_EQ(s.m_dXScale, 10.0);
    EXPECT_EQ(s.m_dYScale, 10.0);
    EXPECT_EQ(s.m_rcSect, CRect(0, 0, 2000, 1000));
    EXPECT_EQ(s.m_nHeight, 1000);
    EXPECT_EQ(s.m_XAxis.m_ptStart, CPoint(0, 1000));
    EXPECT_EQ(s.m_XAxis.m_ptEnd, CPoint(2000, 1000));
    EXPECT_EQ(s.m_YAxis.m_ptStart, CPoint(0, 0));
    EXPECT_EQ(s.m_YAxis.m_ptEnd, CPoint(0, 1000));
    EXPECT_EQ(s.m_XAxis.m_nTickDir, 1);
    EXPECT_EQ(s.m_YAxis.m_nTickDir, 2);

    // The filled drawing gets the device origin (0, 0): a corner at the
    // model's (0, 0) lands there, and one at (400, 200) on (400, 200).
    TMOD2D m;
    squareModel(m, 0, 0, 400, 50);
    s.Creat_model(m);
    CRecordingDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    s.DrawAll(&dc);
    const std::vector<CPoint> p = polygonPoints(dc);
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[0], CPoint(0, 0));
    EXPECT_EQ(p[2], CPoint(400, 400));
    EXPECT_EQ(p[4], CPoint(100, 100));
    // Axes first, the model painted over them.
    EXPECT_EQ(dc.ops().back().kind, GdiOp::Kind::Polygon);
    EXPECT_EQ(dc.ops().front().kind, GdiOp::Kind::Polyline);

    // Hit-testing keeps to the normalised rectangle: left and top edges in,
    // right and bottom edges out.
    EXPECT_TRUE(s.IsinPolyRect(POINT{0, 0}));
    EXPECT_TRUE(s.IsinPolyRect(POINT{1999, 999}));
    EXPECT_FALSE(s.IsinPolyRect(POINT{2000, 500}));
    EXPECT_FALSE(s.IsinPolyRect(POINT{500, 1000}));
    EXPECT_FALSE(s.IsinPolyRect(POINT{-1, 500}));
}

TEST(CMyPolySect, ResetDrawsAtOneTrueScale)
{
    CMyPolySect s;
    s.IntPolyRect(0, 1000, 2000, 0, 10);
    TMOD2D m;
    squareModel(m, 100, -250, 200, 80);
    s.Creat_model(m);
    EXPECT_EQ(s.m_Model.m_Verts.GetSize(), 8);  // a copy, not a reference
    m.m_Verts.SetSize(1);
    EXPECT_EQ(s.m_Model.m_Verts.GetSize(), 8);

    s.Reset(3, 0, 0.0, 500.0, -300.0, 0.0);
    EXPECT_EQ(s.m_dXScale, 2.5);
    EXPECT_EQ(s.m_dYScale, 2.5);
    EXPECT_FLOAT_EQ(s.m_XAxis.m_fLength, 200.0f);
    EXPECT_FLOAT_EQ(s.m_YAxis.m_fLength, 120.0f);
    EXPECT_EQ(s.m_XAxis.m_ptEnd, CPoint(2000, 1000));
    // The vertical axis hangs 120 mm below the origin, its minimum at the bottom.
    EXPECT_EQ(s.m_YAxis.m_ptStart, CPoint(0, -200));
    EXPECT_EQ(s.m_YAxis.m_ptEnd, CPoint(0, 1000));
    EXPECT_FLOAT_EQ(s.m_YAxis.m_fMin, -300.0f);

    // (xMin, yMin) lands on the axes' start; 100 model units are 40 mm.
    CRecordingDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    s.DrawAll(&dc);
    const auto polys = testsupport::opsOfKind(dc, GdiOp::Kind::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    const std::vector<CPoint>& p = polys[0]->logical;
    EXPECT_EQ(p[0], CPoint(400, -200 + 200));   // (100, -250)
    EXPECT_EQ(p[2], CPoint(1200, -200 + 1000));  // (300, -50)
    // Drawing options: 0.3 mm outlines, no fill.
    EXPECT_EQ(polys[0]->style.pen.width, 3);
    EXPECT_EQ(polys[0]->style.brush.style, BS_NULL);

    CMyPolySect copy(s);
    s.m_Model.m_Verts[0].x = 0;
    EXPECT_EQ(copy.m_Model.m_Verts[0].x, 100.0);
    EXPECT_EQ(copy.m_YAxis.m_ptStart, CPoint(0, -200));
    EXPECT_EQ(copy.m_dYScale, 2.5);
}

TEST(CMyPolySect, AnAxisDialogChangesItsOwnScaleOnly)
{
    CMyPolySect s;
    s.IntPolyRect(0, 1000, 2000, 0, 10);
    s.Reset(0, 1, 0.0, 500.0, -300.0, 0.0);
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_AXIS_SCALE, "5");
        retype(d, IDC_AXIS_MAX, "400");
        click(d, IDOK);
    });
    s.SetXaxs();
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(s.m_dXScale, 5.0);
    EXPECT_EQ(s.m_dXMax, 400.0);
    EXPECT_EQ(s.m_dYScale, 2.5);
    EXPECT_EQ(s.m_dYMin, -300.0);

    // Cancel leaves the axis as it was; the section takes back the same values.
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_AXIS_MIN, "-100");
        click(d, IDCANCEL);
    });
    s.SetYaxs();
    EXPECT_EQ(s.m_dYMin, -300.0);
    EXPECT_EQ(s.m_dYScale, 2.5);
    EXPECT_EQ(s.m_dXScale, 5.0);
}

TEST(CMyPolySect, FillsOnRealPixelsFromTheAxesStart)
{
    CMyPolySect s;
    TMOD2D m;
    squareModel(m, 0, 0, 40, 1000);
    s.Creat_model(m);
    // At 254 dpi a logical unit of MM_LOMETRIC (0.1 mm) is one pixel.
    CImageDC dc(1200, 900, 254);
    dc.SetMapMode(MM_LOMETRIC);
    // Place logical (0, 0) at pixel (100, 800).
    dc.SetViewportOrg(100, 800);
    s.IntPolyRect(0, 600, 1000, 0, 10);
    s.Reset(0, 1, 0.0, 50.0, 0.0, 30.0);  // 0.5 model units a millimetre
    ASSERT_EQ(s.m_YAxis.m_ptStart, CPoint(0, 0));
    s.DrawAll(&dc);
    const QImage& img = dc.Image();
    CMYColor scale;
    scale.FitModel(s.m_Model);
    const COLORREF c = scale.ColourOf(1000);
    const QColor fill(GetRValue(c), GetGValue(c), GetBValue(c));
    // The model's (0, 0) is at the axes' start, pixel (100, 800): the square
    // (80 mm side on the page) begins just right of and above it.
    EXPECT_EQ(testsupport::countNear(img, 104, 796, 2, fill, 20), 25);
    EXPECT_EQ(testsupport::countNear(img, 96, 804, 2, fill, 20), 0);
    // Interior of the body, outside the hole.
    EXPECT_EQ(testsupport::countNear(img, 100 + 100, 800 - 100, 3, fill, 20), 49);
    // Inside the hole: not filled.
    EXPECT_EQ(testsupport::countNear(img, 100 + 400, 800 - 400, 3, fill, 20), 0);
    // The square's far corner, 40 model units = 80 mm = 800 pixels away.
    EXPECT_EQ(testsupport::countNear(img, 100 + 796, 800 - 796, 2, fill, 20), 25);
    EXPECT_EQ(testsupport::countNear(img, 100 + 806, 800 - 700, 2, fill, 20), 0);
}

TEST(CMyPolySect, AnEmptyRectangleOrAZeroScaleDrawsOnlyWhatItCan)
{
    // No defined scale: the axes collapse and the model is not drawn, without fault.
    CMyPolySect s;
    TMOD2D m;
    squareModel(m, 0, 0, 10, 10);
    s.Creat_model(m);
    s.IntPolyRect(0, 0, 0, 0, 10);
    CRecordingDC dc;
    s.DrawAll(&dc);
    s.Reset(0, 1, 5.0, 5.0, 0.0, 1.0);
    s.DrawAll(&dc);
    EXPECT_TRUE(testsupport::opsOfKind(dc, GdiOp::Kind::Polygon).empty());
}
