#include "TestSupport.h"

#include "axis/CMyGridAxis.h"

#include <gtest/gtest.h>

#include <vector>

using testsupport::opsOfKind;
using testsupport::textOps;

namespace {

std::vector<int> ints(const CArray<int, int>& a)
{
    return std::vector<int>(a.begin(), a.end());
}

std::vector<CString> strings(const CStringArray& a)
{
    return std::vector<CString>(a.begin(), a.end());
}

CMyGridAxis laidOut()
{
    CMyGridAxis g;
    g.intil(0, 0, 0, 10, 1, 0, 10, 1, 10);
    return g;
}

}  // namespace

TEST(CMyGridAxisLayout, SquareFrameWithFourTicksEachWay)
{
    CMyGridAxis g = laidOut();
    EXPECT_EQ(g.m_nX1, 100);
    EXPECT_EQ(g.m_nY1, 100);
    EXPECT_EQ(g.m_nXMid, 50);
    EXPECT_EQ(g.m_nYMid, 50);
    const std::vector<CString> expected{"0.00", "3.33", "6.67", "10.00"};
    EXPECT_EQ(strings(g.m_XLabels), expected);
    EXPECT_EQ(strings(g.m_YLabels), expected);
    EXPECT_EQ(ints(g.m_XTickPos), (std::vector<int>{0, 33, 66, 100}));
    EXPECT_EQ(ints(g.m_YTickPos), (std::vector<int>{0, 33, 66, 100}));

    g.Adjust_Axis_Scale(0.5);
    EXPECT_EQ(g.m_nX1, 200);
    EXPECT_EQ(g.m_nY1, 200);
    EXPECT_EQ(ints(g.m_XTickPos), (std::vector<int>{0, 66, 133, 200}));
}

TEST(CMyGridAxisLayout, LengthsFromTheHostGiveScalesAndOverhangSteps)
{
    CMyGridAxis g = laidOut();
    g.m_dXLength = 20;
    g.ResetGridAxisMM();
    EXPECT_DOUBLE_EQ(g.m_dXScale, 0.5);
    EXPECT_DOUBLE_EQ(g.m_dXTickStep, 50.0);
    EXPECT_EQ(ints(g.m_XTickPos), (std::vector<int>{0}));

    g.m_dYTickStart = 7;
    g.Resetorg(10, 20);
    EXPECT_DOUBLE_EQ(g.m_dYTickStart, 0.0);
    EXPECT_EQ(g.m_nX0, 10);
    EXPECT_EQ(g.m_nY1, 120);
}

TEST(CMyGridAxisDrawing, GridLinesReachPastTheOriginSides)
{
    CMyGridAxis g = laidOut();
    g.m_crXTitle = RGB(255, 0, 0);
    g.m_crYTitle = RGB(0, 0, 255);
    CRecordingDC dc;
    g.DrawGridaxis(&dc);
    const auto l = opsOfKind(dc, GdiOp::Kind::Polyline);
    ASSERT_EQ(l.size(), 12u);  // 4 + 4 grid lines, then 4 frame edges
    EXPECT_EQ(l[1]->logical[0], CPoint(33, -2));
    EXPECT_EQ(l[1]->logical[1], CPoint(33, 100));
    EXPECT_EQ(l[1]->style.pen.color, RGB(169, 169, 169));
    EXPECT_EQ(l[5]->logical[0], CPoint(-2, 33));
    EXPECT_EQ(l[5]->logical[1], CPoint(100, 33));
    EXPECT_EQ(l[8]->style.pen.color, RGB(0, 0, 0));
    const GdiOp* xt = testsupport::findText(dc, "X");
    const GdiOp* yt = testsupport::findText(dc, "Y");
    ASSERT_TRUE(xt && yt);
    EXPECT_EQ(xt->style.textColor, RGB(255, 0, 0));
    EXPECT_EQ(yt->style.textColor, RGB(0, 0, 255));
    EXPECT_EQ(yt->style.textAlign, TA_BOTTOM | TA_CENTER);
    const GdiOp* x3 = testsupport::findText(dc, "3.33");
    ASSERT_TRUE(x3);
    EXPECT_EQ(x3->logical[0], CPoint(33, -2));
    EXPECT_EQ(x3->style.textAlign, TA_TOP | TA_CENTER);
}

TEST(CMyGridAxisDrawing, LabelsOffDropsGridLabelsAndTitleOfThatDirection)
{
    CMyGridAxis g = laidOut();
    g.m_bXLabels = 0;
    CRecordingDC dc;
    g.DrawGridaxis(&dc);
    EXPECT_EQ(opsOfKind(dc, GdiOp::Kind::Polyline).size(), 8u);
    EXPECT_EQ(testsupport::findText(dc, "X"), nullptr);
    EXPECT_NE(testsupport::findText(dc, "Y"), nullptr);
    EXPECT_EQ(textOps(dc).size(), 5u);
}

TEST(CMyGridAxisDrawing, NothingBeforeLayoutAndNoGridForANegativeStep)
{
    CMyGridAxis g;
    CRecordingDC dc;
    g.DrawGridaxis(&dc);
    EXPECT_TRUE(dc.ops().empty());

    g = laidOut();
    g.m_dXTickStep = -1;
    g.CreatStickMark();
    EXPECT_EQ(g.m_XTickPos.GetSize(), 0);
    g.m_dYTickStep = 0;
    g.CreatStickMark();
    EXPECT_EQ(ints(g.m_YTickPos), (std::vector<int>{0}));
}
