// The sounding chart's samples, file reader, geometry and point editing, and
// what data without a defined layout gives.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "platform/wnd/afxwin.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::vector<CPoint> Copy(const CArray<CPoint, CPoint>& a) { return std::vector<CPoint>(a.begin(), a.end()); }

// Columns 1, 2 and 5 of rows 0 and 1 read from a file into buffers preset to -1.
std::vector<float> Read(const std::string& path, int n = 2)
{
    float c[5][2] = {{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}};
    CDrawRPCurve().ReadData(path.c_str(), c[0], c[1], c[2], c[3], c[4], n);
    return {c[0][0], c[1][0], c[4][0], c[0][1], c[1][1], c[4][1]};
}
std::vector<float> ReadText(const char* text, int n = 2) { return Read(testsupport::writeFile("s.dat", text), n); }
}  // namespace

TEST(CDrawRPCurveData, OneValueRangeStartsAtTheFirstMeasuredVAndFoldsTheFirstNOfCurvesWithData)
{
    const struct {
        const char* what;
        Floats x, r, v, fwd;
        std::vector<float> ranges;
    } cases[] = {
        {"abscissa of zeros keeps its range", {0, 0}, {1, 2}, {3, 4}, {1, 8}, {-7, -7, 1, 8}},
        {"all values zero", {1, 2}, {0, 0}, {0, 0}, {0, 0}, {1, 2, 0, 0}},
        {"measured V of zeros still starts the range", {1, 2}, {20, 30}, {0, 0}, {1, 8}, {1, 2, 0, 30}},
        {"data beyond n only: the first n zeros count", {1, 2}, {0, 0, 900}, {5, 6}, {5, 6}, {1, 2, 0, 6}},
        {"values beyond n are copied, not folded", {3, 2}, {-3, 4, 900}, {5, 6}, {5, 6}, {2, 3, -3, 6}},
    };
    for (const auto& k : cases) {
        CDrawRPCurve c;
        c.m_fMinX = c.m_fMaxX = -7;
        Load(c, k.x, k.r, k.v, k.fwd, k.fwd);
        EXPECT_EQ(std::vector<float>({c.m_fMinX, c.m_fMaxX, c.m_fMinY, c.m_fMaxY}), k.ranges) << k.what;
        EXPECT_EQ(std::make_pair(c.m_nCount, c.m_fR.GetSize()), std::make_pair(2, int(k.r.size()))) << k.what;
    }
    CDrawRPCurve c;
    auto empty = Array({}), nan = Array({0, std::nanf("")}), neg = Array({0, -1e-30f});
    EXPECT_EQ(std::vector<BOOL>({c.SampleIsNotZero(empty), c.SampleIsNotZero(nan), c.SampleIsNotZero(neg)}),
              std::vector<BOOL>({FALSE, TRUE, TRUE}));
}

