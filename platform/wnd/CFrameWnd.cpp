#include "platform/wnd/CFrameWnd.h"

#include "platform/wnd/CView.h"

#include <QWidget>

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BOOL CFrameWnd::Create(LPCTSTR, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent)
{
    if (m_hWnd || ((style & WS_CHILD) && (!parent || !parent->m_hWnd)))
        return FALSE;
    auto* w = new QWidget((style & WS_CHILD) ? parent->m_hWnd : nullptr);
    w->setWindowTitle(QString::fromUtf8(title ? title : ""));
    w->setGeometry(rect.left, rect.top, std::max<LONG>(0, rect.right - rect.left), std::max<LONG>(0, rect.bottom - rect.top));
    adoptWindow(w);
    ModifyStyle(0, style);
    if (style & WS_VISIBLE)
        w->show();
    return TRUE;
}

CView* CFrameWnd::GetActiveView() const
{
    // The view is the widget's own object only while both live.
    if (!m_pViewActive || !m_activeWidget || FromHandlePermanent(m_activeWidget.data()) != m_pViewActive)
        return nullptr;
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* view, BOOL)
{
    m_pViewActive = view;
    m_activeWidget = view ? view->m_hWnd : nullptr;
}
