// Drawing the sounding chart: frames, grids, labels, curves and markers, on
// the screen and through a memory bitmap.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "platform/afxwin.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

using testsupport::opsOfKind;

namespace {

constexpr COLORREF kOlive = RGB(155, 155, 0);
constexpr COLORREF kMagenta = RGB(200, 0, 200);

// Positions of the two-point lines drawn with a colour: x of the upright
// ones, or y of the level ones.
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

// Labels (texts after the title) drawn while a pen of the colour was
// selected, with where they went.
std::vector<std::pair<std::string, CPoint>> Texts(const CRecordingDC& dc, COLORREF colour)
{
    std::vector<std::pair<std::string, CPoint>> out;
    for (const GdiOp* op : testsupport::textOps(dc))
        if (op->style.pen.color == colour && op != &dc.ops().front())
            out.emplace_back(op->text.str(), op->logical[0]);
    return out;
}

}  // namespace

TEST(CDrawRPCurveDrawing, ModelOneFrameHasTitleDecadesMinorLinesAndValueSteps)
{
    CDrawRPCurve c;
    LoadReference(c);
    CRecordingDC dc;
    CPen own(PS_SOLID, 7, kMagenta);
    dc.SelectObject(&own);
    CFont* font = dc.GetCurrentFont();
    c.DrawRegionRect(&dc);
    EXPECT_EQ(dc.GetMapMode(), MM_HIMETRIC);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(-4250, 10383));
    EXPECT_EQ(dc.GetCurrentPen(), &own);
    EXPECT_EQ(dc.GetCurrentFont(), font);

    const auto& ops = dc.ops();
    ASSERT_GT(ops.size(), 2u);
    EXPECT_EQ(ops[0].text, "一维垂直磁分量、视电阻率曲线图");
    EXPECT_EQ(ops[0].logical[0], CPoint(-2750, 9583));
    EXPECT_EQ(ops[0].style.font.lfFaceName[0], '\0');
    EXPECT_EQ(ops[1].kind, GdiOp::Kind::Rectangle);
    EXPECT_EQ(ops[1].logical, (std::vector<CPoint>{{-3250, 8383}, {13000, 0}}));
    EXPECT_EQ(ops[1].style.pen.color, kMagenta);
    EXPECT_NEAR(ops[0].style.font.lfHeight, -706, 15);  // 20 points of 35.28 units
    EXPECT_NEAR(ops[1].style.font.lfHeight, -353, 15);

    EXPECT_EQ(Lines(dc, kMagenta, true), (std::vector<int>{-3250, 0, 3250, 6500, 9750}));
    EXPECT_EQ(Texts(dc, kMagenta), (std::vector<std::pair<std::string, CPoint>>{
                                       {"0.1   ", {-3250, 0}}, {"1.0   ", {0, 0}}, {"10.0  ", {3250, 0}},
                                       {"100.0 ", {6500, 0}}, {"1000.0", {9750, 0}}, {"10000.0", {13000, 0}}}));
    const std::vector<int> minor = Lines(dc, kOlive, true);
    ASSERT_EQ(minor.size(), 40u);
    EXPECT_EQ(std::vector<int>(minor.begin() + 8, minor.begin() + 24),
              (std::vector<int>{978, 1550, 1956, 2271, 2528, 2746, 2935, 3101, 4228, 4800, 5206, 5521, 5778, 5996,
                                6185, 6351}));
    EXPECT_EQ(Lines(dc, kOlive, false), (std::vector<int>{0, 6986}));
    EXPECT_EQ(Texts(dc, kOlive),
              (std::vector<std::pair<std::string, CPoint>>{{"   0.0", {13000, 0}}, {" 500.0", {13000, 6986}}}));

    c.m_nDisModel = 3;
    dc.ClearRecording();
    c.DrawRegionRect(&dc);
    EXPECT_TRUE(dc.ops().empty());
}

