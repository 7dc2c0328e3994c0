// A sounding handed to the chart through its plan: any magnitude inside the
// frame, the abscissa's quantity and unit read from the header, samples
// below zero inside the frame or marked, measured-only soundings without
// modelled curves; and the label texts a reader expects.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "chart/AxisLabels.h"
#include "platform/gdi/CRecordingDC.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingPlan.h"
#include "sounding/SoundingRender.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Every point of every curve lies within the frame (edges included).
void ExpectInsideFrame(const CDrawRPCurve& c, const char* what)
{
    const CRect& f = c.m_rcRegion;
    ASSERT_LT(f.bottom, f.top) << what;
    ASSERT_LT(f.left, f.right) << what;
    for (const auto* pts : {&c.m_RPoints, &c.m_VPoints, &c.m_RFwdPoints, &c.m_VFwdPoints})
        for (const CPoint& p : *pts) {
            EXPECT_GE(p.x, f.left - 50) << what;
            EXPECT_LE(p.x, f.right + 50) << what;
            EXPECT_GE(p.y, f.bottom - 50) << what;
            EXPECT_LE(p.y, f.top + 50) << what;
        }
}

}  // namespace

TEST(SoundingPlan, DataOfAnyMagnitudeAndSignLandsInsideAFrameOfBoundedSize)
{
    struct Case {
        const char* what;
        SoundingTable table;
        SoundingPlan::View view;
        int model;
    };
    const Case cases[] = {
        {"seconds", Table({1e-5f, 1e-4f, 1e-3f, 1e-2f}, {80, 60, 90, 120}, {3e-2f, 1e-4f, 2e-7f, 5e-9f}, "t(s) R V"),
         SoundingPlan::View::Auto, 2},
        {"small linear", Table({1, 2, 5}, {1e-4f, 2e-3f, 3e-3f}, {2e-4f, 1e-3f, 2.5e-3f}), SoundingPlan::View::Auto, 1},
        {"small log-log, top at 0.1", Table({1, 2, 5}, {1e-4f, 1e-2f, 0.1f}, {2e-4f, 1e-3f, 0.1f}),
         SoundingPlan::View::LogLog, 2},
        {"sign reversal, linear", Table({1, 10, 100}, {100, 110, 120}, {50, -3, -0.5f}), SoundingPlan::View::Linear, 1},
        {"sign reversal, log-log", Table({1, 10, 100}, {100, 110, 120}, {50, -3, -0.5f}), SoundingPlan::View::LogLog, 2},
        {"huge", Table({1e6f, 1e9f}, {1e20f, 3e21f}, {2e20f, 1e21f}), SoundingPlan::View::Auto, 1},
    };
    for (const Case& c : cases) {
        const SoundingPlan plan = SoundingPlan::For(c.table, c.view);
        EXPECT_EQ(plan.model, c.model) << c.what;
        CDrawRPCurve chart;
        plan.Load(chart, c.table);
        EXPECT_EQ(chart.m_nDisModel, c.model) << c.what;
        ExpectInsideFrame(chart, c.what);
        // 130 to 250 mm wide, at most 150 mm high, in 0.01 mm.
        const CRect& f = chart.m_rcRegion;
        EXPECT_GE(f.right - f.left, 12500) << c.what;
        EXPECT_LE(f.right - f.left, 25500) << c.what;
        EXPECT_LE(f.top - f.bottom, 15500) << c.what;
    }
}

TEST(SoundingPlan, SignReversalsAreMarkedHollowOnDecadesAndZeroKeepsTheLinearView)
{
    const SoundingTable t = Table({1, 10, 100}, {100, 110, 120}, {50, -3, -0.5f});
    const SoundingPlan plan = SoundingPlan::For(t, SoundingPlan::View::LogLog);
    ASSERT_EQ(plan.negativeRows[1].size(), 2u);  // measured V, rows 2 and 3
    EXPECT_EQ(plan.negativeRows[1].back(), 2);
    EXPECT_EQ(plan.negativeRows[3].size(), 2u);  // and its modelled twin
    const SoundingFigure figure = SoundingFigure::For(t, SoundingPlan::View::LogLog);
    CDrawRPCurve chart;
    figure.plan->Load(chart, t);
    CRecordingDC dc;
    DrawSoundingFigure(chart, &dc, figure);
    int diamonds = 0;
    for (const GdiOp* op : testsupport::opsOfKind(dc, GdiOp::Kind::Polyline))
        diamonds += op->logical.size() == 5 && op->logical.front().x == op->logical.back().x &&
                    op->logical.front().y == op->logical.back().y;
    EXPECT_EQ(diamonds, 5);  // four samples and the legend's entry
    // A value of exactly 0 has no decade: the log-log view asked for gives way.
    const SoundingPlan zero = SoundingPlan::For(Table({1, 10}, {100, 0}, {5, 6}), SoundingPlan::View::LogLog);
    EXPECT_EQ(zero.model, 1);
    EXPECT_FALSE(zero.note.IsEmpty());
}

