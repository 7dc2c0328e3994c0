// Drawing the sounding chart: frames, grids, labels, curves and markers, on
// the screen and through a memory bitmap.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "chart/TickGenerator.h"
#include "platform/wnd/afxwin.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

using testsupport::opsOfKind;

namespace {

constexpr COLORREF kOlive = RGB(155, 155, 0), kMagenta = RGB(200, 0, 200), kBlack = RGB(0, 0, 0),
                   kRed = RGB(255, 0, 0), kGreen = RGB(10, 150, 0), kBlue = RGB(0, 0, 255);
using Labels = std::vector<std::pair<std::string, CPoint>>;
using Marks = std::vector<std::pair<COLORREF, CPoint>>;

// The frame drawn on a recording surface whose own pen is magenta.
const CRecordingDC& Framed(CDrawRPCurve& c, CRecordingDC& dc)
{
    static CPen magenta(PS_SOLID, 7, kMagenta);
    dc.SelectObject(&magenta);
    c.DrawRegionRect(&dc);
    return dc;
}

// x of the upright, or y of the level, two-point lines of a colour.
std::vector<int> Lines(const CRecordingDC& dc, COLORREF colour, bool upright)
{
    std::vector<int> at;
    for (const GdiOp* op : opsOfKind(dc, GdiOp::Kind::Polyline)) {
        const auto& p = op->logical;
        if (p.size() == 2 && op->style.pen.color == colour && (upright ? p[0].x == p[1].x : p[0].y == p[1].y))
            at.push_back(upright ? p[0].x : p[0].y);
    }
    return at;
}

// The labels (texts after the title) drawn while a pen of the colour was selected.
Labels LabelsOf(const CRecordingDC& dc, COLORREF colour)
{
    Labels out;
    for (const GdiOp* op : testsupport::textOps(dc))
        if (op->style.pen.color == colour && op != &dc.ops().front())
            out.emplace_back(op->text.str(), op->logical[0]);
    return out;
}

// Pen and second point of every polyline, or pen and far corner of the
// second rectangle of every curve.
Marks Strokes(const CRecordingDC& dc, GdiOp::Kind kind)
{
    Marks out;
    const auto ops = opsOfKind(dc, kind);
    const size_t first = kind == GdiOp::Kind::Polyline ? 0 : 1, every = kind == GdiOp::Kind::Polyline ? 1 : 4;
    for (size_t i = first; i < ops.size(); i += every)
        out.emplace_back(ops[i]->style.pen.color, ops[i]->logical[1]);
    return out;
}

}  // namespace

TEST(CDrawRPCurveDrawing, ModelOneFrameHasTitleDecadesMinorLinesAndValueSteps)
{
    CDrawRPCurve c;
    LoadReference(c);
    CRecordingDC dc;
    CFont* font = dc.GetCurrentFont();
    const auto& ops = Framed(c, dc).ops();
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(-4250, 10383));
    EXPECT_EQ(dc.GetCurrentPen()->desc().color, kMagenta);
    EXPECT_EQ(dc.GetCurrentFont(), font);
    EXPECT_EQ(ops[0].text, "一维垂直磁分量、视电阻率曲线图");
    EXPECT_EQ(ops[0].logical[0], CPoint(-2750, 9583));
    EXPECT_EQ(ops[0].style.font.lfFaceName[0], '\0');
    EXPECT_NEAR(ops[0].style.font.lfHeight, -706, 15);  // 20 points of 35.28 units
    EXPECT_NEAR(ops[1].style.font.lfHeight, -353, 15);
    EXPECT_EQ(ops[1].logical, (std::vector<CPoint>{{-3250, 8383}, {13000, 0}}));
    EXPECT_EQ(ops[1].style.pen.color, kMagenta);

    EXPECT_EQ(Lines(dc, kMagenta, true), (std::vector<int>{-3250, 0, 3250, 6500, 9750}));
    EXPECT_EQ(LabelsOf(dc, kMagenta), (Labels{{"0.1   ", {-3250, 0}}, {"1.0   ", {0, 0}}, {"10.0  ", {3250, 0}},
                                              {"100.0 ", {6500, 0}}, {"1000.0", {9750, 0}}, {"10000.0", {13000, 0}}}));
    const std::vector<int> minor = Lines(dc, kOlive, true);
    ASSERT_EQ(minor.size(), 40u);
    EXPECT_EQ(std::vector<int>(minor.begin() + 8, minor.begin() + 24),
              (std::vector<int>{978, 1550, 1956, 2271, 2528, 2746, 2935, 3101, 4228, 4800, 5206, 5521, 5778, 5996,
                                6185, 6351}));
    EXPECT_EQ(Lines(dc, kOlive, false), (std::vector<int>{0, 6986}));
    EXPECT_EQ(LabelsOf(dc, kOlive), (Labels{{"   0.0", {13000, 0}}, {" 500.0", {13000, 6986}}}));

    c.m_nDisModel = 3;
    dc.ClearRecording();
    EXPECT_TRUE(Framed(c, dc).ops().empty());
}

