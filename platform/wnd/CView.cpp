#include "platform/wnd/CView.h"

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CPaintDC.h"

#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

// The view's window: paints through the view, makes it the frame's active
// view when the user clicks or tabs into it, and takes the view with it.
class CView::Widget : public QWidget {
public:
    Widget(CView* view, QWidget* parent) : QWidget(parent), m_view(view) { setFocusPolicy(Qt::ClickFocus); }
    ~Widget() override
    {
        CView* v = m_view;
        m_view = nullptr;
        if (v && v->m_bAutoDelete) {
            v->Detach();
            delete v;
        }
    }
    void release() { m_view = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_view)
            return;
        {
            CPaintDC dc(m_view);
            m_view->OnDraw(&dc);
        }
        if (m_view->GetStyle() & WS_BORDER) {
            QPainter p(this);
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        activate();
        QWidget::mousePressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        activate();
        QWidget::focusInEvent(e);
    }

private:
    void activate()
    {
        if (!m_view)
            return;
        if (CFrameWnd* f = m_view->GetParentFrame())
            f->SetActiveView(m_view);
    }
    CView* m_view;
};

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    if (auto* w = dynamic_cast<Widget*>(m_hWnd))
        w->release();
}

BOOL CView::Create(LPCTSTR, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                   CCreateContext* context)
{
    if (m_hWnd || ((style & WS_CHILD) && (!parent || !parent->m_hWnd)))
        return FALSE;
    auto* w = new Widget(this, parent ? parent->m_hWnd : nullptr);
    w->setWindowTitle(QString::fromUtf8(windowName ? windowName : ""));
    if (!attachNewControl(w, rect, style, id))
        return FALSE;
    ModifyStyle(0, style);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return TRUE;
}

void CView::OnDraw(CDC*) {}
