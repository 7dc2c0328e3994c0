// Shows the studio with the bundled sounding and model, drags a layer side
// past zero resistivity, points at the sounding, and opens the exact-value
// dialog by a double-click, as a user would, then nudges the point it
// selected; writes screenshots of each:
//   tarnex-edit-shot [DIR]   (default: the current directory)
#include "LayerTable.h"
#include "ModelView.h"
#include "ScreenShots.h"
#include "SoundingView.h"
#include "StudioWindow.h"
#include "ValueDialog.h"

#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>


int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const ScreenShots shots(argc, argv);
    StudioWindow w;
    w.OpenSounding(StudioWindow::BundledData("sounding.dat"));
    w.OpenModel(StudioWindow::BundledData("layered-model.txt"));
    w.resize(1280, 720);
    w.show();
    QApplication::processEvents();

    // The 250 ohm-m layer dragged far left: it stops right of zero.
    ModelView* model = w.Model();
    const CDrawRPToH& c = model->Chart();
    const QPoint side = model->ToWidget(CPoint(c.m_RPoints[2].x, (c.m_RPoints[2].y + c.m_RPoints[3].y) / 2));
    ScreenShots::Mouse(model, QEvent::MouseButtonPress, side);
    ScreenShots::Mouse(model, QEvent::MouseMove, side - QPoint(200, 0));
    ScreenShots::Mouse(model, QEvent::MouseMove, side - QPoint(2000, 0));
    QApplication::processEvents();
    bool ok = shots.Save(&w, "edit-clamped-drag.png");
    ScreenShots::Mouse(model, QEvent::MouseButtonRelease, side - QPoint(2000, 0));

    // The pointer over a measured point: its abscissa and value below.
    SoundingView* sounding = w.Sounding();
    const QPoint point = sounding->ToWidget(sounding->Chart().m_RPoints[8]);
    ScreenShots::Mouse(sounding, QEvent::MouseMove, point);
    QApplication::processEvents();
    ok &= shots.Save(&w, "edit-readout.png");
    ok &= shots.Save(w.Layers()->parentWidget(), "edit-layer-table.png");

    QTimer::singleShot(0, [&] {
        if (auto* dlg = dynamic_cast<ValueDialog*>(QApplication::activeModalWidget())) {
            dlg->Edit()->setText(QStringLiteral("-5"));
            dlg->accept();  // refused: the reason shows under the box
            QApplication::processEvents();
            ok &= shots.Save(dlg, "edit-value-dialog.png");
            dlg->reject();
        } else {
            ok = false;
        }
    });
    ScreenShots::Mouse(sounding, QEvent::MouseButtonPress, point);
    ScreenShots::Mouse(sounding, QEvent::MouseButtonRelease, point);
    ScreenShots::Mouse(sounding, QEvent::MouseButtonDblClick, point);
    // The point stays selected for the arrow keys: one pixel up.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(sounding, &up);
    QApplication::processEvents();
    ok &= shots.Save(&w, "edit-selected.png");
    return ok ? 0 : 1;
}