TEST(CDrawRPCurveDrawing, ValueLabelsThinOutAsTheStepsGrowAndStopAtAThousandLines)
{
    const struct {
        int steps;
        std::vector<std::string> labels;
    } cases[] = {{59, {"   0.0", "  30.0"}},
                 {60, {"   0.0", "  40.0"}},
                 {80, {"   0.0", "  40.0", "  80.0"}},
                 {81, {"   0.0", "  80.0"}}};
    for (const auto& k : cases) {
        CDrawRPCurve c;
        LoadReference(c);
        c.m_fYRate = 100.0f;  // a large scale steps one value unit at a time
        c.m_rcRegion.top = k.steps * 100 + 50;
        CRecordingDC dc;
        c.DrawLogXAndYRegionRect(&dc);
        std::vector<std::string> labels;
        for (const auto& [text, at] : Texts(dc, kOlive))
            labels.push_back(text);
        EXPECT_EQ(labels, k.labels) << k.steps;
    }
    CDrawRPCurve c;
    LoadReference(c);
    c.m_fYRate = 100.0f;
    c.m_rcRegion.top = INT_MAX;
    c.m_fXLeftDecade = -1e9f;  // wild decades are bounded too
    c.m_fXRightDecade = 1e9f;
    CRecordingDC dc;
    c.DrawLogXAndYRegionRect(&dc);
    EXPECT_EQ(Lines(dc, kOlive, false).size(), 1001u);
    EXPECT_EQ(Lines(dc, kMagenta, true).size() + Lines(dc, RGB(0, 0, 0), true).size(), 92u);
}

TEST(CDrawRPCurveDrawing, ModelTwoFrameDrawsValueDecadesWithTheDecadePen)
{
    CDrawRPCurve c;
    LoadReference(c, 2);
    CRecordingDC dc;
    CPen own(PS_SOLID, 7, kMagenta);
    dc.SelectObject(&own);
    c.DrawRegionRect(&dc);
    const auto& ops = dc.ops();
    EXPECT_EQ(ops[0].text, "垂直磁分量、视电阻率曲线图");
    EXPECT_EQ(ops[0].logical[0], CPoint(-2750, 6676));
    EXPECT_EQ(ops[1].logical, (std::vector<CPoint>{{-3250, 5676}, {13000, 0}}));
    EXPECT_EQ(ops[1].style.pen.color, kMagenta);
    EXPECT_EQ(Lines(dc, RGB(0, 0, 0), true), (std::vector<int>{-3250, 0, 3250, 6500, 9750}));
    EXPECT_EQ(Lines(dc, RGB(0, 0, 0), false), (std::vector<int>{1892, 3784}));
    const auto labels = Texts(dc, RGB(0, 0, 0));
    ASSERT_EQ(labels.size(), 9u);  // six abscissa decades, three value decades
    EXPECT_EQ(labels[6], std::make_pair(std::string("10.0  "), CPoint(13000, 1892)));
    EXPECT_EQ(labels[8], std::make_pair(std::string("1000.0"), CPoint(13000, 5677)));
    const std::vector<int> minor = Lines(dc, kOlive, false);
    ASSERT_EQ(minor.size(), 24u);
    EXPECT_EQ(minor[0], 569);
    EXPECT_EQ(dc.GetCurrentPen(), &own);
}

