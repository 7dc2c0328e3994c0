// The studio's model chart for real models: a wide resistivity range drawn on
// decades, edited in ohm-metres by hand, and the figure filling its pane.
#include "StudioDriver.h"
#include "support/StudioFixture.h"

#include "LayerTable.h"
#include "ModelView.h"
#include "StudioWindow.h"

#include "model1d/LayeredModelFile.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

using studiodriver::drag;
using studiodriver::slurp;

// A conductor and a resistor under a cover, 5 to 5000 ohm-m.
const char* const kWideModel =
    "# five layers\n"
    "10   100   # cover\n"
    "20   5     # clay\n"
    "40   500\n"
    "80   50\n"
    "5000       # basement\n";

struct WideModel : testsupport::StudioFixture {
    WideModel() : StudioFixture(Open::Nothing)
    {
        std::ofstream(model) << kWideModel;
        EXPECT_TRUE(w.OpenModel(model.c_str()));
        w.show();
        QApplication::processEvents();
    }
    ModelView* mv() { return w.Model(); }
    CDrawRPToH& chart() { return mv()->Chart(); }
    // Abscissa of a layer's side, in the chart's logical units.
    int sideX(int layer) { return chart().m_RPoints[layer].x; }
    QPoint side(int layer)
    {
        const CDrawRPToH& c = chart();
        return mv()->ToWidget(CPoint(c.m_RPoints[layer].x, (c.m_RPoints[layer].y + c.m_RPoints[layer + 1].y) / 2));
    }
};

// The box of what is drawn (not white) in the view's picture.
QRect DrawnBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(StudioModelChart, AWideModelIsDrawnOnDecadesAndEditedInOhmMetres)
{
    WideModel s;
    const std::string original = slurp(s.model);
    // Equal ratios stand equally far apart: 50 -> 500 and 500 -> 5000.
    EXPECT_NEAR(s.sideX(2) - s.sideX(3), s.sideX(4) - s.sideX(2), 2);
    // The conductive layer stands clear of the left edge, where it can be grabbed.
    EXPECT_GT(s.sideX(1) - s.chart().m_rcArea.left, (s.chart().m_rcArea.right - s.chart().m_rcArea.left) / 20);

    // The pointer over the 500 ohm-m layer, halfway down (30 to 70 m), reads
    // in ohm-metres and metres.
    studiodriver::mouse(s.mv(), QEvent::MouseMove, s.side(2));
    double r = 0, h = 0;
    ASSERT_EQ(std::sscanf(s.w.Readout()->text().toUtf8().constData(), "Resistivity %lf %*s Depth %lf", &r, &h), 2)
        << s.w.Readout()->text().toStdString();
    EXPECT_NEAR(r, 500.0, 10.0);
    EXPECT_NEAR(h, 50.0, 1.0);

    // The 5 ohm-m side dragged right: the axis starts at 1 ohm-m (the decade
    // 5 lies in) with ten chart units a decade.
    const QPoint to = s.side(1) + QPoint(90, 7);
    drag(s.mv(), s.side(1), to);
    const double low = 0, unitsPerDecade = 10 * static_cast<double>(s.chart().m_fRRate);
    const double expected = std::pow(10.0, low + s.mv()->ToLogical(to).x / unitsPerDecade);
    const LayeredModel& m = s.mv()->Model();
    ASSERT_EQ(m.Layers(), 5);
    EXPECT_GT(expected, 5.0);
    EXPECT_NEAR(m.res[1], expected, 1e-5 * expected);
    // The other layers come back bit for bit.
    const float res[] = {100, 5, 500, 50, 5000}, thick[] = {10, 20, 40, 80};
    for (int i = 0; i < 5; ++i) {
        if (i != 1) {
            EXPECT_EQ(m.res[i], res[i]) << "layer " << i + 1;
        }
        if (i < 4) {
            EXPECT_EQ(m.thick[i], thick[i]) << "layer " << i + 1;
        }
    }
    // The table and the status bar speak ohm-metres.
    EXPECT_EQ(s.w.Layers()->item(1, LayerTable::kResistivity)->text(), QString::number(m.res[1], 'g', 6));
    const std::string status = s.w.statusBar()->currentMessage().toStdString();
    EXPECT_NE(status.find("Layer 2 resistivity: " + QString::number(m.res[1], 'g', 6).toStdString() + " Ω·m"),
              std::string::npos)
        << status;

    // Saved, only the edited number changes; undone and saved, the text is
    // the file's own again.
    ASSERT_TRUE(s.w.SaveModel());
    const std::string edited = slurp(s.model);
    EXPECT_NE(edited, original);
    EXPECT_EQ(edited.substr(0, edited.find("20   ")), original.substr(0, original.find("20   ")));
    ASSERT_TRUE(s.w.Undo());
    EXPECT_EQ(s.w.Layers()->item(1, LayerTable::kResistivity)->text(), QStringLiteral("5"));
    ASSERT_TRUE(s.w.SaveModel());
    EXPECT_EQ(slurp(s.model), original);
}

