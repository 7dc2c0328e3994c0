// A view that shows one of the studio's widgets (a chart, a page) filling
// it, and becomes its frame's active view when the user clicks into it.
#pragma once

#include "platform/wnd/CView.h"

#include <QPointer>

class PageView : public CView {
public:
    DECLARE_DYNCREATE(PageView)

    PageView();
    ~PageView() override;
    // content is reparented into the view and follows its size.
    void SetContent(QWidget* content);
    QWidget* Content() const;

private:
    class Activator;
    QPointer<Activator> m_activator;
    QPointer<QWidget> m_content;
};
