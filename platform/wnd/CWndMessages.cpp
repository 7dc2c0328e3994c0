// The window-message half of CWnd: styles, subclassing, the message map for
// messages other than commands and timers, and the Qt events they come from.
#include "platform/wnd/CWnd.h"

#include "platform/wnd/CFrameWnd.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <bit>
#include <vector>

namespace {

constexpr const char* kStyleProperty = "tarnexStyle";
constexpr const char* kRoutedProperty = "tarnexRouted";

QPointer<QWidget>& cursorTarget()
{
    static QPointer<QWidget> w;
    return w;
}
HCURSOR g_cursor = nullptr;
int g_beeps = 0;

COLORREF toColorref(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
QColor toQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The parts of r that none of the cut rectangles cover.
std::vector<CRect> subtract(const CRect& r, const std::vector<CRect>& cuts)
{
    std::vector<CRect> parts{r};
    for (const CRect& c : cuts) {
        std::vector<CRect> next;
        for (const CRect& p : parts) {
            const CRect i(std::max(p.left, c.left), std::max(p.top, c.top), std::min(p.right, c.right),
                          std::min(p.bottom, c.bottom));
            if (i.IsRectEmpty()) {
                next.push_back(p);
                continue;
            }
            for (const CRect& q : {CRect(p.left, p.top, p.right, i.top), CRect(p.left, i.bottom, p.right, p.bottom),
                                   CRect(p.left, i.top, i.left, i.bottom), CRect(i.right, i.top, p.right, i.bottom)})
                if (!q.IsRectEmpty())
                    next.push_back(q);
        }
        parts = std::move(next);
    }
    return parts;
}

}  // namespace

// Qt's events of a routed widget become the framework's messages.
class WndEventRouter : public QObject {
public:
    explicit WndEventRouter(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* obj, QEvent* e) override
    {
        auto* w = qobject_cast<QWidget*>(obj);
        CWnd* wnd = w ? CWnd::FromHandlePermanent(w) : nullptr;
        if (!wnd)
            return false;
        switch (e->type()) {
        case QEvent::Enter:
            setCursor(wnd, w);
            break;
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(e);
            const QPoint p = me->position().toPoint();
            MSG msg;
            msg.hwnd = w;
            msg.message = WM_MOUSEMOVE;
            msg.wParam = me->buttons() & Qt::LeftButton ? MK_LBUTTON : 0;
            msg.lParam = MAKELPARAM(p.x(), p.y());
            msg.pt = tagPOINT{p.x(), p.y()};
            if (wnd->PreTranslateMessage(&msg))
                return true;
            setCursor(wnd, w);
            wnd->WindowProc(WM_MOUSEMOVE, msg.wParam, msg.lParam);
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            // A static control that asked to notify reports a click released on it.
            if (me->button() == Qt::LeftButton && qobject_cast<QLabel*>(w) && (wnd->GetStyle() & SS_NOTIFY) &&
                w->rect().contains(me->position().toPoint())) {
                LRESULT r = 0;
                if (!wnd->dispatchMessage(WM_REFLECT_BASE + WM_COMMAND, MAKEWPARAM(static_cast<UINT>(wnd->GetDlgCtrlID()), STN_CLICKED), 0, r))
                    CWnd::NotifyParent(w, STN_CLICKED);
                return true;
            }
            break;
        }
        case QEvent::Paint:
            if (auto* label = qobject_cast<QLabel*>(w))
                applyControlColour(wnd, label);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void setCursor(CWnd* wnd, QWidget* w)
    {
        cursorTarget() = w;
        if (!wnd->WindowProc(WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)))
            w->unsetCursor();
    }

    // The control's colour handler sets the text colour on a context; the
    // label paints with it. Transparent leaves the parent's background.
    static void applyControlColour(CWnd* wnd, QLabel* label)
    {
        CDC dc;
        dc.SetTextColor(toColorref(QApplication::palette(label).color(QPalette::WindowText)));
        LRESULT r = 0;
        if (!wnd->dispatchMessage(WM_REFLECT_BASE + WM_CTLCOLOR, reinterpret_cast<WPARAM>(&dc), CTLCOLOR_STATIC, r))
            return;
        const QColor want = toQColor(dc.GetTextColor());
        if (label->palette().color(QPalette::WindowText) != want) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, want);
            label->setPalette(pal);
        }
        label->setAutoFillBackground(dc.GetBkMode() != TRANSPARENT);
    }
};

DWORD CWnd::GetStyle() const
{
    if (!m_hWnd)
        return 0;
    const QVariant v = m_hWnd->property(kStyleProperty);
    if (v.isValid())
        return static_cast<DWORD>(v.toUInt());
    DWORD style = m_hWnd->isWindow() ? WS_POPUP : WS_CHILD;
    if (!m_hWnd->isHidden())
        style |= WS_VISIBLE;
    if (auto* l = qobject_cast<QLabel*>(m_hWnd)) {
        const Qt::Alignment a = l->alignment();
        style |= a & Qt::AlignHCenter ? SS_CENTER : a & Qt::AlignRight ? SS_RIGHT : SS_LEFT;
        if (a & Qt::AlignVCenter)
            style |= SS_CENTERIMAGE;
    }
    return style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    if (!m_hWnd)
        return FALSE;
    const DWORD old = GetStyle();
    const DWORD style = (old & ~remove) | add;
    m_hWnd->setProperty(kStyleProperty, static_cast<uint>(style));
    if (auto* l = qobject_cast<QLabel*>(m_hWnd)) {
        const DWORD h = style & 0x3;
        l->setAlignment((h == SS_CENTER ? Qt::AlignHCenter : h == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft) |
                        (style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop));
    }
    return old != style ? TRUE : FALSE;
}

