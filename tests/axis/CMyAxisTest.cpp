#include "TestSupport.h"

#include "chart/TickGenerator.h"
#include "axis/BoundedNumber.h"
#include "axis/CMyAxis.h"
#include "platform/gdi/CFont.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using testsupport::opsOfKind;
using testsupport::textOps;

namespace {

std::vector<CString> labels(const CMyAxis& a)
{
    std::vector<CString> out;
    for (int i = 0; i < a.m_Labels.GetSize(); ++i)
        out.push_back(a.m_Labels[i]);
    return out;
}

std::vector<int> positions(const CMyAxis& a)
{
    std::vector<int> out;
    for (int i = 0; i < a.m_TickPos.GetSize(); ++i)
        out.push_back(a.m_TickPos[i]);
    return out;
}

// Drawn lines as (x0, y0, x1, y1) in logical units.
std::vector<std::vector<int>> lines(const CRecordingDC& dc)
{
    std::vector<std::vector<int>> out;
    for (const GdiOp* op : opsOfKind(dc, GdiOp::Kind::Polyline))
        out.push_back({op->logical[0].x, op->logical[0].y, op->logical[1].x, op->logical[1].y});
    return out;
}

}  // namespace

TEST(CMyAxisLayout, HorizontalAxisOfTenMillimetres)
{
    CMyAxis a;
    a.intil(1, 1, 0, 0, 0, 10, 1, 10);
    EXPECT_FLOAT_EQ(a.m_fLength, 10.0f);
    EXPECT_EQ(a.m_fTickStep, 3.3333335f);
    EXPECT_NEAR(a.m_fTickLength, 0.2f, 1e-6);
    EXPECT_EQ(a.m_ptStart, CPoint(0, 0));
    EXPECT_EQ(a.m_ptEnd, CPoint(100, 0));
    EXPECT_EQ(a.m_nTickCount, 3);
    EXPECT_EQ(labels(a), (std::vector<CString>{"0.00", "3.33", "6.67"}));
    EXPECT_EQ(positions(a), (std::vector<int>{0, 33, 66}));

    a.intil(1, 1, 0, 0, 0, 9, 1, 10);
    EXPECT_EQ(labels(a), (std::vector<CString>{"0.00", "3.00", "6.00", "9.00"}));
    EXPECT_EQ(positions(a), (std::vector<int>{0, 30, 60, 90}));
}

TEST(CMyAxisLayout, NegativeDirectionEndsAtTheOrigin)
{
    CMyAxis a;
    a.intil(2, -1, 0, 1000, 0, 100, 2, 10);
    EXPECT_FLOAT_EQ(a.m_fLength, 50.0f);
    EXPECT_DOUBLE_EQ(a.m_dOffset, -50.0);
    EXPECT_EQ(a.m_ptStart, CPoint(0, 500));
    EXPECT_EQ(a.m_ptEnd, CPoint(0, 1000));
    EXPECT_EQ(labels(a), (std::vector<CString>{"0.00", "33.33", "66.67"}));
    std::vector<int> ys;
    for (int p : positions(a))
        ys.push_back(a.m_ptStart.y + p);
    EXPECT_EQ(ys, (std::vector<int>{500, 666, 833}));
}

TEST(CMyAxisLayout, TickStartIsKeptInsideTheRange)
{
    CMyAxis a;
    a.intil(1, 1, 0, 0, -10, 10, 1, 10);
    EXPECT_EQ(labels(a), (std::vector<CString>{"0.00", "6.67"}));

    a.m_fTickStart = 50;
    a.CreatAxis();
    EXPECT_FLOAT_EQ(a.m_fTickStart, 10.0f);
    EXPECT_EQ(labels(a), (std::vector<CString>{"10.00"}));
}

TEST(CMyAxisLayout, NewRangeOnTheSameLengthAddsAnIntervalEachTime)
{
    CMyAxis a;
    a.intil(1, 1, 0, 0, 0, 10, 1, 10);
    a.setminmaxv(0, 10);
    EXPECT_EQ(a.m_nTickCount, 4);
    EXPECT_EQ(labels(a).back(), CString("10.00"));
    a.setminmaxv(0, 10);
    EXPECT_FLOAT_EQ(a.m_fTickStep, 2.5f);
    EXPECT_EQ(a.m_nTickCount, 5);
}

