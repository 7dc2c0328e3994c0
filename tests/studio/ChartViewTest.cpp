// The chart views as the studio shows them: a drag painted from images of
// what does not move shows the pixels of a whole redraw, zooming keeps the
// point under the pointer and the mouse on the right point, and the legend
// tip follows the pointer.
#include "ModelView.h"
#include "SoundingView.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "StudioWindow.h"

#include "TestSupport.h"
#include "sounding/SoundingFile.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
    QApplication::processEvents();
}

void wheel(QWidget* w, QPoint at, int delta, Qt::KeyboardModifiers mods)
{
    QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// Measured and modelled curves that cross each other and the grid lines
// again and again.
SoundingTable crossing(int n, float lift = 0.0f)
{
    SoundingTable t;
    for (int i = 0; i < n; ++i) {
        float x = std::pow(10.0f, i / 8.0f);
        float r = 200 + 150 * std::sin(0.9f * i) + lift, v = 180 + 140 * std::cos(0.7f * i + 1);
        float rf = 210 + 120 * std::sin(0.8f * i), vf = 170 + 100 * std::cos(0.6f * i);
        t.x.Add(x);
        t.r.Add(r);
        t.v.Add(v);
        t.rFwd.Add(rf);
        t.vFwd.Add(vf);
    }
    return t;
}

// Pixels where what the window shows (its backing store, as painted step
// by step) differs from a whole redraw of the chart as it stands; the
// scroll bars are left out.
int differsFromWhole(ChartView& view)
{
    QApplication::processEvents();
    const QImage shown = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = view.RenderWhole();
    if (shown.size() != whole.size())
        return -1;
    QRegion chart(view.rect());
    for (QScrollBar* bar : view.findChildren<QScrollBar*>())
        if (bar->isVisible())
            chart -= bar->geometry();
    int n = 0;
    for (const QRect& r : chart)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += shown.pixel(x, y) != whole.pixel(x, y);
    return n;
}

struct PaintAreas : QObject {
    std::vector<QRect> rects;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent*>(e)->rect());
        return false;
    }
};

struct ShownSounding {
    SoundingView view;
    CDrawRPCurve& c = view.Chart();
    explicit ShownSounding(QSize size = QSize(900, 600))
    {
        view.SetSounding(crossing(40));
        view.resize(size);
        view.show();
        QApplication::processEvents();
    }
    const CArray<CPoint, CPoint>& points(int curve) { return curve == 1 ? c.m_RPoints : c.m_VPoints; }
};

}  // namespace

TEST(ChartView, ADragPaintedFromImagesShowsThePixelsOfAWholeRedraw)
{
    ShownSounding s;
    PaintAreas painted;
    s.view.installEventFilter(&painted);
    const int whole = s.view.width() * s.view.height();
    // Inner points of either measured curve, and either end of one.
    for (auto [curve, index] : {std::pair(1, 17), std::pair(2, 22), std::pair(1, 0), std::pair(2, 39)}) {
        const QPoint from = s.view.ToWidget(s.points(curve)[index]);
        mouse(&s.view, QEvent::MouseButtonPress, from);
        ASSERT_EQ(std::pair(s.c.m_nSelCurve, s.c.m_nSelIndex), std::pair(curve, index));
        painted.rects.clear();
        for (QPoint step : {QPoint(0, -120), QPoint(30, 90), QPoint(-20, 260), QPoint(5, -60)}) {
            mouse(&s.view, QEvent::MouseMove, from + step);
            EXPECT_EQ(differsFromWhole(s.view), 0) << curve << "/" << index << " at " << step.x() << "," << step.y();
        }
        // The press shows the selection, which makes the images; every step
        // then draws only around the point.
        ASSERT_EQ(painted.rects.size(), 4u);
        for (size_t k = 0; k < painted.rects.size(); ++k)
            EXPECT_LT(painted.rects[k].width() * painted.rects[k].height(), whole / 8) << k;
        mouse(&s.view, QEvent::MouseButtonRelease, from + QPoint(5, -60));
    }
}

