// A button control: push button, check box, radio button or group box, by
// its style. Clicks notify BN_CLICKED; setting the check state does not.
#pragma once

#include "platform/wnd/CWnd.h"

class QAbstractButton;

class CButton : public CWnd {
public:
    DECLARE_DYNAMIC(CButton)

    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    static QWidget* CreateWidget(DWORD style, const char* caption, QWidget* parent);

    int GetCheck() const;
    void SetCheck(int check);
    // Radio buttons can be cleared too, which their exclusive group would refuse.
    static void SetChecked(QAbstractButton* button, bool checked);
};