TEST(CMyAxisLayout, DegenerateStepsAndHugeValuesStayDefined)
{
    CMyAxis a;
    a.intil(1, 1, 0, 0, 0, 10, 1, 10);
    a.m_fTickStep = 0;
    a.CreatAxis();
    EXPECT_EQ(a.m_nTickCount, 1);

    a.m_fTickStep = -1;
    a.CreatAxis();
    EXPECT_LE(a.m_nTickCount, 0);
    EXPECT_EQ(a.m_TickPos.GetSize(), 0);

    a.m_fTickStep = 1e-6f;
    a.CreatAxis();
    EXPECT_EQ(a.m_nTickCount, TickGenerator::kMaxTicks);
    EXPECT_EQ(a.m_Labels.GetSize(), TickGenerator::kMaxTicks);

    // Far beyond what a coordinate holds: clamped, not undefined.
    a.intil(1, 1, 0, 0, 0, 3e38, 1e-30, 1000);
    EXPECT_EQ(a.m_ptEnd.x, INT_MAX);
}

TEST(CMyAxisLayout, LabelsNeverOutgrowTheirBuffer)
{
    CMyAxis a;
    a.m_nDecimals = 15;
    a.intil(1, 1, 0, 0, 1000, 2000, 100, 1);
    for (const CString& s : labels(a))
        EXPECT_LE(s.GetLength(), BoundedNumber::kLabelChars) << s.GetString();
    EXPECT_EQ(labels(a).front(), CString("1000.00000000000000"));

    a.m_nDecimals = 2;
    a.intil(1, 1, 0, 0, 1e30, 3e30, 1e29, 1);
    EXPECT_EQ(labels(a).front(), CString("1.00e+30"));
    EXPECT_EQ(BoundedNumber::Format(-3.4e38, 2, BoundedNumber::kEditChars), CString("-3.40e+38"));
}

TEST(CMyAxisDrawing, NothingBeforeTheFirstLayout)
{
    CRecordingDC dc;
    CMyAxis a;
    a.Drawaxis(&dc);
    EXPECT_TRUE(dc.ops().empty());
}

TEST(CMyAxisDrawing, LineTicksLabelsAndTitleOfAHorizontalAxis)
{
    CRecordingDC dc;
    CMyAxis a;
    a.intil(1, 1, 100, 500, 0, 10, 1, 10);
    a.m_bTitle = 1;
    a.m_strTitle = "深度";
    a.Drawaxis(&dc);
    const auto l = lines(dc);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], (std::vector<int>{100, 500, 200, 500}));
    // Default tick direction 2: toward smaller y, 2 units long.
    EXPECT_EQ(l[2], (std::vector<int>{133, 500, 133, 498}));
    const auto t = textOps(dc);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1]->text, CString("3.33"));
    EXPECT_EQ(t[1]->style.textAlign, TA_TOP | TA_CENTER);
    EXPECT_EQ(t[1]->logical[0], CPoint(133, 498));
    EXPECT_EQ(t[3]->text, CString("深度"));
    EXPECT_EQ(t[3]->style.textAlign, TA_BASELINE | TA_LEFT);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
}

TEST(CMyAxisDrawing, TickDirectionDecidesWhatIsDrawn)
{
    CMyAxis a;
    a.intil(2, 1, 0, 0, 0, 10, 1, 10);
    a.m_bTitle = 1;
    {
        CRecordingDC dc;
        a.m_nTickDir = 0;
        a.Drawaxis(&dc);
        EXPECT_EQ(lines(dc).size(), 1u);  // the axis line only, labels on it
        const auto t = textOps(dc);
        ASSERT_EQ(t.size(), 4u);
        EXPECT_EQ(t[0]->style.textAlign, TA_BOTTOM | TA_RIGHT);
    }
    {
        CRecordingDC dc;
        a.m_nTickDir = -1;
        a.Drawaxis(&dc);
        EXPECT_EQ(lines(dc).size(), 1u);
        EXPECT_TRUE(textOps(dc).empty());
    }
    {
        CRecordingDC dc;
        a.m_nTickDir = 2;
        a.m_nKind = 3;
        a.Drawaxis(&dc);
        EXPECT_EQ(lines(dc).size(), 4u);
        EXPECT_TRUE(textOps(dc).empty());
    }
    {
        CRecordingDC dc;
        a.m_nKind = 2;
        a.m_fTickStep = -1;
        a.CreatAxis();
        a.Drawaxis(&dc);
        EXPECT_EQ(lines(dc).size(), 1u);
        EXPECT_TRUE(textOps(dc).empty());  // no ticks: no title either
    }
}