TEST(CDrawRPCurveData, ReadsFiveNumbersARowAndStopsAtShortRowsTextAndUnopenableFiles)
{
    const std::vector<float> rows = {1, 2, 5, 6, 7, 10}, none(6, -1.0f);
    EXPECT_EQ(ReadText("1 2 3 4 5\n6 7 8 9 10\n"), rows);
    EXPECT_EQ(ReadText("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"), rows);
    EXPECT_EQ(ReadText("1 2\n3 4 5 6 7 8 9 10 11"), rows);
    EXPECT_EQ(ReadText("-1.5e2 +2 3 4 .5"), (std::vector<float>{-150, 2, 0.5f, -1, -1, -1}));
    EXPECT_EQ(ReadText("1 2 3 4 5 6 7"), (std::vector<float>{1, 2, 5, 6, 7, -1}));
    EXPECT_EQ(ReadText("1 2 3 4 5 6 seven 8 9 10"), (std::vector<float>{1, 2, 5, 6, -1, -1}));
    EXPECT_EQ(ReadText("1 2 3 4 5 6 7 8 9 10", 1), (std::vector<float>{1, 2, 5, -1, -1, -1}));
    for (const auto& read : {ReadText(""), ReadText("1 2 3 4 5", 0), ReadText("1 2 3 4 5", -4),
                             Read("/no/such/dir/s.dat"), Read(testsupport::tempDir())})
        EXPECT_EQ(read, none);
    if (geteuid() != 0) {  // a file the user may not write is not opened
        const std::string path = testsupport::writeFile("ro.dat", "1 2 3 4 5");
        chmod(path.c_str(), 0444);
        EXPECT_EQ(Read(path), none);
    }

    std::string text;  // OpenFile's reading: the first 23 rows
    for (int i = 1; i <= 24 * 5; ++i)
        text += std::to_string(i) + (i % 5 ? " " : "\n");
    float cols[5][CDrawRPCurve::kOpenFileRows] = {};
    CDrawRPCurve c;
    c.ReadFileRows(testsupport::writeFile("open.dat", text).c_str(), cols);
    EXPECT_EQ(cols[4][22], 115.0f);

    // OpenFile: the user picks the file in the open dialog; its 23 rows
    // become the chart's sounding. Cancel reads nothing.
    const std::string chosen = testsupport::writeFile("pick.dat", text);
    FileDialogRequest asked;
    bool confirm = false;
    AfxSetFileDialogHook([&](const FileDialogRequest& req, CString& path) {
        asked = req;
        path = chosen.c_str();
        return confirm;
    });
    c.OpenFile();
    EXPECT_EQ(c.m_nCount, 0);
    confirm = true;
    c.OpenFile();
    AfxSetFileDialogHook(nullptr);
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.fileName, "*.*");
    EXPECT_EQ(asked.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(asked.filter, CDrawRPCurve::kFileFilter);
    ASSERT_EQ(c.m_nCount, 23);
    EXPECT_EQ(c.m_fX[22], 111.0f);
    EXPECT_EQ(c.m_fVFwd[0], 5.0f);

    // A file shorter than 23 rows hands over the whole rows it holds, no
    // zeros for the rest: the abscissa starts at the file's 1, and the frame
    // spans decades -1 .. 2 at 6500 units a decade. A file without a whole
    // row leaves the chart as it was.
    std::string pick;
    AfxSetFileDialogHook([&](const FileDialogRequest&, CString& path) {
        path = pick.c_str();
        return true;
    });
    pick = testsupport::writeFile("short.dat", "1 100 50 110 55\n10 150 70 140 72\n100 3");
    EXPECT_EQ(c.ReadFileRows(pick.c_str(), cols), 2);
    c.OpenFile();
    ASSERT_EQ(c.m_nCount, 2);
    EXPECT_EQ(c.m_fX.GetSize(), 2);
    EXPECT_EQ(c.m_fMinX, 1.0f);
    EXPECT_EQ(c.m_fMaxY, 150.0f);
    EXPECT_EQ(c.m_rcRegion.left, -6500);
    EXPECT_EQ(c.m_rcRegion.right, 13000);
    pick = testsupport::writeFile("none.dat", "1 2 3");
    c.OpenFile();
    AfxSetFileDialogHook(nullptr);
    EXPECT_EQ(c.m_nCount, 2);
    EXPECT_EQ(c.m_fVFwd[1], 72.0f);
}

TEST(CDrawRPCurveGeometry, BothModelsScaleByTheMaximaAndAlignTheFrameToDecades)
{
    CDrawRPCurve c;
    LoadReference(c);
    EXPECT_FLOAT_EQ(c.m_fXRate, 3250.0f);
    EXPECT_FLOAT_EQ(c.m_fYRate, 13.972055f);
    EXPECT_EQ(c.m_rcRegion, CRect(-3250, 8383, 13000, 0));  // decades -1 .. 4
    EXPECT_EQ(c.m_RPoints[1], CPoint(3250, 3493));
    EXPECT_EQ(c.m_RRects[1], CRect(3190, 3553, 3310, 3433));

    LoadReference(c, 2);
    EXPECT_FLOAT_EQ(c.m_fYRate, 1892.4187f);
    EXPECT_EQ(c.m_rcRegion, CRect(-3250, 5676, 13000, 0));
    EXPECT_EQ(c.m_RPoints[1], CPoint(3250, 4537));
    const struct {
        float value, low, high;
    } decades[] = {{10, 0, 2}, {5, -1, 1}, {1, -1, 1}, {0.5f, -1, 1}, {0.05f, -2, 0}, {500, 1, 3}, {1000, 2, 4}};
    for (const auto& k : decades) {
        Load(c, {k.value, k.value}, {k.value, k.value}, {k.value, k.value}, {1, 1}, {1, 1});
        EXPECT_EQ(std::vector<float>({c.m_fXLeftDecade, c.m_fXRightDecade, c.m_fYBottomDecade, c.m_fYTopDecade}),
                  std::vector<float>({k.low, k.high, std::min(k.low, -1.0f), std::max(k.high, 1.0f)})) << k.value;
    }
}

