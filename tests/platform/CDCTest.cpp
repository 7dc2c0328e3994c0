// The device context: mapping, selection, text placement and the surfaces.
#include "TestSupport.h"

#include "platform/wnd/afxwin.h"

#include <gtest/gtest.h>

using testsupport::countNear;

TEST(CDCMapping, MetricModesScaleByResolutionAndFlipY)
{
    CRecordingDC dc(254);  // 100 pixels per centimetre
    dc.SetMapMode(MM_HIMETRIC);
    CPoint p(1000, -1000);  // 10 mm right, 10 mm down
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(100, 100));
    dc.SetWindowOrg(-500, 2000);
    p = CPoint(0, 0);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(50, 200));
    dc.DPtoLP(&p);
    EXPECT_EQ(p, CPoint(0, 0));

    dc.SetMapMode(MM_LOMETRIC);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(7, 9);
    p = CPoint(10, 10);  // 1 mm right and up
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(17, -1));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
}

TEST(CDCMapping, TextModeIsOnePixelAUnitAndWildValuesClamp)
{
    CRecordingDC dc(96);
    CPoint p(12, 34);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(12, 34));
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetViewportOrg(INT_MAX, INT_MIN);
    p = CPoint(INT_MAX, INT_MAX);
    dc.LPtoDP(&p);  // beyond 32 bits: clamped, not undefined
    EXPECT_EQ(p.x, INT_MAX);
    EXPECT_EQ(p.y, INT_MIN);
    EXPECT_EQ(dc.SetMapMode(12345), MM_HIMETRIC);  // unknown modes are refused
    EXPECT_EQ(dc.GetMapMode(), MM_HIMETRIC);
}

TEST(CDCObjects, SelectReturnsPreviousAndKeepsACopy)
{
    CRecordingDC dc;
    auto* red = new CPen(PS_DASH, 3, RGB(255, 0, 0));
    CPen* old = dc.SelectObject(red);
    EXPECT_TRUE(old->IsStock());
    EXPECT_EQ(dc.SelectObject(red), red);
    delete red;  // the context drew with a copy, so this is harmless
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.ops()[0].style.pen, (PenDesc{PS_DASH, 3, RGB(255, 0, 0)}));
    CPen never;
    EXPECT_EQ(dc.SelectObject(&never), nullptr);  // not created: refused
    CPen twice(PS_SOLID, 1, 0);
    EXPECT_FALSE(twice.CreatePen(PS_SOLID, 2, 0));
    EXPECT_FALSE(twice.CreatePen(99, 2, 0) == TRUE);
}

TEST(CDCObjects, PointFontFollowsTheSurfaceMapping)
{
    CRecordingDC dc(96);
    dc.SetMapMode(MM_HIMETRIC);
    CFont f;
    ASSERT_TRUE(f.CreatePointFont(200, nullptr, &dc));
    // 20 pt at 96 dpi is 27 pixels, 714 hundredths of a millimetre.
    EXPECT_EQ(f.desc().lfHeight, -714);
    CFont g;
    ASSERT_TRUE(g.CreatePointFont(100, "Arial"));  // the screen: pixels
    EXPECT_EQ(g.desc().lfHeight, -13);
    EXPECT_STREQ(g.desc().lfFaceName, "Arial");
    CFont tooLong;
    EXPECT_FALSE(tooLong.CreatePointFont(100, "A face name far longer than thirty-one bytes"));
}

TEST(CDCText, AlignmentPlacesTheRunAroundItsReferencePoint)
{
    CRecordingDC dc(96);
    CFont f;
    LOGFONT lf;
    lf.lfHeight = -20;
    f.CreateFontIndirect(&lf);
    dc.SelectObject(&f);
    const CSize ext = dc.GetTextExtent("10.0");
    EXPECT_GT(ext.cx, 10);
    EXPECT_GT(ext.cy, 19);

    dc.TextOut(100, 100, "10.0");
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.TextOut(100, 100, "10.0");
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.TextOut(100, 100, "10.0");
    const auto t = testsupport::textOps(dc);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_NEAR(t[0]->originX, 100, 0.01);
    EXPECT_NEAR(t[0]->originY, 100 + t[0]->ascent, 0.01);
    EXPECT_NEAR(t[1]->originX, 100 - t[1]->width, 0.01);
    EXPECT_NEAR(t[1]->originY, 100 - t[1]->descent, 0.01);
    EXPECT_NEAR(t[2]->originX, 100 - t[2]->width / 2, 0.01);
    EXPECT_NEAR(t[2]->originY, 100, 0.01);
}

