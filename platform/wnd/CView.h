// A view: a child window that draws (part of) a document in its paint
// handler. A view made by its run-time class deletes itself with its window.
#pragma once

#include "platform/wnd/CWnd.h"

class CDocument;
class CView;

// What a frame hands to the views it makes.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};

class CView : public CWnd {
public:
    DECLARE_DYNAMIC(CView)

    CView();
    ~CView() override;

    // A child of parent's window at rect (the parent's client coordinates).
    // Refused for a child style without a parent window.
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr);
    CDocument* GetDocument() const noexcept { return m_pDocument; }
    // Draws the view; called from the paint handler. Draws nothing by default.
    virtual void OnDraw(CDC* pDC);

    CDocument* m_pDocument = nullptr;
    // Set: the view is deleted when its window is destroyed (its parent
    // closing, say), as views the framework makes are.
    bool m_bAutoDelete = true;

private:
    class Widget;
    friend class Widget;
};