TEST(CMyAxisDrawing, LabelPlacementFollowsAngleKindAndTickDirection)
{
    struct Case {
        LONG escapement;
        int kind, tickDir;
        UINT align;
    };
    const Case cases[] = {
        {0, 1, 1, TA_BOTTOM | TA_CENTER},  {0, 2, 1, TA_BOTTOM | TA_LEFT},   {0, 2, 2, TA_BOTTOM | TA_RIGHT},
        {900, 1, 0, TA_BOTTOM | TA_LEFT},  {900, 1, 1, TA_BOTTOM | TA_RIGHT}, {900, 1, 2, TA_BOTTOM | TA_LEFT},
        {900, 2, 1, TA_BOTTOM | TA_CENTER}, {900, 2, 2, TA_TOP | TA_CENTER},
        // Other angles keep the horizontal anchor, without offsets.
        {450, 2, 2, TA_BOTTOM | TA_RIGHT},
    };
    for (const Case& c : cases) {
        CMyAxis a;
        a.intil(c.kind, 1, 1000, 1000, 0, 10, 1, 100);
        a.m_nTickDir = c.tickDir;
        a.m_lfLabel.lfEscapement = c.escapement;
        CRecordingDC dc;
        a.DrawStickText(&dc);
        const auto t = textOps(dc);
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[1]->style.textAlign, c.align) << c.escapement << " " << c.kind << " " << c.tickDir;
        CRecordingDC probe;
        CFont f;
        f.CreateFontIndirect(&a.m_lfLabel);
        probe.SelectObject(&f);
        const int h = probe.GetTextExtent(a.m_Labels[0]).cy;
        const int L = c.tickDir == 1 ? 20 : c.tickDir == 2 ? -20 : 0;
        if (c.escapement == 0 && c.kind == 2 && c.tickDir == 1) {
            EXPECT_EQ(t[1]->logical[0], CPoint(1000 + (h / 2) / 2 + L, 1000 + 333 - h / 2));
        }
        if (c.escapement == 900 && c.kind == 1 && c.tickDir == 2) {
            EXPECT_EQ(t[1]->logical[0], CPoint(1000 + 333 - h / 2, 1000 - ((h / 2) / 2) + L));
        }
        if (c.escapement == 450) {
            EXPECT_EQ(t[1]->logical[0], CPoint(1000 + L, 1000 + 333));
        }
    }
}

TEST(CMyAxisDrawing, TitlePlacementFollowsDirection)
{
    CMyAxis a;
    a.m_bTitle = 1;
    a.intil(2, 0, 0, 0, 0, 10, 1, 100);  // direction 0: laid out forward, titled as backward
    CRecordingDC dc;
    CFont f;
    f.CreateFontIndirect(&a.m_lfTitle);
    dc.SelectObject(&f);
    const int half = dc.GetTextExtent(a.m_strTitle).cy / 2;
    a.DrawTitle(&dc);
    const auto t = textOps(dc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(a.m_ptStart, CPoint(0, 0));
    EXPECT_EQ(t[0]->logical[0], CPoint(0, -3 * half));
    EXPECT_EQ(t[0]->style.textAlign, TA_BOTTOM | TA_CENTER);
}

// The ticks are drawn with their own pen, not the axis line's, and the
// host's font is selected again once the labels are drawn.
TEST(CMyAxisDrawing, TicksHaveTheirOwnPenAndTheHostsFontComesBack)
{
    CRecordingDC dc;
    CMyAxis a;
    a.intil(1, 1, 0, 0, 0, 10, 1, 10);
    a.m_fLineWidth = 0.5f;
    a.m_fTickLineWidth = 0.2f;
    LOGFONT host{};
    host.lfHeight = 77;
    std::snprintf(host.lfFaceName, LF_FACESIZE, "%s", "Courier New");
    CFont hostFont;
    hostFont.CreateFontIndirect(&host);
    CFont* before = dc.SelectObject(&hostFont);
    a.Drawaxis(&dc);
    const auto strokes = opsOfKind(dc, GdiOp::Kind::Polyline);
    ASSERT_EQ(strokes.size(), 4u);
    EXPECT_EQ(strokes[0]->style.pen.width, a.m_nUnitsPerMm / 2) << "the axis line: 0.5 mm";
    for (size_t k = 1; k < strokes.size(); ++k)
        EXPECT_EQ(strokes[k]->style.pen.width, a.m_nUnitsPerMm / 5) << "tick " << k << ": 0.2 mm";
    ASSERT_FALSE(textOps(dc).empty());
    EXPECT_STRNE(textOps(dc).back()->style.font.lfFaceName, "Courier New") << "labels in the axis's own font";
    dc.TextOut(0, 0, "after");
    const GdiOp* after = textOps(dc).back();
    EXPECT_EQ(after->style.font.lfHeight, 77);
    EXPECT_STREQ(after->style.font.lfFaceName, "Courier New");
    dc.SelectObject(before);
}
