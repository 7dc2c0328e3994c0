#include "platform/MouseCapture.h"

#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget>& holder()
{
    static QPointer<QWidget> w;
    return w;
}

}  // namespace

HWND SetCapture(HWND w)
{
    QWidget* old = holder().data();
    if (old && old != w)
        old->releaseMouse();
    holder() = w;
    if (w)
        w->grabMouse();
    return old;
}

BOOL ReleaseCapture()
{
    if (QWidget* w = holder().data())
        w->releaseMouse();
    holder() = nullptr;
    return TRUE;
}

HWND GetCapture() { return holder().data(); }
