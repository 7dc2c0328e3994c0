#include "platform/wnd/MouseCapture.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

// The offscreen platform has no pointer to grab (and says so on every try);
// the capture is still tracked there.
bool canGrab() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

QPointer<QWidget>& holder()
{
    static QPointer<QWidget> w;
    return w;
}

}  // namespace

HWND SetCapture(HWND w)
{
    QWidget* old = holder().data();
    if (old && old != w && canGrab())
        old->releaseMouse();
    holder() = w;
    if (w && canGrab())
        w->grabMouse();
    return old;
}

BOOL ReleaseCapture()
{
    QWidget* w = holder().data();
    if (w && canGrab())
        w->releaseMouse();
    holder() = nullptr;
    return TRUE;
}

HWND GetCapture() { return holder().data(); }