TEST(SoundingPlan, AMeasuredOnlySoundingDrawsNoModelledCurveOrLegendEntry)
{
    SoundingTable t = Table({1, 10, 100}, {100, 150, 120}, {30, 20, 10});
    t.columns = 3;
    t.rFwd.RemoveAll();
    t.vFwd.RemoveAll();
    const std::string png = testsupport::tempDir() + "/measured.png";
    CString err;
    ASSERT_TRUE(SoundingRender::RenderFigure(t, SoundingFigure::For(t, SoundingPlan::View::Auto), png.c_str(), 150, err))
        << err.GetString();
    const QImage img(QString::fromStdString(png));
    EXPECT_GT(testsupport::countColour(img, QColor(255, 0, 0)), 100);
    EXPECT_EQ(testsupport::countColour(img, QColor(10, 150, 0), 20), 0);
    EXPECT_EQ(testsupport::countColour(img, QColor(0, 0, 255), 20), 0);
}

TEST(SoundingPlan, TheHeaderNamesTheAbscissasQuantityAndUnit)
{
    using Q = SoundingPlan::Quantity;
    const struct {
        const char* header;
        Q quantity;
        int power;
    } cases[] = {{"t(s) R V", Q::Time, 0},       {"time_ms,rho,V", Q::Time, -3}, {"t_us R V", Q::Time, -6},
                 {"t(μs) R V", Q::Time, -6},     {"T(s) rho phase", Q::Period, 0}, {"period rho", Q::Period, 0},
                 {"freq_Hz rho", Q::Frequency, 0}, {"f(kHz) rho", Q::Frequency, 3}, {"", Q::Time, -3}};
    for (const auto& c : cases) {
        const SoundingPlan::Abscissa a = SoundingPlan::AbscissaOf(c.header);
        EXPECT_EQ(a.quantity, c.quantity) << c.header;
        EXPECT_EQ(a.power, c.power) << c.header;
    }
    EXPECT_EQ(SoundingPlan::AbscissaOf("depth R V").quantity, Q::Other);
    // Values up to 3e-3 in the linear view: labels in thousandths, named so,
    // and V in the unit its column names, a thousand times smaller.
    const SoundingPlan small =
        SoundingPlan::For(Table({1, 2, 5}, {1e-4f, 2e-3f, 3e-3f}, {2e-4f, 1e-3f, 2.5e-3f}, "t_ms R V(V/A)"),
                          SoundingPlan::View::Linear);
    EXPECT_EQ(small.yUnit, -3);
    EXPECT_EQ(small.valueTitle.str(), "视电阻率 R (×10⁻³ Ω·m)、垂直磁分量 V (mV/A)");
    // In frequency or period: apparent resistivity and phase, in either view.
    for (const auto view : {SoundingPlan::View::Linear, SoundingPlan::View::LogLog}) {
        const SoundingPlan mt =
            SoundingPlan::For(Table({1000, 10, 0.1f}, {100, 120, 80}, {45, 50, 40}, "freq_Hz rho phase"), view);
        EXPECT_EQ(mt.valueTitle.str(), "视电阻率 ρa (Ω·m)、相位 φ (°)");
        EXPECT_EQ(mt.vUnit.str(), "°");
    }
}

TEST(AxisLabels, DecadesAndStepsReadAsAReaderExpects)
{
    EXPECT_EQ(AxisLabels::Decade(-3).str(), "0.001");
    EXPECT_EQ(AxisLabels::Decade(-4).str(), "10⁻⁴");
    EXPECT_EQ(AxisLabels::Decade(3).str(), "1000");
    EXPECT_EQ(AxisLabels::Decade(4).str(), "10⁴");
    EXPECT_EQ(AxisLabels::Decade(-2, 5).str(), "0.05");
    EXPECT_EQ(AxisLabels::Decade(-12, 2).str(), "2×10⁻¹²");
    EXPECT_DOUBLE_EQ(AxisLabels::NiceStep(0, 3.4, 4), 1.0);
    EXPECT_DOUBLE_EQ(AxisLabels::NiceStep(0, 3.0, 4), 1.0);   // 0, 1, 2, 3: four at the limit
    EXPECT_DOUBLE_EQ(AxisLabels::NiceStep(0, 2.9, 4), 0.5);
    EXPECT_DOUBLE_EQ(AxisLabels::NiceStep(-0.02, 0.35, 4), 0.1);
    EXPECT_DOUBLE_EQ(AxisLabels::NiceStep(1, 1, 4), 0.0);
    EXPECT_EQ(AxisLabels::Linear(0.25, 0.05).str(), "0.25");
    EXPECT_EQ(AxisLabels::Linear(1500, 500).str(), "1500");
    EXPECT_EQ(AxisLabels::Linear(-1e-17, 0.1).str(), "0.0");
}
