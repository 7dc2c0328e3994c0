// An edit control: one line (or several with ES_MULTILINE). Every change of
// its text notifies EN_CHANGE; the modified flag is set only by the user's
// typing and cleared whenever the program sets the text.
#pragma once

#include "platform/wnd/CWnd.h"

class CEdit : public CWnd {
public:
    // Answers its query message (the framework's own control would).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_DYNAMIC(CEdit)

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // The widget for an edit of these styles, wired to notify its parent.
    static QWidget* CreateWidget(DWORD style, QWidget* parent);

    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    BOOL IsReadOnly() const;
    void SetLimitText(UINT maxChars);
    void LimitText(int maxChars = 0) { SetLimitText(static_cast<UINT>(maxChars)); }
    UINT GetLimitText() const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void ReplaceSel(const char* text, BOOL canUndo = FALSE);
};
