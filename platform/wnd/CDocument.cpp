#include "platform/wnd/CDocument.h"

#include "platform/wnd/CView.h"

#include <algorithm>

CDocument::~CDocument()
{
    for (CView* v : m_viewList)
        v->m_pDocument = nullptr;
}

void CDocument::AddView(CView* view)
{
    if (!view || std::find(m_viewList.begin(), m_viewList.end(), view) != m_viewList.end())
        return;
    if (view->m_pDocument && view->m_pDocument != this)
        view->m_pDocument->RemoveView(view);
    m_viewList.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view)
{
    const auto it = std::find(m_viewList.begin(), m_viewList.end(), view);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    view->m_pDocument = nullptr;
}

CView* CDocument::GetView(int i) const
{
    return i >= 0 && i < GetViewCount() ? m_viewList[static_cast<size_t>(i)] : nullptr;
}

void CDocument::UpdateAllViews(CView* sender)
{
    for (CView* v : m_viewList)
        if (v != sender)
            v->Invalidate();
}