BOOL CWnd::SubclassWindow(HWND w)
{
    if (!Attach(w))
        return FALSE;
    PreSubclassWindow();
    routeEvents();
    return TRUE;
}

void CWnd::routeEvents()
{
    if (!m_hWnd || m_hWnd->property(kRoutedProperty).toBool())
        return;
    m_hWnd->setProperty(kRoutedProperty, true);
    m_hWnd->installEventFilter(new WndEventRouter(m_hWnd));
    m_hWnd->setMouseTracking(true);
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    if (message == WM_TIMER)
        return dispatch(WM_TIMER, 0, 0, wParam);
    LRESULT result = 0;
    if (dispatchMessage(message, wParam, lParam, result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_ERASEBKGND) {
        // The window's background, except where the context excludes it.
        auto* dc = reinterpret_cast<CDC*>(wParam);
        if (!dc || !m_hWnd)
            return FALSE;
        CRect client;
        GetClientRect(&client);
        const COLORREF bg = toColorref(m_hWnd->palette().color(QPalette::Window));
        for (const CRect& part : subtract(client, dc->ExcludedRects()))
            dc->FillSolidRect(&part, bg);
        return TRUE;
    }
    return 0;
}

bool CWnd::dispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    const bool notify = message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY;
    if (notify && !hdr)
        return false;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nMessage != message)
                continue;
            if (notify && (e->nCode != hdr->code ||
                           (message == WM_NOTIFY && (hdr->idFrom < e->nID || hdr->idFrom > e->nLastID))))
                continue;
            if (message == WM_REFLECT_BASE + WM_COMMAND && e->nCode != HIWORD(wParam))
                continue;
            result = 0;
            switch (e->nSig) {
            case AfxSig_vv:
                (this->*(e->pfn))();
                break;
            case AfxSig_vwp:
                (this->*std::bit_cast<AFX_PMSG_MOUSE>(e->pfn))(
                    static_cast<UINT>(wParam), CPoint(static_cast<short>(LOWORD(static_cast<WPARAM>(lParam))),
                                                      static_cast<short>(HIWORD(static_cast<WPARAM>(lParam)))));
                break;
            case AfxSig_bWww:
                result = (this->*std::bit_cast<AFX_PMSG_CURSOR>(e->pfn))(
                    FromHandlePermanent(reinterpret_cast<QWidget*>(wParam)), LOWORD(static_cast<WPARAM>(lParam)),
                    HIWORD(static_cast<WPARAM>(lParam)));
                break;
            case AfxSig_bD:
                result = (this->*std::bit_cast<AFX_PMSG_DC>(e->pfn))(reinterpret_cast<CDC*>(wParam));
                break;
            case AfxSig_hDu:
                result = reinterpret_cast<LRESULT>(
                    (this->*std::bit_cast<AFX_PMSG_CTLCOLOR>(e->pfn))(reinterpret_cast<CDC*>(wParam), static_cast<UINT>(lParam)));
                break;
            case AfxSig_vNMHDRpl: {
                LRESULT r = 0;
                (this->*std::bit_cast<AFX_PMSG_NOTIFY>(e->pfn))(hdr, &r);
                result = r;
                break;
            }
            default:
                continue;
            }
            return true;
        }
    }
    return false;
}

LRESULT CWnd::SendNotify(CWnd* control, NMHDR* hdr)
{
    if (!control || !hdr)
        return 0;
    LRESULT r = 0;
    if (control->dispatchMessage(WM_REFLECT_BASE + WM_NOTIFY, 0, reinterpret_cast<LPARAM>(hdr), r))
        return r;
    for (QWidget* p = control->m_hWnd ? control->m_hWnd->parentWidget() : nullptr; p; p = p->parentWidget())
        if (CWnd* w = FromHandlePermanent(p))
            return w->WindowProc(WM_NOTIFY, hdr->idFrom, reinterpret_cast<LPARAM>(hdr));
    return 0;
}

BOOL CWnd::RedrawWindow(LPCRECT rect, void*, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    const QRect area = rect ? QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top)
                            : m_hWnd->rect();
    if (flags & RDW_UPDATENOW)
        m_hWnd->repaint(area);
    else if (flags & RDW_INVALIDATE)
        m_hWnd->update(area);
    return TRUE;
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    if (!(flags & SWP_NOMOVE))
        m_hWnd->move(x, y);
    if (!(flags & SWP_NOSIZE))
        m_hWnd->resize(std::max(0, cx), std::max(0, cy));
    return TRUE;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* p = GetParent(); p; p = p->GetParent())
        if (p->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(p);
    return nullptr;
}

CWnd* CWnd::GetFocus()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (CWnd* wnd = FromHandlePermanent(w))
            return wnd;
    return nullptr;
}

void CWnd::OnMouseMove(UINT, CPoint) {}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return FALSE; }

BOOL CWnd::OnEraseBkgnd(CDC* pDC) { return static_cast<BOOL>(DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC), 0)); }

HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR old = g_cursor;
    g_cursor = cursor;
    if (QWidget* w = cursorTarget().data()) {
        if (cursor)
            w->setCursor(*cursor);
        else
            w->unsetCursor();
    }
    return old;
}

HCURSOR GetCursor() { return g_cursor; }

void MessageBeep(UINT)
{
    ++g_beeps;
    if (QApplication::instance())
        QApplication::beep();
}

int MessageBeepCount() { return g_beeps; }
