#include "PageView.h"

#include "platform/wnd/CFrameWnd.h"

#include <QEvent>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

IMPLEMENT_DYNCREATE(PageView, CView)

// Clicks and focus anywhere in the content make the view the active one.
class PageView::Activator : public QObject {
public:
    Activator(PageView* view, QObject* parent) : QObject(parent), m_view(view) {}
    void release() { m_view = nullptr; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (m_view && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::FocusIn))
            if (CFrameWnd* frame = m_view->GetParentFrame())
                frame->SetActiveView(m_view);
        return QObject::eventFilter(obj, e);
    }

private:
    PageView* m_view;
};

PageView::PageView() = default;

PageView::~PageView()
{
    if (m_activator)
        m_activator->release();
}

void PageView::SetContent(QWidget* content)
{
    if (!m_hWnd || !content)
        return;
    auto* layout = qobject_cast<QVBoxLayout*>(m_hWnd->layout());
    if (!layout) {
        layout = new QVBoxLayout(m_hWnd);
        layout->setContentsMargins(1, 1, 1, 1);
    }
    layout->addWidget(content);
    if (!m_activator)
        m_activator = new Activator(this, m_hWnd);
    content->installEventFilter(m_activator);
    m_content = content;
}

QWidget* PageView::Content() const { return m_content.data(); }
