// A tooltip control: windows register as tools with a text, and the show and
// hide messages pop the tip up over the parent window or take it down; mouse
// moves relayed to it make a tip on show follow the pointer.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/afxtypes.h"

#include <vector>

class CWnd;
struct tagMSG;

// Messages a tooltip control answers.
constexpr UINT TTM_POP = WM_USER + 28;     // hide the tip
constexpr UINT TTM_UPDATE = WM_USER + 29;  // show the current tool's tip again

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    // Inline, so that a class holding a tooltip (a chart that only draws)
    // needs no window code to be made and destroyed: only a control whose
    // tip went up on screen carries the hook that takes it down.
    virtual ~CToolTipCtrl()
    {
        if (m_hideOnScreen)
            m_hideOnScreen(m_tipWindow);
    }
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    // Makes the control's window. Tips show on screen when the parent has a
    // widget; without one the control keeps its state only.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    BOOL DestroyWindow();
    // Registers pWnd under id with the tip text; registering the same window
    // and id again replaces the text. Refused before Create, as a message to
    // a window that does not exist has no receiver.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT nIDTool = 0);
    // TTM_UPDATE shows the tip of the tool registered last, TTM_POP hides it;
    // other messages are ignored. Without a window nothing happens.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The host forwards its mouse messages here. A mouse move (WM_MOUSEMOVE,
    // pMsg->pt in screen pixels) moves a tip on show to the pointer, so that
    // the tip never stays behind covering what the pointer is working on;
    // the next tip to show appears at the pointer too. Showing and hiding
    // stay with TTM_UPDATE and TTM_POP; the tip also goes when the pointer
    // leaves the parent window or the parent hides.
    void RelayEvent(tagMSG* pMsg);

    // Observable state, for hosts and tests.
    BOOL IsCreated() const noexcept { return m_created ? TRUE : FALSE; }
    int GetToolCount() const noexcept { return static_cast<int>(m_tools.size()); }
    // The text registered for pWnd and id; empty when there is no such tool.
    CString GetToolText(CWnd* pWnd, UINT nIDTool = 0) const;
    BOOL IsTipShown() const noexcept { return m_shown ? TRUE : FALSE; }
    // The text of the tip on show; empty while hidden.
    CString GetShownText() const;
    // The tip's window in screen pixels while it is up on screen (right and
    // bottom exclusive); empty otherwise. It lies below and right of the
    // pointer, or on the pointer's other side where the screen ends.
    CRect GetTipRect() const;

private:
    struct Tool {
        CWnd* wnd = nullptr;
        UINT id = 0;
        CString text;
        bool hasRect = false;
        tagRECT rect{0, 0, 0, 0};
    };

    void showOnScreen(const CString& text);
    void hideOnScreen();
    void placeAtPointer();

    bool m_created = false;
    bool m_shown = false;
    bool m_onScreen = false;  // the tip's window is up on the parent's screen
    // The tip's window, made by the window code when a tip first shows, and
    // the routine that deletes it with the control.
    void* m_tipWindow = nullptr;
    void (*m_hideOnScreen)(void* tipWindow) = nullptr;
    // The pointer in screen pixels as the last relayed move had it.
    bool m_pointerKnown = false;
    CPoint m_pointer;
    CWnd* m_parent = nullptr;
    std::vector<Tool> m_tools;
    size_t m_current = 0;  // the tool registered last
};