TEST(CDrawRPCurveGeometry, WhatAModelCannotMapKeepsThePointsOfTheLastRun)
{
    CDrawRPCurve c;
    LoadReference(c);
    const CRect frame = c.m_rcRegion;
    const CPoint point = c.m_VPoints[2], modelled = c.m_RFwdPoints[3];
    c.m_fV[0] = 0;  // the common range now reaches 0: no decades
    c.m_nDisModel = 2;
    c.SetDisModel();
    EXPECT_EQ(c.m_nDisModel, 1);
    EXPECT_EQ(std::make_pair(c.m_rcRegion, c.m_VPoints[2]), std::make_pair(frame, point));

    Load(c, {1, 10, 100, 1000, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 5});
    EXPECT_EQ(c.m_RFwdPoints[3], modelled);  // a curve of zeros keeps its points
    EXPECT_EQ(c.m_RFwdRects[4], CRect(-60, 60, 60, -60));
    const auto kept = std::make_pair(c.m_rcRegion, c.m_VPoints[2]);
    c.m_nDisModel = 3;  // no such model: only the arrays follow the count
    Load(c, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(std::make_pair(c.m_rcRegion, c.m_VPoints[2]), kept);
    c.m_RPoints[5] = CPoint(1000, -200);
    c.SetPtRect();
    EXPECT_EQ(c.m_RRects[5], CRect(940, -140, 1060, -260));
}

TEST(CDrawRPCurveGeometry, DataWithoutALayoutGivesDefinedClampedGeometry)
{
    CDrawRPCurve c;
    LoadReference(c);
    auto none = Array({});
    c.GetData(none, none, none, none, none);  // no samples: ranges stay, arrays empty
    EXPECT_EQ(c.m_fMaxY, 500.0f);
    EXPECT_EQ(c.m_RPoints.GetSize() + c.m_VRects.GetSize(), 0);

    Load(c, {0, -1, 10, 100}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4});
    EXPECT_EQ(c.m_fXLeftDecade, -46.0f);  // no logarithm: decade -45
    EXPECT_FLOAT_EQ(c.m_fXRate, 13000.0f / 3);  // decades up to 100, one spare
    EXPECT_EQ(c.m_RPoints[1].x, -195000);     // decade -45 at that rate

    Load(c, {0.01f, 0.1f}, {1, 2}, {1, 2}, {1, 2}, {1, 2});  // hardly a decade: the scale explodes
    EXPECT_GT(c.m_fXRate, 1e12f);
    EXPECT_EQ(c.m_rcRegion, CRect(INT_MIN, c.m_rcRegion.top, INT_MAX, 0));

    Load(c, {1, 10}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1});  // maximum -1: divided by zero
    EXPECT_TRUE(std::isinf(c.m_fYRate));
    EXPECT_EQ(std::make_pair(c.m_rcRegion.top, c.m_RPoints[0].y), std::make_pair(INT_MAX, INT_MIN));

    Load(c, {1, 10}, {1, 2}, {std::nanf(""), 2}, {1, 2}, {1, 2});
    EXPECT_TRUE(std::isnan(c.m_fYRate));
    EXPECT_EQ(std::make_pair(c.m_rcRegion.top, c.m_RPoints[1].y), std::make_pair(0, 0));
    c.m_nDisModel = 2;
    c.SetDisModel();
    EXPECT_EQ(c.m_nDisModel, 1);

    c.m_fYRate = 1e30f;
    c.ValueToPt();
    c.SetPtRect();
    EXPECT_EQ(c.m_RRects[1], CRect(c.m_RPoints[1].x - 60, INT_MAX, c.m_RPoints[1].x + 60, INT_MAX - 60));
}

TEST(CDrawRPCurveEditing, APressPicksTheLastMarkerThatHoldsItStrictly)
{
    CDrawRPCurve c;
    LoadReference(c);  // measured R sample 1 sits at (3250, 3493)
    CPoint onEdge(3250 + 60, 3493), inside(3250 + 59, 3493), miss(-99999, 0);
    auto pick = [&](CPoint& p) {
        c.DefineInRect(p);
        return std::make_pair(c.m_nSelCurve, c.m_nSelIndex);
    };
    EXPECT_EQ(pick(onEdge), std::make_pair(0, 0));
    EXPECT_EQ(pick(inside), std::make_pair(1, 1));
    EXPECT_EQ(pick(miss), std::make_pair(1, 1));  // a miss keeps the pick
    c.m_VRects[1] = c.m_RRects[1];               // overlapping markers: V wins
    EXPECT_EQ(pick(inside), std::make_pair(2, 1));
    c.m_RRects[3] = c.m_RRects[1];  // and a later sample wins over both
    EXPECT_EQ(pick(inside), std::make_pair(1, 3));
}

