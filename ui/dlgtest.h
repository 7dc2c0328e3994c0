// A small test dialog with one text field of at most ten characters.
#pragma once

#include "platform/wnd/CDialog.h"

class dlgtest : public CDialog {
public:
    enum { IDD = 2005 };
    explicit dlgtest(CWnd* pParent = nullptr);

    CString m_text;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
