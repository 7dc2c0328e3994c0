#include "platform/wnd/CSplitterWnd.h"

#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CView.h"

#include <QSplitter>

#include <exception>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

// The rows are a vertical splitter, each row a horizontal one.
BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd || rows < 1 || cols < 1 || rows > 16 || cols > 16)
        return FALSE;
    auto* outer = new QSplitter(Qt::Vertical, parent->m_hWnd);
    outer->setChildrenCollapsible(false);
    for (int r = 0; r < rows; ++r) {
        auto* row = new QSplitter(Qt::Horizontal);
        row->setChildrenCollapsible(false);
        outer->addWidget(row);
    }
    CRect rect;
    parent->GetClientRect(&rect);
    if (!attachNewControl(outer, rect, style, id))
        return FALSE;
    ModifyStyle(0, style);
    m_rows = rows;
    m_cols = cols;
    return TRUE;
}

QSplitter* CSplitterWnd::rowSplitter(int row) const
{
    auto* outer = qobject_cast<QSplitter*>(m_hWnd);
    return outer && row >= 0 && row < outer->count() ? qobject_cast<QSplitter*>(outer->widget(row)) : nullptr;
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context)
{
    QSplitter* line = rowSplitter(row);
    if (!line || col < 0 || col >= m_cols || GetPane(row, col) || !viewClass)
        return FALSE;
    CView* view = nullptr;
    try {
        CWnd* obj = viewClass->CreateObject();
        view = dynamic_cast<CView*>(obj);
        if (!view) {
            delete obj;
            return FALSE;
        }
    } catch (const std::exception&) {
        return FALSE;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, initialSize.cx, initialSize.cy), this,
                      static_cast<UINT>(IdFromRowCol(row, col)), context)) {
        delete view;
        return FALSE;
    }
    // Panes keep their column order whatever order they are made in.
    int at = 0;
    for (int c = 0; c < col; ++c)
        if (GetPane(row, c))
            ++at;
    line->insertWidget(at, view->m_hWnd);
    if (initialSize.cx > 0 || initialSize.cy > 0) {
        QList<int> sizes = line->sizes();
        if (initialSize.cx > 0 && at < sizes.size())
            sizes[at] = initialSize.cx;
        line->setSizes(sizes);
    }
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return nullptr;
    CWnd* pane = GetDlgItem(IdFromRowCol(row, col));
    return pane && FromHandlePermanent(pane->m_hWnd) == pane ? pane : nullptr;
}

BOOL CSplitterWnd::IsChildPane(CWnd* wnd, int* row, int* col) const
{
    for (int r = 0; wnd && r < m_rows; ++r)
        for (int c = 0; c < m_cols; ++c)
            if (GetPane(r, c) == wnd) {
                if (row)
                    *row = r;
                if (col)
                    *col = c;
                return TRUE;
            }
    return FALSE;
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col)
{
    CWnd* view = nullptr;
    if (CFrameWnd* frame = GetParentFrame())
        view = frame->GetActiveView();
    if (!view || !IsChildPane(view, row, col))
        view = GetFocus();
    return view && IsChildPane(view, row, col) ? view : nullptr;
}
