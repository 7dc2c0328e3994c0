// The font dialog the axis dialogs open for a font button: the platform's
// font dialog plus an edit box that shows the chosen font's fields as text,
// following every change in the dialog a tenth of a second later.
#pragma once

#include "platform/wnd/CEdit.h"
#include "platform/wnd/CFontDialog.h"

class CMyFontDialog : public CFontDialog {
public:
    DECLARE_DYNAMIC(CMyFontDialog)

    CMyFontDialog(LOGFONT* plfInitial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                  CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    ~CMyFontDialog() override;

    CEdit m_editInfo;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR nIDEvent);
    virtual CString GetFontDescription();

    // Lets the user pick a font and colour for an axis text. Axis fonts are
    // ten times the size the dialog shows; Cancel leaves both unchanged.
    static bool ChooseAxisFont(LOGFONT& lf, COLORREF& color);

    DECLARE_MESSAGE_MAP()
};
