// A splitter window whose active pane is its frame's active view, whatever
// window that is, or else the window with the keyboard focus.
#pragma once

#include "platform/wnd/CSplitterWnd.h"

class CViewExSplitWnd : public CSplitterWnd {
public:
    DECLARE_DYNAMIC(CViewExSplitWnd)

    CViewExSplitWnd() = default;
    ~CViewExSplitWnd() override = default;

    // row and col are left alone.
    CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr) override;
};
