// A list box. Owner-drawn lists (LBS_OWNERDRAWFIXED or VARIABLE) keep a
// number of item data per item and ask DrawItem and MeasureItem to show it.
// A pick by the user notifies LBN_SELCHANGE; SetCurSel does not.
#pragma once

#include "platform/wnd/OwnerDraw.h"

class CListBox : public CWnd, public COwnerDrawn {
public:
    // Answers its query message (the framework's own control would).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_DYNAMIC(CListBox)

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    static QWidget* CreateWidget(DWORD style, QWidget* parent);

    // Owner-drawn lists without LBS_HASSTRINGS keep the pointer as the item's data.
    int AddString(const char* item);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    // The selection is kept even with LBS_NOSEL: the style only stops the
    // list from showing it, and owner-drawn lists draw it themselves.
    int GetCurSel() const;
    int SetCurSel(int index);
    ULONG_PTR GetItemData(int index) const;
    int SetItemData(int index, ULONG_PTR data);
    void* GetItemDataPtr(int index) const;
    int GetText(int index, CString& text) const;
    int GetItemRect(int index, LPRECT rect) const;
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, UINT height);
    DWORD GetStyle() const;

    void DrawItem(LPDRAWITEMSTRUCT) override {}
};
