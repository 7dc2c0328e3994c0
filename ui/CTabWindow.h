// A tab control that hosts one view per tab: selecting a tab shows its view
// and hides the others, and moving the control moves the views into its display area.
#pragma once

#include "platform/wnd/CTabCtrl.h"

class CDocument;
class CView;

class CTabWindow : public CTabCtrl {
public:
    CTabWindow() = default;
    // The views stay: they belong to their parent window.
    ~CTabWindow() override = default;

    // A new view of viewClass, a child of pParent, in a tab inserted at
    // index; the image index is index too when withImage is non-zero.
    // Null, and no tab, when the view cannot be made.
    CView* AddTabView(const CRuntimeClass* viewClass, CDocument* pDoc, CWnd* pParent, int index, const char* label,
                      int withImage);
    CWnd* GetTabView(int tab);
    // Returns the selected tab (-1 for none).
    int ShowSelTabView();
    // rect comes back as the display area the views now fill.
    void MoveTabView(CRect& rect);

protected:
    void OnSelchange(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
