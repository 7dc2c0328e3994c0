// Picking and dragging measured points, the redraw list, the legend tip.
#include "SoundingCharts.h"

#include "platform/afxwin.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {
std::vector<CPoint> Copy(const CArray<CPoint, CPoint>& a) { return std::vector<CPoint>(a.begin(), a.end()); }
}  // namespace

TEST(CDrawRPCurveEditing, APressPicksTheLastMarkerThatHoldsItStrictly)
{
    CDrawRPCurve c;
    LoadReference(c);  // measured R sample 1 sits at (3250, 3493)
    CPoint onEdge(3250 + 60, 3493), inside(3250 + 59, 3493), miss(-99999, 0);
    c.DefineInRect(onEdge);
    EXPECT_EQ(c.m_nSelCurve, 0);
    c.DefineInRect(inside);
    EXPECT_EQ(c.m_nSelCurve, 1);
    EXPECT_EQ(c.m_nSelIndex, 1);
    c.DefineInRect(miss);  // a miss keeps the pick
    EXPECT_EQ(c.m_nSelCurve, 1);
    c.m_VRects[1] = c.m_RRects[1];  // overlapping markers: V wins
    c.DefineInRect(inside);
    EXPECT_EQ(c.m_nSelCurve, 2);
    c.m_RRects[3] = c.m_RRects[1];  // and a later sample wins over both
    c.DefineInRect(inside);
    EXPECT_EQ(c.m_nSelCurve, 1);
    EXPECT_EQ(c.m_nSelIndex, 3);
}

TEST(CDrawRPCurveEditing, DraggingMovesPointAndMarkerAndWritesTheValueOfItsHeight)
{
    CDrawRPCurve c;
    LoadReference(c);
    CPoint to(1000, 2000);
    EXPECT_FALSE(c.IsMoveChange(to));  // nothing picked
    EXPECT_EQ(c.m_VPoints[2], CPoint(6500, 1117));
    c.m_nSelCurve = 2;
    c.m_nSelIndex = 2;
    EXPECT_TRUE(c.IsMoveChange(to));
    EXPECT_FLOAT_EQ(c.m_fV[2], 143.14287f);
    EXPECT_EQ(c.m_VPoints[2], to);
    EXPECT_EQ(c.m_VRects[2], CRect(940, 2060, 1060, 1940));
    EXPECT_EQ(c.m_fX[2], 100.0f);
    CArray<CPoint, CPoint> out;
    c.GetChangePtAndBorderPt(out);
    EXPECT_EQ(Copy(out), (std::vector<CPoint>{c.m_VPoints[1], to, c.m_VPoints[3]}));
    c.m_nSelIndex = 4;  // no such sample: nothing moves
    EXPECT_FALSE(c.IsMoveChange(to));

    LoadReference(c, 2);
    c.m_nSelCurve = 1;
    c.m_nSelIndex = 0;
    CPoint up(0, 3785);
    EXPECT_TRUE(c.IsMoveChange(up));
    EXPECT_NEAR(c.m_fR[0], 100.0198f, 1e-4);
    c.m_fYRate = 3250.0f;  // only the height counts, whatever x
    CPoint h(-777, 6500);
    c.IsMoveChange(h);
    EXPECT_FLOAT_EQ(c.m_fR[0], 100.0f);
    c.m_nDisModel = 1;
    c.IsMoveChange(h);
    EXPECT_FLOAT_EQ(c.m_fR[0], 2.0f);
}

TEST(CDrawRPCurveEditing, TheRedrawListHoldsTheSegmentsThatTouchThePoint)
{
    CDrawRPCurve c;
    Load(c, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    const auto& p = c.m_RPoints;
    const std::pair<int, std::vector<CPoint>> cases[] = {
        {0, {p[0], p[1]}}, {3, {p[2], p[3], p[4]}}, {9, {p[8], p[9]}}, {10, {}}, {-1, {}}};
    CArray<CPoint, CPoint> out;
    for (const auto& [index, expect] : cases) {
        c.BackChangePtAndBorderPt(index, c.m_RPoints.GetData(), out);
        EXPECT_EQ(Copy(out), expect) << index;
    }
    CRecordingDC dc;
    c.BackChangePtAndBorderPt(3, c.m_RPoints.GetData(), out);
    c.DrawChangePt(out, &dc);
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.ops()[0].logical, Copy(out));
    EXPECT_EQ(dc.ops()[0].style.pen.color, RGB(0, 0, 0));  // the surface's own pen

    Load(c, {5}, {5}, {5}, {5}, {5});
    c.BackChangePtAndBorderPt(0, c.m_RPoints.GetData(), out);
    EXPECT_EQ(Copy(out), (std::vector<CPoint>{c.m_RPoints[0]}));
}

TEST(CDrawRPCurveEditing, TheLegendTipShowsStrictlyInsideTheFrameOnceItHasAWindow)
{
    CDrawRPCurve c;
    LoadReference(c);
    QWidget view;
    CWnd wnd;
    wnd.Attach(&view);
    CPoint inside(0, 100), edge(-3250, 100);
    c.SetTooltip(&wnd, inside);  // no tooltip window yet: nothing to show
    EXPECT_FALSE(c.m_ToolTip.IsTipShown());
    EXPECT_EQ(c.m_ToolTip.GetToolCount(), 0);
    ASSERT_TRUE(c.m_ToolTip.Create(&wnd));
    c.SetTooltip(&wnd, inside);
    c.SetTooltip(&wnd, inside);
    EXPECT_TRUE(c.m_ToolTip.IsTipShown());
    EXPECT_EQ(c.m_ToolTip.GetToolCount(), 1);
    EXPECT_EQ(c.m_ToolTip.GetToolText(&wnd), "黑色(红色)--实测\n蓝色(绿色)--正演\n");
    c.SetTooltip(&wnd, edge);
    EXPECT_FALSE(c.m_ToolTip.IsTipShown());
    EXPECT_TRUE(c.m_ToolTip.GetShownText().IsEmpty());
    wnd.Detach();
}
