// A splitter window: a grid of panes (views) with bars between them that the
// user drags, and a notion of which pane is active.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class QSplitter;
struct CCreateContext;

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

class CSplitterWnd : public CWnd {
public:
    DECLARE_DYNAMIC(CSplitterWnd)

    CSplitterWnd() = default;
    ~CSplitterWnd() override = default;

    // rows x cols empty panes (at most 16 each), filled by CreateView.
    BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    // A view of viewClass in the pane, initial size in pixels (0 leaves the
    // share to the splitter). Refused for a taken or missing pane.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                            CCreateContext* context);
    CWnd* GetPane(int row, int col) const;
    int GetRowCount() const noexcept { return m_rows; }
    int GetColumnCount() const noexcept { return m_cols; }
    int IdFromRowCol(int row, int col) const noexcept { return static_cast<int>(AFX_IDW_PANE_FIRST) + row * 16 + col; }
    // True when wnd is one of the panes; its row and column go to the pointers given.
    BOOL IsChildPane(CWnd* wnd, int* row, int* col) const;
    // The frame's active view if it is a pane, else the focus window if it
    // is a pane; null otherwise.
    virtual CWnd* GetActivePane(int* row = nullptr, int* col = nullptr);

private:
    QSplitter* rowSplitter(int row) const;
    int m_rows = 0;
    int m_cols = 0;
};
