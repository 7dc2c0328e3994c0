// The line-style dialog of a profile panel: for each profile its pen colour,
// width in millimetres and line style, edited one entry at a time.
#pragma once

#include "platform/core/CArray.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"
#include "profile/CColorButton.h"
#include "profile/CProfLineList.h"

// One profile's pen as the dialog edits it.
struct ProfLineAttr {
    COLORREF color;
    float width;  // millimetres
    int style;    // PS_SOLID .. PS_DASHDOTDOT
};

class CProfLineDlg : public CDialog {
public:
    explicit CProfLineDlg(CWnd* pParent = nullptr);
    ~CProfLineDlg() override;

    CEdit m_editWidth;
    CComboBox m_comboStyle;
    CColorButton m_btnColor;
    CProfLineList m_listProf;
    float m_fWidth;
    int m_nStyle;
    COLORREF m_crColor;
    CArray<ProfLineAttr, ProfLineAttr&> m_Attrs;

    void AddEntry(COLORREF color, float width, int style);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnColour();
    void OnSelchangeStyle();
    void OnChangeWidth();
    void OnSelchangeProfile();

    DECLARE_MESSAGE_MAP()

private:
    int selectedEntry();
    // Shows the selected entry in the width field, style list and colour button.
    void showEntry();
    // Refills the list from the entries; the last one ends selected.
    void rebuild();
    // After an edit of entry index: rebuild, select it again, show it.
    void refresh(int index);
};
