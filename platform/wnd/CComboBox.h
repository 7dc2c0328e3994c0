// A combo box; the drop-down-list style lets the user only pick an item.
// A pick by the user notifies CBN_SELCHANGE; SetCurSel does not.
#pragma once

#include "platform/wnd/CWnd.h"

class CComboBox : public CWnd {
public:
    DECLARE_DYNAMIC(CComboBox)

    static QWidget* CreateWidget(DWORD style, QWidget* parent);

    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection; an index outside the list returns CB_ERR.
    int SetCurSel(int index);
    int GetLBText(int index, CString& text) const;
    void ResetContent();
};