TEST(ChartView, DragImagesGoWhenTheLayoutTheSizeTheZoomOrTheDataChange)
{
    ShownSounding s;
    const QPoint from = s.view.ToWidget(s.c.m_RPoints[17]);
    mouse(&s.view, QEvent::MouseButtonPress, from);
    mouse(&s.view, QEvent::MouseMove, from + QPoint(0, -30));
    mouse(&s.view, QEvent::MouseMove, from + QPoint(0, -50));
    const auto stepAfter = [&](const char* change, auto&& apply) {
        apply();
        mouse(&s.view, QEvent::MouseMove, from + QPoint(3, -40));
        EXPECT_EQ(differsFromWhole(s.view), 0) << change;
    };
    stepAfter("log-log model", [&] { s.view.SetDisplayModel(2); });
    stepAfter("smaller window", [&] { s.view.resize(700, 500); });
    stepAfter("zoom", [&] { s.view.ZoomAt(QPoint(300, 200), 1.5); });
    stepAfter("scrolled", [&] { s.view.ScrollTo(s.view.ScrollOffset() + QPoint(20, 10)); });
    stepAfter("new values", [&] { s.view.SetSounding(crossing(40, 30.0f)); });
    mouse(&s.view, QEvent::MouseButtonRelease, from);
}

TEST(ChartView, CtrlWheelZoomsAboutThePointerAndTheMouseStillFindsItsPoint)
{
    ShownSounding s(QSize(600, 800));  // room to spare below the fitted drawing
    const QPoint anchor = s.view.ToWidget(s.c.m_VPoints[20]) + QPoint(7, -4);
    const CPoint under = s.view.ToLogical(anchor);
    const int fit = s.view.DrawDpi();
    wheel(&s.view, anchor, 2 * 120, Qt::ControlModifier);
    ASSERT_TRUE(s.view.IsZoomed());
    EXPECT_NEAR(s.view.DrawDpi(), fit * 1.5625, 1.0);
    const int pixel = 2540 / s.view.DrawDpi() + 1;  // logical units
    EXPECT_NEAR(s.view.ToLogical(anchor).x, under.x, pixel);
    EXPECT_NEAR(s.view.ToLogical(anchor).y, under.y, pixel);

    // The zoomed drawing scrolls with its bars and the wheel.
    const QList<QScrollBar*> bars = s.view.findChildren<QScrollBar*>();
    ASSERT_EQ(bars.size(), 2);
    QScrollBar* h = bars[0]->orientation() == Qt::Horizontal ? bars[0] : bars[1];
    ASSERT_TRUE(h->isVisible());
    const QPoint seen = s.view.ToWidget(s.c.m_VPoints[20]);
    h->setValue(h->value() + 40);
    wheel(&s.view, anchor, 120, Qt::NoModifier);
    EXPECT_EQ(s.view.ToWidget(s.c.m_VPoints[20]), seen - QPoint(40, -60));

    // A press where the point shows now picks it; its value follows the pointer.
    const QPoint from = s.view.ToWidget(s.c.m_VPoints[20]), to = from + QPoint(0, -50);
    mouse(&s.view, QEvent::MouseButtonPress, from);
    EXPECT_EQ(std::pair(s.c.m_nSelCurve, s.c.m_nSelIndex), std::pair(2, 20));
    mouse(&s.view, QEvent::MouseMove, to);
    mouse(&s.view, QEvent::MouseButtonRelease, to);
    EXPECT_NEAR(s.c.m_fV[20], s.view.ToLogical(to).y / static_cast<double>(s.c.m_fYRate), 1e-3);

    // Fitting shows the whole drawing again without bars, filling the pane
    // along one side and centred along the other.
    s.view.FitToWindow();
    EXPECT_EQ(std::tuple(s.view.IsZoomed(), s.view.DrawDpi(), h->isVisible()),
              std::tuple(false, s.view.FitDpi(), false));
    const QPoint centred = s.view.ScrollOffset();
    EXPECT_LE(centred.x(), 0);
    EXPECT_LE(centred.y(), 0);
    EXPECT_LE(std::min(-centred.x(), -centred.y()), 3) << "filled along neither side";
}

