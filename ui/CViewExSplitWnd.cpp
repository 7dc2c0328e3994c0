#include "ui/CViewExSplitWnd.h"

#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CView.h"

IMPLEMENT_DYNAMIC(CViewExSplitWnd, CSplitterWnd)

CWnd* CViewExSplitWnd::GetActivePane(int*, int*)
{
    CWnd* view = nullptr;
    if (CFrameWnd* frame = GetParentFrame())
        view = frame->GetActiveView();
    if (!view)
        view = GetFocus();
    return view;
}