TEST(StudioModelChart, RescaledAfterAWideningEditTheRangeIsNotSquashed)
{
    WideModel s;
    // As an inversion may leave it: 1 to 100 000 ohm-m.
    ASSERT_TRUE(s.mv()->SetValue(EditField::LayerResistivity, 1, 1.0f));
    ASSERT_TRUE(s.mv()->SetValue(EditField::LayerResistivity, 4, 100000.0f));
    s.w.Rescale();
    const CRect& a = s.chart().m_rcArea;
    const int width = a.right - a.left;
    EXPECT_GE(s.sideX(1), a.left);
    EXPECT_LE(s.sideX(4), a.right);
    // Six decades and a margin share the width: 1 -> 100 takes near a
    // third of it (on a linear scale, a thousandth).
    EXPECT_GT(s.sideX(0) - s.sideX(1), width / 4);
    EXPECT_EQ(s.mv()->Model().res[1], 1.0f);
    EXPECT_EQ(s.mv()->Model().res[4], 100000.0f);
}

TEST(StudioModelChart, TheFigureFillsItsPaneCentredAtEitherWindowSize)
{
    WideModel s;
    for (const QSize window : {QSize(1000, 650), QSize(1920, 1080)}) {
        s.w.resize(window);
        QApplication::processEvents();
        const QSize pane = s.mv()->size();
        const QRect box = DrawnBox(s.mv()->RenderWhole());
        ASSERT_FALSE(box.isEmpty());
        const double fx = static_cast<double>(box.width()) / pane.width();
        const double fy = static_cast<double>(box.height()) / pane.height();
        EXPECT_GE(std::max(fx, fy), 0.9) << window.width() << "x" << window.height();
        EXPECT_GE(std::min(fx, fy), 0.7) << window.width() << "x" << window.height();
        // Centred: the room left on either side differs by little.
        EXPECT_NEAR(box.left(), pane.width() - 1 - box.right(), 0.05 * pane.width());
        EXPECT_NEAR(box.top(), pane.height() - 1 - box.bottom(), 0.05 * pane.height());
    }
    // Zoomed, the drawing keeps its shape through a resize; fitted to the
    // window again, it takes the pane's.
    s.mv()->ZoomAt(QPoint(10, 10), 2.0);
    s.w.resize(1800, 560);
    QApplication::processEvents();
    s.mv()->FitToWindow();
    const QRect box = DrawnBox(s.mv()->RenderWhole());
    const QSize pane = s.mv()->size();
    EXPECT_GE(std::min(static_cast<double>(box.width()) / pane.width(), static_cast<double>(box.height()) / pane.height()), 0.7);
}

TEST(StudioModelChart, TheDepthOfInvestigationStandsAtItsDepthOnADecadeScale)
{
    testsupport::StudioFixture s(testsupport::StudioFixture::Open::Nothing);
    // Tops at 1, 10, 100 and 1000 m: depths on decades from 0.1 m, ten
    // chart units a decade.
    std::ofstream(s.model) << "1 100\n9 5\n90 500\n900 50\n5000\n";
    ASSERT_TRUE(s.w.OpenModel(s.model.c_str()));
    s.w.show();
    QApplication::processEvents();
    ModelView* mv = s.w.Model();
    mv->SetInvestigationDepth(439.0);
    const CDrawRPToH& c = mv->Chart();
    const double chartDepth = (std::log10(439.0) + 1.0) * 10.0;
    const int expected = mv->ToWidget(CPoint(c.m_rcArea.left, static_cast<int>(chartDepth * c.m_fHRate))).y();
    const QImage image = mv->RenderWhole();
    // The dashed line's colour, across the middle of the area.
    const int x = mv->ToWidget(CPoint((c.m_rcArea.left + c.m_rcArea.right) / 2, 0)).x();
    int found = -1;
    for (int y = 0; y < image.height() && found < 0; ++y)
        for (int dx = 0; dx < 12 && found < 0; ++dx)
            if ((image.pixel(x + dx, y) & 0xffffff) == 0x783ca0)
                found = y;
    EXPECT_NEAR(found, expected, 2);
}