TEST(ChartView, TheStudioFitsBothChartsAndZoomedLayerSidesStillDrag)
{
    StudioWindow w;
    w.onError = [](const CString& m) { ADD_FAILURE() << m.GetString(); };
    ASSERT_TRUE(w.OpenModel(StudioWindow::BundledData("layered-model.txt")));
    w.show();
    QApplication::processEvents();
    ModelView* m = w.Model();
    CDrawRPToH& c = m->Chart();
    const CPoint mid(c.m_RPoints[1].x, (c.m_RPoints[1].y + c.m_RPoints[2].y) / 2);
    m->ZoomAt(m->ToWidget(mid), 3.0);
    w.Sounding()->ZoomAt(QPoint(10, 10), 2.0);
    const QPoint from = m->ToWidget(mid), to = from + QPoint(45, 0);
    mouse(m, QEvent::MouseButtonPress, from);
    mouse(m, QEvent::MouseMove, to);
    const int x = m->ToLogical(to).x;
    const float rate = c.m_fRRate;
    mouse(m, QEvent::MouseButtonRelease, to);
    EXPECT_NEAR(c.m_fR[1], x / static_cast<double>(rate), 1e-3);

    int fits = 0;
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == QStringLiteral("&Fit to Window")) {
            a->trigger();
            ++fits;
        }
    EXPECT_EQ(fits, 1);
    EXPECT_FALSE(m->IsZoomed());
    EXPECT_FALSE(w.Sounding()->IsZoomed());
}

TEST(ChartView, TheLegendTipFollowsThePointerThroughADrag)
{
    ShownSounding s;
    const CToolTipCtrl& tip = s.c.ToolTip();
    const auto below = [&](QPoint at) {
        const QPoint g = s.view.mapToGlobal(at) + QPoint(4, 20);
        return CPoint(g.x(), g.y());
    };
    const QPoint from = s.view.ToWidget(s.c.m_RPoints[17]);
    mouse(&s.view, QEvent::MouseMove, from - QPoint(10, 0));
    EXPECT_EQ(tip.GetTipRect().TopLeft(), below(from - QPoint(10, 0)));
    mouse(&s.view, QEvent::MouseButtonPress, from);
    for (QPoint step : {QPoint(25, -70), QPoint(-40, 30)}) {
        mouse(&s.view, QEvent::MouseMove, from + step);
        EXPECT_EQ(tip.GetTipRect().TopLeft(), below(from + step));
    }
    mouse(&s.view, QEvent::MouseButtonRelease, from);
    mouse(&s.view, QEvent::MouseMove, QPoint(2, 2));  // outside the frame
    EXPECT_FALSE(tip.IsTipShown());
}

TEST(ChartView, AMeasuredOnlySoundingShowsAndSavesItsThreeColumns)
{
    SoundingTable t;
    for (float x : {1.0f, 10.0f, 100.0f}) {
        float r = x + 50, v = 30 / x;
        t.x.Add(x);
        t.r.Add(r);
        t.v.Add(v);
    }
    t.columns = 3;
    SoundingView view;
    view.SetSounding(t);
    view.resize(600, 400);
    view.show();
    QApplication::processEvents();
    const QImage shown = view.grab().toImage();
    EXPECT_GT(testsupport::countColour(shown, QColor(255, 0, 0)), 20);
    EXPECT_EQ(testsupport::countColour(shown, QColor(10, 150, 0), 20), 0);  // no modelled R
    const SoundingTable back = view.Sounding();
    EXPECT_EQ(back.columns, 3);
    EXPECT_EQ(back.rFwd.GetSize(), 0);
    EXPECT_EQ(back.r.GetSize(), 3);
}

