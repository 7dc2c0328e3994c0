#include "ui/CTabWindow.h"

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CView.h"

#include <QWidget>

#include <exception>

BEGIN_MESSAGE_MAP(CTabWindow, CTabCtrl)
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelchange)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CView* CTabWindow::AddTabView(const CRuntimeClass* viewClass, CDocument* pDoc, CWnd* pParent, int index,
                              const char* label, int withImage)
{
    CView* view = nullptr;
    try {
        CWnd* obj = viewClass ? viewClass->CreateObject() : nullptr;
        view = dynamic_cast<CView*>(obj);
        if (!view) {
            delete obj;
            return nullptr;
        }
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), pParent, 0, nullptr)) {
        delete view;
        return nullptr;
    }
    if (pDoc)
        pDoc->AddView(view);

    TCITEM item;
    item.mask = withImage ? TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM : TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(label);
    item.iImage = index;
    item.lParam = reinterpret_cast<LPARAM>(static_cast<CWnd*>(view));
    SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return view;
}

CWnd* CTabWindow::GetTabView(int tab)
{
    TCITEM item;
    item.mask = TCIF_PARAM;
    item.lParam = 0;
    if (!SendMessage(TCM_GETITEM, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<CWnd*>(item.lParam);
}

int CTabWindow::ShowSelTabView()
{
    const int sel = static_cast<int>(SendMessage(TCM_GETCURSEL));
    for (int i = 0; i < static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); ++i) {
        if (CWnd* view = GetTabView(i)) {
            view->ShowWindow(i == sel ? SW_SHOW : SW_HIDE);
            // The shown view lies over the control's display area.
            if (i == sel && view->m_hWnd)
                view->m_hWnd->raise();
        }
    }
    return sel;
}

void CTabWindow::MoveTabView(CRect& rect)
{
    MoveWindow(&rect, TRUE);
    SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(static_cast<LPRECT>(&rect)));
    for (int i = 0; i < static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); ++i)
        if (CWnd* view = GetTabView(i))
            view->MoveWindow(&rect, TRUE);
}

void CTabWindow::OnSelchange(NMHDR*, LRESULT* pResult)
{
    ShowSelTabView();
    *pResult = 0;
}

// Only the frame and the tab strip along the bottom are erased; the views
// paint the rest, so they do not flicker.
BOOL CTabWindow::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(4, 4);
    rect.bottom -= 18;
    pDC->ExcludeClipRect(&rect);
    return CTabCtrl::OnEraseBkgnd(pDC);
}
