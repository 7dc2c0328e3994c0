// Shows the studio with the bundled sounding and model, masks a sample and
// drags the clay layer's side to the right, writing screenshots during the
// drag and after it; with a number of seconds after the folder, holds the
// drag that long so that the screen can be captured from outside; a
// sounding and a model file after that replace the bundled ones:
//   tarnex-live-shot [DIR [SECONDS [SOUNDING MODEL]]]
#include "LiveForward.h"
#include "ModelView.h"
#include "ScreenShots.h"
#include "SoundingView.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <cstdlib>

namespace {

void settle(StudioWindow& w)
{
    w.Live()->Drain();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const ScreenShots shots(argc, argv);
    const int hold = argc > 2 ? std::atoi(argv[2]) : 0;
    StudioWindow w;
    w.OpenSounding(argc > 4 ? CString(argv[3]) : StudioWindow::BundledData("sounding.dat"));
    w.OpenModel(argc > 4 ? CString(argv[4]) : StudioWindow::BundledData("layered-model.txt"));
    w.resize(1400, 800);
    w.show();
    settle(w);

    // The sixth sample masked through the Edit menu's command.
    w.Sounding()->Select(2, 5);
    w.ToggleSelectedMask();
    settle(w);
    bool ok = shots.Save(&w, "live-opened.png");

    // The 20 ohm-m clay pulled right in steps, the button still down.
    ModelView* model = w.Model();
    const CDrawRPToH& c = model->Chart();
    const QPoint side = model->ToWidget(CPoint(c.m_RPoints[1].x, (c.m_RPoints[1].y + c.m_RPoints[2].y) / 2));
    ScreenShots::Mouse(model, QEvent::MouseButtonPress, side);
    for (int dx = 10; dx <= 120; dx += 10) {
        ScreenShots::Mouse(model, QEvent::MouseMove, side + QPoint(dx, 0));
        QApplication::processEvents();
    }
    settle(w);
    ok &= shots.Save(&w, "live-dragging.png");
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < hold * 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ScreenShots::Mouse(model, QEvent::MouseButtonRelease, side + QPoint(120, 0));
    settle(w);
    ok &= shots.Save(&w, "live-released.png");
    return ok ? 0 : 1;
}