TEST(CDrawRPCurveDrawing, CurvesAndMarkersUseTheirPensOnScreenAndOnTheMemoryBitmap)
{
    CDrawRPCurve c;
    LoadReference(c, 2);
    CRecordingDC dc;
    c.SetOrdinate(&dc);
    for (auto draw : {&CDrawRPCurve::DrawRCurve, &CDrawRPCurve::DrawVCurve, &CDrawRPCurve::DrawCurve,
                      &CDrawRPCurve::DrawRPtRect, &CDrawRPCurve::DrawVPtRect})
        (c.*draw)(&dc);
    const auto lines = opsOfKind(dc, GdiOp::Kind::Polyline);
    const auto boxes = opsOfKind(dc, GdiOp::Kind::Rectangle);
    const COLORREF screen[] = {RGB(255, 0, 0), RGB(10, 150, 0), RGB(0, 0, 0), RGB(0, 0, 255)};
    const CArray<CPoint, CPoint>* points[] = {&c.m_RPoints, &c.m_RFwdPoints, &c.m_VPoints, &c.m_VFwdPoints};
    const CArray<CRect, CRect>* rects[] = {&c.m_RRects, &c.m_RFwdRects, &c.m_VRects, &c.m_VFwdRects};
    ASSERT_EQ(lines.size(), 4u);
    ASSERT_EQ(boxes.size(), 16u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(lines[k]->style.pen, (PenDesc{PS_SOLID, 1, screen[k]}));
        EXPECT_EQ(lines[k]->logical[3], (*points[k])[3]);
        EXPECT_EQ(boxes[k * 4 + 2]->style.pen.color, screen[k]);
        EXPECT_EQ(CRect(boxes[k * 4 + 2]->logical[0], boxes[k * 4 + 2]->logical[1]), (*rects[k])[2]);
    }

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
    CRecordingDC mem;  // one unit a pixel, as a memory context is
    for (auto draw : {&CDrawRPCurve::DrawRCurveOnMemDC, &CDrawRPCurve::DrawPCurveOnMemDC,
                      &CDrawRPCurve::DrawRPtRectOnMemDC, &CDrawRPCurve::DrawPPtRectOnMemDC})
        (c.*draw)(&wnd, &mem);
    const auto memLines = opsOfKind(mem, GdiOp::Kind::Polyline);
    const auto memBoxes = opsOfKind(mem, GdiOp::Kind::Rectangle);
    ASSERT_EQ(memLines.size(), 3u);  // no polyline for the modelled V curve
    EXPECT_EQ(memLines[0]->style.pen.color, RGB(0, 0, 0));
    EXPECT_EQ(memLines[1]->style.pen.color, RGB(0, 0, 255));
    EXPECT_EQ(memLines[2]->style.pen.color, RGB(255, 0, 0));
    EXPECT_EQ(memLines[2]->logical[1], px(c.m_VPoints[1]));
    ASSERT_EQ(memBoxes.size(), 16u);
    EXPECT_EQ(memBoxes[9]->style.pen.color, RGB(255, 0, 0));
    EXPECT_EQ(memBoxes[9]->logical[0], px(c.m_VRects[1].TopLeft()));
    EXPECT_EQ(memBoxes[9]->logical[1], px(c.m_VRects[1].BottomRight()));

    mem.ClearRecording();
    c.DrawRegionRectOnMemDC(&wnd, &mem);
    EXPECT_EQ(mem.ops()[0].text, "垂直磁分量、视电阻率曲线图");
    EXPECT_EQ(mem.ops()[0].logical[0], px(CPoint(-2750, 6676)));
    EXPECT_EQ(mem.ops()[0].style.font.lfHeight, -27);  // 20 points at 96 dpi, made for the memory surface
    EXPECT_EQ(mem.ops()[1].logical, (std::vector<CPoint>{px(CPoint(-3250, 5676)), px(CPoint(13000, 0))}));
    EXPECT_EQ(mem.GetMapMode(), MM_TEXT);
    EXPECT_TRUE(mem.GetCurrentPen()->IsStock());
    wnd.Detach();

    Load(c, {10}, {20}, {30}, {40}, {50});  // one sample: a one-point line, one marker a curve
    dc.ClearRecording();
    c.DrawRCurve(&dc);
    c.DrawVPtRect(&dc);
    EXPECT_EQ(opsOfKind(dc, GdiOp::Kind::Polyline)[1]->logical.size(), 1u);
    EXPECT_EQ(opsOfKind(dc, GdiOp::Kind::Rectangle).size(), 2u);
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
        for (float& f : col[k])
            a[k].Add(f);
    ASSERT_GT(col[0][22], 1000.0f);
    c.GetData(a[0], a[1], a[2], a[3], a[4]);
    for (int model : {1, 2}) {
        c.m_nDisModel = model;
        c.SetDisModel();
        ASSERT_EQ(c.m_nDisModel, model);
        CImageDC img(1260, 780, 150);
        img.SetBkMode(TRANSPARENT);
        c.DrawRegionRect(&img);
        c.DrawRCurve(&img);
        c.DrawVCurve(&img);
        c.DrawRPtRect(&img);
        c.DrawVPtRect(&img);
        CPoint mid = c.m_RPoints[11], title(c.m_rcRegion.left + 2500, c.m_rcRegion.top + 700);
        img.LPtoDP(&mid);
        img.LPtoDP(&title);
        EXPECT_GT(testsupport::countNear(img.Image(), mid.x, mid.y, 5, QColor(255, 0, 0)), 3) << model;
        EXPECT_GT(testsupport::countNear(img.Image(), title.x, title.y, 12, QColor(0, 0, 0)), 20) << model;
        if (const char* dir = std::getenv("TARNEX_SOUNDING_PNG_DIR"))
            img.Save((std::string(dir) + "/sounding-model" + std::to_string(model) + ".png").c_str());
    }
}