TEST(CDrawRPCurveDrawing, ValueLabelsThinOutAsTheStepsGrowAndAllLoopsAreBounded)
{
    CDrawRPCurve c;
    LoadReference(c);
    c.m_fYRate = 100.0f;  // a large scale steps one value unit at a time and labels it as it is
    CRecordingDC dc;
    for (const auto& [steps, lines] : std::vector<std::pair<int, std::vector<int>>>{
             {59, {0, 3000}}, {60, {0, 4000}}, {80, {0, 4000, 8000}}, {81, {0, 8000}}}) {
        c.m_rcRegion.top = steps * 100 + 50;
        dc.ClearRecording();
        EXPECT_EQ(Lines(Framed(c, dc), kOlive, false), lines) << steps;
    }
    EXPECT_EQ(LabelsOf(dc, kOlive).back(), std::make_pair(std::string("  80.0"), CPoint(13000, 8000)));
    c.m_rcRegion.top = INT_MAX;
    c.m_fXLeftDecade = -1e9f;
    c.m_fXRightDecade = 1e9f;
    dc.ClearRecording();
    EXPECT_EQ(Lines(Framed(c, dc), kOlive, false).size(), static_cast<size_t>(TickGenerator::kMaxTicks));
    EXPECT_EQ(Lines(dc, kMagenta, true).size(), 92u);
}

TEST(CDrawRPCurveDrawing, ModelTwoFrameDrawsValueDecadesWithTheDecadePen)
{
    CDrawRPCurve c;
    LoadReference(c, 2);
    CRecordingDC dc;
    const auto& ops = Framed(c, dc).ops();
    EXPECT_EQ(ops[0].text, "垂直磁分量、视电阻率曲线图");
    EXPECT_EQ(ops[0].logical[0], CPoint(-2750, 6676));
    EXPECT_EQ(ops[1].logical, (std::vector<CPoint>{{-3250, 5676}, {13000, 0}}));
    EXPECT_EQ(ops[1].style.pen.color, kMagenta);
    EXPECT_EQ(Lines(dc, kBlack, true), (std::vector<int>{-3250, 0, 3250, 6500, 9750}));
    EXPECT_EQ(Lines(dc, kBlack, false), (std::vector<int>{1892, 3784}));
    const Labels labels = LabelsOf(dc, kBlack);
    ASSERT_EQ(labels.size(), 9u);  // six abscissa decades, three value decades
    EXPECT_EQ(Labels(labels.begin() + 6, labels.end()),
              (Labels{{"10.0  ", {13000, 1892}}, {"100.0 ", {13000, 3784}}, {"1000.0", {13000, 5677}}}));
    const std::vector<int> minor = Lines(dc, kOlive, false);
    ASSERT_EQ(minor.size(), 24u);
    EXPECT_EQ(minor[0], 569);
}