TEST(CDrawRPCurveEditing, DraggingMovesPointAndMarkerAndWritesTheValueOfItsHeight)
{
    CDrawRPCurve c;
    LoadReference(c);
    CPoint to(1000, 2000), up(0, 3785), h(-777, 6500);
    EXPECT_FALSE(c.IsMoveChange(to));  // nothing picked
    c.m_nSelCurve = 2;
    c.m_nSelIndex = 2;
    EXPECT_TRUE(c.IsMoveChange(to));
    EXPECT_FLOAT_EQ(c.m_fV[2], 143.14287f);
    EXPECT_EQ(std::make_pair(c.m_VPoints[2], c.m_VRects[2]), std::make_pair(to, CRect(940, 2060, 1060, 1940)));
    EXPECT_EQ(c.m_fX[2], 100.0f);
    CArray<CPoint, CPoint> out;
    c.GetChangePtAndBorderPt(out);
    EXPECT_EQ(Copy(out), (std::vector<CPoint>{c.m_VPoints[1], to, c.m_VPoints[3]}));
    c.m_nSelIndex = 4;  // no such sample: nothing moves
    EXPECT_FALSE(c.IsMoveChange(to));

    LoadReference(c, 2);
    c.m_nSelCurve = 1;
    c.m_nSelIndex = 0;
    c.IsMoveChange(up);
    EXPECT_NEAR(c.m_fR[0], 100.0198f, 1e-4);
    c.m_fYRate = 3250.0f;  // only the height counts, whatever x
    c.IsMoveChange(h);
    EXPECT_FLOAT_EQ(c.m_fR[0], 100.0f);
    c.m_nDisModel = 1;
    c.IsMoveChange(h);
    EXPECT_FLOAT_EQ(c.m_fR[0], 2.0f);
}

TEST(CDrawRPCurveEditing, TheRedrawListHoldsTheSegmentsThatTouchThePoint)
{
    CDrawRPCurve c;
    const Floats ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Load(c, ten, ten, ten, ten, ten);
    const auto& p = c.m_RPoints;
    CArray<CPoint, CPoint> out;
    for (const auto& [index, expect] : std::vector<std::pair<int, std::vector<CPoint>>>{
             {10, {}}, {-1, {}}, {0, {p[0], p[1]}}, {9, {p[8], p[9]}}, {3, {p[2], p[3], p[4]}}}) {
        c.BackChangePtAndBorderPt(index, c.m_RPoints.GetData(), out);
        EXPECT_EQ(Copy(out), expect) << index;
    }
    CRecordingDC dc;
    c.DrawChangePt(out, &dc);
    EXPECT_EQ(dc.ops().at(0).style.pen.color, RGB(0, 0, 0));  // the surface's own pen
    Load(c, {5}, {5}, {5}, {5}, {5});                          // one sample: one point, one marker a curve
    c.BackChangePtAndBorderPt(0, c.m_RPoints.GetData(), out);
    EXPECT_EQ(Copy(out), (std::vector<CPoint>{c.m_RPoints[0]}));
    c.DrawRCurve(&dc);
    c.DrawVPtRect(&dc);
    EXPECT_EQ(std::make_pair(dc.ops().size(), dc.ops()[1].logical.size()), std::make_pair(size_t(5), size_t(1)));
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
    EXPECT_FALSE(c.ToolTip().IsTipShown());
    ASSERT_TRUE(c.ToolTip().Create(&wnd));
    c.SetTooltip(&wnd, inside);
    c.SetTooltip(&wnd, inside);  // registered again, not twice
    EXPECT_EQ(c.ToolTip().GetToolCount(), 1);
    EXPECT_EQ(c.ToolTip().GetToolText(&wnd, 0), "黑色(红色)--实测\n蓝色(绿色)--正演\n");
    EXPECT_EQ(c.ToolTip().GetShownText(), c.ToolTip().GetToolText(&wnd, 0));
    c.SetTooltip(&wnd, edge);
    EXPECT_FALSE(c.ToolTip().IsTipShown());
    wnd.Detach();
}