TEST(CDCText, EscapementRotatesTheAlignedRunCounterClockwise)
{
    CRecordingDC dc(96);
    CFont f;
    LOGFONT lf;
    lf.lfHeight = -20;
    lf.lfEscapement = 900;
    f.CreateFontIndirect(&lf);
    dc.SelectObject(&f);
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(100, 100, "abc");
    const GdiOp& op = dc.ops().back();
    EXPECT_DOUBLE_EQ(op.angle, 90.0);
    // Right-aligned text running upwards starts below its reference point.
    EXPECT_NEAR(op.originX, 100, 0.01);
    EXPECT_NEAR(op.originY, 100 + op.width, 0.01);
}

TEST(CDCSurfaces, MemoryBitmapBlitsOntoAnImage)
{
    CImageDC screen(200, 100);
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&screen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 50, 50));
    EXPECT_EQ(mem.SelectObject(&bmp), nullptr);
    CBrush blue(RGB(0, 0, 255));
    CRect all(0, 0, 50, 50);
    mem.FillRect(&all, &blue);
    ASSERT_TRUE(screen.BitBlt(100, 20, 50, 50, &mem, 0, 0, SRCCOPY));
    const QImage& img = screen.Image();
    EXPECT_EQ(img.pixelColor(120, 40), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(20, 40), QColor(255, 255, 255));
    EXPECT_FALSE(screen.BitBlt(0, 0, 5, 5, &mem, 0, 0, 0x00EE0086));  // only copies are offered
    CBitmap huge;
    EXPECT_FALSE(huge.CreateCompatibleBitmap(&screen, 100000, 10));
}

TEST(CDCSurfaces, ThinPensAndChineseTextReachThePixels)
{
    CImageDC dc(300, 120, 96);
    CPen red(PS_SOLID, 0, RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.MoveTo(10, 10);
    dc.LineTo(290, 10);
    CFont f;
    f.CreatePointFont(200, "宋体", &dc);
    dc.SelectObject(&f);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(10, 40, CString("垂直磁分量"));
    const QImage& img = dc.Image();
    EXPECT_GT(countNear(img, 150, 10, 1, QColor(255, 0, 0)), 2);
    // Glyphs, not empty boxes: plenty of dark pixels spread over the run.
    int dark = 0;
    for (int y = 40; y < 75; ++y)
        for (int x = 10; x < 150; ++x)
            dark += qGray(img.pixel(x, y)) < 100;
    EXPECT_GT(dark, 150);
}

TEST(CDCState, SaveAndRestoreBringBackMappingAndObjects)
{
    CRecordingDC dc;
    const int saved = dc.SaveDC();
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetTextAlign(TA_RIGHT);
    CPen p(PS_DOT, 1, RGB(1, 2, 3));
    dc.SelectObject(&p);
    ASSERT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT);
    EXPECT_TRUE(dc.GetCurrentPen()->IsStock());
    EXPECT_FALSE(dc.RestoreDC(5));
}

TEST(CDCSurfaces, RectanglesAndLinesHitTheSamePixelsAsGdi)
{
    CImageDC dc(20, 20);
    CBrush grey(RGB(128, 128, 128));
    dc.SelectObject(&grey);
    dc.Rectangle(2, 2, 8, 6);  // outline on columns 2 and 7, rows 2 and 5
    dc.MoveTo(10, 12);
    dc.LineTo(16, 12);
    const QImage& img = dc.Image();
    auto at = [&](int x, int y) { return img.pixelColor(x, y); };
    const QColor black(0, 0, 0), white(255, 255, 255), fill(128, 128, 128);
    EXPECT_EQ(at(2, 2), black);
    EXPECT_EQ(at(7, 5), black);
    EXPECT_EQ(at(7, 2), black);
    EXPECT_EQ(at(4, 4), fill);
    EXPECT_EQ(at(8, 6), white);
    EXPECT_EQ(at(8, 3), white);
    EXPECT_EQ(at(1, 1), white);
    EXPECT_EQ(at(10, 12), black);
    EXPECT_EQ(at(15, 12), black);
    EXPECT_EQ(at(16, 12), white);  // the end point is not drawn
    EXPECT_EQ(at(12, 11), white);
    EXPECT_EQ(at(12, 13), white);
}