TEST(CDrawRPCurveDrawing, CurvesAndMarkersUseTheirPensOnScreenAndOnTheMemoryBitmap)
{
    CDrawRPCurve c;
    LoadReference(c, 2);
    QWidget widget;
    widget.resize(900, 600);
    CWnd wnd;
    wnd.Attach(&widget);
    CClientDC wndDC(&wnd);
    c.SetOrdinate(&wndDC);
    auto px = [&](CPoint p) {
        wndDC.LPtoDP(&p);
        return p;
    };
    CRecordingDC dc, mem;  // the memory context is one unit a pixel
    for (auto draw : {&CDrawRPCurve::DrawRCurve, &CDrawRPCurve::DrawVCurve, &CDrawRPCurve::DrawCurve,
                      &CDrawRPCurve::DrawRPtRect, &CDrawRPCurve::DrawVPtRect})
        (c.*draw)(&dc);
    for (auto draw : {&CDrawRPCurve::DrawRCurveOnMemDC, &CDrawRPCurve::DrawPCurveOnMemDC,
                      &CDrawRPCurve::DrawRPtRectOnMemDC, &CDrawRPCurve::DrawPPtRectOnMemDC})
        (c.*draw)(&wnd, &mem);
    EXPECT_EQ(opsOfKind(dc, GdiOp::Kind::Polyline)[0]->style.pen, (PenDesc{PS_SOLID, 1, kRed}));
    EXPECT_EQ(Strokes(dc, GdiOp::Kind::Polyline), (Marks{{kRed, c.m_RPoints[1]}, {kGreen, c.m_RFwdPoints[1]},
                                                         {kBlack, c.m_VPoints[1]}, {kBlue, c.m_VFwdPoints[1]}}));
    EXPECT_EQ(Strokes(dc, GdiOp::Kind::Rectangle),
              (Marks{{kRed, c.m_RRects[1].BottomRight()}, {kGreen, c.m_RFwdRects[1].BottomRight()},
                     {kBlack, c.m_VRects[1].BottomRight()}, {kBlue, c.m_VFwdRects[1].BottomRight()}}));
    // No memory-bitmap polyline for the modelled V curve.
    EXPECT_EQ(Strokes(mem, GdiOp::Kind::Polyline),
              (Marks{{kBlack, px(c.m_RPoints[1])}, {kBlue, px(c.m_RFwdPoints[1])}, {kRed, px(c.m_VPoints[1])}}));
    EXPECT_EQ(Strokes(mem, GdiOp::Kind::Rectangle),
              (Marks{{kBlack, px(c.m_RRects[1].BottomRight())}, {kBlue, px(c.m_RFwdRects[1].BottomRight())},
                     {kRed, px(c.m_VRects[1].BottomRight())}, {kBlue, px(c.m_VFwdRects[1].BottomRight())}}));

    mem.ClearRecording();
    c.DrawRegionRectOnMemDC(&wnd, &mem);
    EXPECT_EQ(mem.ops()[0].logical[0], px(CPoint(-2750, 6676)));
    EXPECT_EQ(mem.ops()[0].style.font.lfHeight, -27);  // 20 points at 96 dpi, made for the memory surface
    EXPECT_EQ(mem.ops()[1].logical, (std::vector<CPoint>{px(CPoint(-3250, 5676)), px(CPoint(13000, 0))}));
    EXPECT_TRUE(mem.GetCurrentPen()->IsStock());
    wnd.Detach();
}

// The bundled sounding on 150-dpi images in both models; with
// TARNEX_SOUNDING_PNG_DIR set the images are kept there to look at.
TEST(CDrawRPCurveDrawing, TheBundledSoundingShowsItsCurvesAndTitleOnAnImage)
{
    float col[5][23] = {};
    CDrawRPCurve c;
    c.ReadData(TARNEX_SOURCE_DIR "/data/sounding.dat", col[0], col[1], col[2], col[3], col[4], 23);
    CArray<float, float&> a[5];
    for (int k = 0; k < 5; ++k)
        for (float& v : col[k])
            a[k].Add(v);
    c.GetData(a[0], a[1], a[2], a[3], a[4]);
    for (int model : {1, 2}) {
        c.m_nDisModel = model;
        c.SetDisModel();
        CImageDC img(1260, 780, 150);
        img.SetBkMode(TRANSPARENT);
        for (auto draw : {&CDrawRPCurve::DrawRegionRect, &CDrawRPCurve::DrawRCurve, &CDrawRPCurve::DrawVCurve,
                          &CDrawRPCurve::DrawRPtRect, &CDrawRPCurve::DrawVPtRect})
            (c.*draw)(&img);
        CPoint mid = c.m_RPoints[4], title(c.m_rcRegion.left + 2500, c.m_rcRegion.top + 700);
        img.LPtoDP(&mid);
        img.LPtoDP(&title);
        EXPECT_GT(testsupport::countNear(img.Image(), mid.x, mid.y, 5, QColor(255, 0, 0)), 3) << model;
        EXPECT_GT(testsupport::countNear(img.Image(), title.x, title.y, 12, QColor(0, 0, 0)), 20) << model;
        if (const char* dir = std::getenv("TARNEX_SOUNDING_PNG_DIR"))
            img.Save((std::string(dir) + "/sounding-model" + std::to_string(model) + ".png").c_str());
    }
}
