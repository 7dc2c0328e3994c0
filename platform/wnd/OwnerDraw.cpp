#include "platform/wnd/OwnerDraw.h"

#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/WidgetFont.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

LRESULT AfxReflectOwnerDraw(HWND control, UINT message, void* record)
{
    auto* target = dynamic_cast<COwnerDrawn*>(CWnd::FromHandlePermanent(control));
    if (!target || !record)
        return 0;
    switch (message) {
    case WM_DRAWITEM: target->DrawItem(static_cast<LPDRAWITEMSTRUCT>(record)); return TRUE;
    case WM_MEASUREITEM: target->MeasureItem(static_cast<LPMEASUREITEMSTRUCT>(record)); return TRUE;
    case WM_COMPAREITEM: return target->CompareItem(static_cast<LPCOMPAREITEMSTRUCT>(record));
    default: return 0;
    }
}

namespace {

// Replaces a widget's own painting by its owner's drawing of one whole item.
class OwnerDrawPainter : public QObject {
public:
    OwnerDrawPainter(QWidget* w, UINT type) : QObject(w), m_type(type) {}

    bool eventFilter(QObject* obj, QEvent* e) override
    {
        auto* w = qobject_cast<QWidget*>(obj);
        if (!w || e->type() != QEvent::Paint)
            return false;
        CWnd* wnd = CWnd::FromHandlePermanent(w);
        if (!dynamic_cast<COwnerDrawn*>(wnd))
            return false;
        CPaintDC dc(wnd);
        CFont font;
        const LOGFONT lf = WidgetFont::FromQFont(w->font());
        if (font.CreateFontIndirect(&lf))
            dc.SelectObject(&font);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = m_type;
        dis.CtlID = static_cast<UINT>(wnd->GetDlgCtrlID());
        dis.itemID = 0;
        dis.itemAction = ODA_DRAWENTIRE;
        auto* b = qobject_cast<QAbstractButton*>(w);
        dis.itemState = (w->hasFocus() ? ODS_FOCUS : 0) | (w->isEnabled() ? 0 : ODS_DISABLED) |
                        (b && b->isDown() ? ODS_SELECTED : 0);
        dis.hwndItem = w;
        dis.hDC = &dc;
        dis.rcItem = CRect(0, 0, w->width(), w->height());
        AfxReflectOwnerDraw(w, WM_DRAWITEM, &dis);
        return true;
    }

private:
    UINT m_type;
};

}  // namespace

void AfxMakeOwnerDrawn(HWND control, UINT ctlType)
{
    if (!control || control->findChild<OwnerDrawPainter*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    control->installEventFilter(new OwnerDrawPainter(control, ctlType));
    control->update();
}
