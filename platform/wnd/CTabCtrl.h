// A tab control: a row of labelled tabs over a display area, each tab with
// an optional image index and a caller's value, driven by the TCM_ messages
// and reporting a user's change of tab with TCN_SELCHANGE.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class QTabBar;

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEM = TCM_FIRST + 5;
constexpr UINT TCM_SETITEM = TCM_FIRST + 6;
constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;
constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;

constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_RTLREADING = 0x0004;
constexpr UINT TCIF_PARAM = 0x0008;

constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);
constexpr UINT TCN_SELCHANGING = static_cast<UINT>(-552);

constexpr DWORD TCS_BOTTOM = 0x0002;

struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};
using LPTCITEM = TCITEM*;

class CTabCtrl : public CWnd {
public:
    DECLARE_DYNAMIC(CTabCtrl)

    CTabCtrl() = default;
    ~CTabCtrl() override;

    // Tabs along the top, or the bottom with TCS_BOTTOM.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Each returns what its TCM_ message returns.
    int InsertItem(int index, const TCITEM* item);
    int InsertItem(int index, LPCTSTR label);
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, const TCITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // The old selection, or -1; no TCN_SELCHANGE, as for the message.
    int SetCurSel(int index);
    // larger FALSE: window rectangle to display area; TRUE: the reverse.
    void AdjustRect(BOOL larger, LPRECT rect) const;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Item {
        CString text;
        int image = -1;
        LPARAM param = 0;
    };
    QTabBar* bar() const;
    int stripHeight() const;
    void layoutBar();
    class Widget;
    friend class Widget;
    std::vector<Item> m_items;
};
