// A frame window: the window around a document's views, which knows the
// view the user works in (the active view).
#pragma once

#include "platform/wnd/CWnd.h"

#include <QPointer>

class CView;

class CFrameWnd : public CWnd {
public:
    DECLARE_DYNAMIC(CFrameWnd)

    CFrameWnd() = default;
    ~CFrameWnd() override = default;

    // A top-level window titled title, or a child of parent's window when
    // the style has WS_CHILD.
    BOOL Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent = nullptr);
    // Null when none was set or its window is gone.
    CView* GetActiveView() const;
    void SetActiveView(CView* view, BOOL notify = TRUE);

private:
    CView* m_pViewActive = nullptr;
    QPointer<QWidget> m_activeWidget;
};
