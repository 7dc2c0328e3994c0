// The window-drawing calls of a device context: edges and frame controls in
// the system's colours, inverting, focus rectangles and text in a box.
#include "TestSupport.h"

#include "platform/gdi/CImageDC.h"

#include <gtest/gtest.h>

using testsupport::opsOfKind;

TEST(WindowDrawing, SunkenEdgeIsShadowOverHighlightInTwoRings)
{
    CRecordingDC dc;
    dc.SetBkColor(RGB(1, 2, 3));
    CRect r(0, 0, 10, 8);
    dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const auto fills = opsOfKind(dc, GdiOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 8u);
    EXPECT_EQ(fills[0]->fill, GetSysColor(COLOR_BTNSHADOW));           // outer top
    EXPECT_EQ(fills[0]->logical[1], CPoint(10, 1));
    EXPECT_EQ(fills[2]->fill, GetSysColor(COLOR_BTNHIGHLIGHT));        // outer bottom
    EXPECT_EQ(fills[2]->logical[0], CPoint(0, 7));
    EXPECT_EQ(fills[4]->fill, GetSysColor(COLOR_3DDKSHADOW));          // inner top
    EXPECT_EQ(fills[4]->logical[0], CPoint(1, 1));
    EXPECT_EQ(r, CRect(2, 2, 8, 6));
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

TEST(WindowDrawing, ScrollArrowPointsDownAndMovesWhenPushed)
{
    for (const UINT pushed : {0u, DFCS_PUSHED}) {
        CRecordingDC dc;
        CRect r(0, 0, 17, 17);
        dc.DrawFrameControl(&r, DFC_SCROLL, DFCS_SCROLLDOWN | pushed);
        std::vector<const GdiOp*> arrow;
        for (const GdiOp* op : opsOfKind(dc, GdiOp::Kind::FillRect))
            if (op->fill == GetSysColor(COLOR_BTNTEXT))
                arrow.push_back(op);
        ASSERT_GE(arrow.size(), 3u);
        // Rows narrow downwards, centred.
        const int w0 = arrow.front()->logical[1].x - arrow.front()->logical[0].x;
        const int w1 = arrow.back()->logical[1].x - arrow.back()->logical[0].x;
        EXPECT_GT(w0, w1);
        EXPECT_EQ(w1, 1);
        EXPECT_EQ(arrow.back()->logical[0].x, 8 + (pushed ? 1 : 0));
    }
}

TEST(WindowDrawing, InvertingTwiceRestoresAndFocusFramesAreDotted)
{
    CImageDC dc(20, 20, 96);
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    const CRect r(2, 2, 12, 12);
    dc.InvertRect(&r);
    EXPECT_EQ(dc.Image().pixelColor(5, 5), QColor(0, 0, 0));
    EXPECT_EQ(dc.Image().pixelColor(12, 5), QColor(255, 255, 255));
    dc.InvertRect(&r);
    EXPECT_EQ(dc.Image().pixelColor(5, 5), QColor(255, 255, 255));

    dc.DrawFocusRect(&r);
    const QImage& img = dc.Image();
    int dark = 0;
    for (int x = 2; x < 12; ++x)
        dark += img.pixelColor(x, 2) == QColor(0, 0, 0) ? 1 : 0;
    EXPECT_EQ(dark, 5);  // every other pixel along the top
    EXPECT_EQ(img.pixelColor(6, 6), QColor(255, 255, 255));
    dc.DrawFocusRect(&r);
    EXPECT_EQ(testsupport::countColour(dc.Image(), QColor(0, 0, 0), 0), 0);
}

TEST(WindowDrawing, TextInABoxIsPlacedByItsFormat)
{
    CRecordingDC dc;
    dc.SetTextAlign(TA_BASELINE);
    CRect box(0, 0, 200, 40);
    dc.DrawText("ab", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.DrawText(CString("one\ntwo"), &box, 0);
    const auto texts = testsupport::textOps(dc);
    ASSERT_EQ(texts.size(), 3u);
    const CSize ext = dc.GetTextExtent(CString("ab"));
    EXPECT_EQ(texts[0]->logical[0].x, (200 - ext.cx) / 2);
    EXPECT_GT(texts[0]->logical[0].y, 0);
    EXPECT_EQ(texts[0]->style.textAlign, TA_TOP | TA_LEFT);
    EXPECT_EQ(texts[1]->logical[0], CPoint(0, 0));
    EXPECT_GT(texts[2]->logical[0].y, 0);
    EXPECT_EQ(dc.GetTextAlign(), static_cast<UINT>(TA_BASELINE));
    CRect calc(5, 5, 5, 5);
    dc.DrawText(CString("one\ntwo"), &calc, DT_CALCRECT);
    EXPECT_EQ(calc.Height(), 2 * (texts[2]->logical[0].y - texts[1]->logical[0].y));
    EXPECT_EQ(testsupport::textOps(dc).size(), 3u);
}
