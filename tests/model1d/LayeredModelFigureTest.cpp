// The layered model chart as the apps draw it: room right of the largest
// resistivity, and both axes titled clear of their scales.
#include "TestSupport.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"
#include "model1d/LayeredModelFile.h"
#include "model1d/LayeredModelPlan.h"
#include "model1d/LayeredModelRender.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

LayeredModel Model(const char* text)
{
    LayeredModel m;
    CString err;
    EXPECT_TRUE(LayeredModelFile::Parse(text, "m", m, err)) << err.GetString();
    return m;
}

// Right edge of the area less the x of the most resistive layer's side.
LONG Room(const CDrawRPToH& c)
{
    LONG side = 0;
    for (int i = 0; i < c.m_nLayer; ++i)
        side = std::max(side, c.m_RPoints[i].x);
    return c.m_rcArea.right - side;
}

}  // namespace

TEST(LayeredModelFigure, HeadroomKeepsTheLargestSideOffTheFrameAndSurvivesAnEdit)
{
    // 250 ohm-m gives a unit of 0.72 mm: the side stands 0.7 mm inside the
    // frame's edge; 1000 stretches tenfold and puts the side 1.8 mm inside;
    // 359.5 leaves 0.25 mm.
    for (const char* text : {"5 80\n15 20\n30 250\n120\n", "10 100\n20 10\n1000\n", "10 359.5\n20\n"}) {
        CDrawRPToH classic, roomy;
        roomy.m_bResistivityHeadroom = TRUE;
        LayeredModelRender::Load(classic, Model(text));
        LayeredModelRender::Load(roomy, Model(text));
        EXPECT_LT(Room(classic), 20) << text;  // within 2 mm: on the line to the eye and the mouse
        // A tenth of the scale, about 16 mm of 180 (or ten times that
        // where the room tips the scale into its tenfold stretch).
        EXPECT_GT(Room(roomy), roomy.m_rcArea.right * 8 / 100) << text;
        const LONG right = roomy.m_rcArea.right;
        EXPECT_TRUE((right > 1790 && right <= 1800) || (right > 17900 && right <= 18000)) << right;
    }

    // After a drag past the old maximum the room is made again.
    CDrawRPToH roomy;
    roomy.m_bResistivityHeadroom = TRUE;
    LayeredModelRender::Load(roomy, Model("5 80\n15 20\n30 250\n120\n"));
    roomy.m_fR[1] = 400.0f;
    LayeredModelRender::Relayout(roomy);
    EXPECT_GT(Room(roomy), roomy.m_rcArea.right * 8 / 100);
}

TEST(LayeredModelFigure, KeptApartTheCornerLabelsNoLongerPrintOverEachOther)
{
    // 41 m of layers: the depth label 45.0 hangs 2 mm above the bottom edge,
    // over the resistivity label 100.0 that overhangs the right edge.
    for (BOOL apart : {FALSE, TRUE}) {
        CDrawRPToH c;
        c.m_bKeepLabelsApart = apart;
        LayeredModelRender::Load(c, Model("20 100\n21 50\n80\n"));
        CRecordingDC dc(150);
        c.DrawOrdinate(&dc);
        const auto clashes = testsupport::overprints(testsupport::textBoxes(dc));
        EXPECT_EQ(clashes.empty(), apart == TRUE) << (clashes.empty() ? "" : clashes[0]);
        const GdiOp* deepest = testsupport::findText(dc, "45.0  ");
        ASSERT_NE(deepest, nullptr);
        EXPECT_EQ(deepest->logical[0].y > static_cast<int>(45 * c.m_fHRate), apart == TRUE);
        EXPECT_NE(testsupport::findText(dc, "100.0 "), nullptr);
    }
}

TEST(LayeredModelFigure, BothAxesAreTitledBesideTheirScales)
{
    CDrawRPToH c;
    LayeredModelFigure figure;
    figure.Prepare(c);
    EXPECT_EQ(c.m_bResistivityHeadroom, TRUE);
    LayeredModelRender::Load(c, Model("5 80\n15 20\n30 250\n120\n"));
    CRecordingDC dc(150);
    DrawLayeredModelFigure(c, &dc, figure);
    const GdiOp* res = testsupport::findText(dc, LayeredModelFigure::kResistivityTitle);
    const GdiOp* depth = testsupport::findText(dc, LayeredModelFigure::kDepthTitle);
    ASSERT_NE(res, nullptr);
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(res->angle, 0);
    EXPECT_EQ(depth->angle, 90);
    // Under the resistivity labels and right of the depth labels, in device
    // pixels (y down), each centred on its side of the area.
    CRect area = c.m_rcArea;
    dc.LPtoDP(&area);
    for (const GdiOp* op : testsupport::textOps(dc)) {
        if (op == res || op == depth || op == &dc.ops().front())
            continue;
        EXPECT_GT(res->originY - res->ascent, op->originY + op->descent) << op->text.str();
        EXPECT_GT(depth->originX - depth->ascent, op->originX + op->width) << op->text.str();
    }
    EXPECT_NEAR(res->originX + res->width / 2, (area.left + area.right) / 2.0, 2);
    EXPECT_NEAR(depth->originY - depth->width / 2, (area.top + area.bottom) / 2.0, 2);
}

TEST(LayeredModelPlan, ModelsOfAnyMagnitudeFillAnAreaOfAboutTheSameSize)
{
    struct Case {
        const char* text;
        bool logR, logH;
    };
    const Case cases[] = {
        {"5 80\n15 20\n30 250\n120\n", true, false},                   // the bundled sample's kind
        {"20 80\n60 5000\n150 12\n400 800\n9000\n", true, false},      // over 5000 ohm-m
        {"2 30\n8 300\n90 50\n900 2000\n4000 10\n500\n", true, true},  // tops from 2 to 5000 m
        {"0.5 1.2\n2.5 1.5\n1.8\n", false, false},                     // small and narrow
        {"3000 40000\n60000\n", false, false},
    };
    for (const Case& c : cases) {
        const LayeredModel m = Model(c.text);
        const LayeredModelPlan plan = LayeredModelPlan::For(m);
        EXPECT_EQ(plan.logR, c.logR) << c.text;
        EXPECT_EQ(plan.logH, c.logH) << c.text;
        CDrawRPToH chart;
        LayeredModelFigure::For(m).Prepare(chart);
        plan.Load(chart, m);
        const CRect& a = chart.m_rcArea;
        // About 150 by 100 mm (0.1 mm units), whatever the values.
        EXPECT_NEAR(a.right - a.left, LayeredModelPlan::kAreaWidth, 60) << c.text;
        EXPECT_NEAR(a.top - a.bottom, LayeredModelPlan::kAreaHeight, 100) << c.text;
        // Every side of the outline inside the area, each layer's at its resistivity.
        for (int i = 0; i < m.Layers(); ++i) {
            const CPoint& p = chart.m_RPoints[i];
            EXPECT_GT(p.x, a.left) << c.text << " layer " << i;
            EXPECT_LT(p.x, a.right) << c.text << " layer " << i;
            EXPECT_NEAR(plan.Resistivity(p.x / static_cast<double>(chart.m_fRRate)), m.res[i], m.res[i] * 0.02)
                << c.text << " layer " << i;
        }
    }
}
